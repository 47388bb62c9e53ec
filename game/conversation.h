// Conversations: a graph of nodes per character, each node a line said by the
// speaker (text RT_D_<id>, sound RS_D_<id>) followed, by its kind, by up to
// three answers, by another node, or by the end of the conversation.
//   StartConversation  BeginDialogue, then play the conversation's first node
//   StartBarmanConversation  the same for the barman: barman_1 the first time, barman_5 after
//   PlayNode           play one node of a conversation (ends it when the id is unknown)
//   OfferAnswers       SetChoices with the three answers of a node, by id
//   SayLine            the speaker says a text with its sound
//   TextOfNode         "RT_D_<id>" into out
//   TextOfAnswer       the text offered in slot k (0..2) of a node, into out
//   SoundOfText        the sound that goes with a text id, into out
//   FindNode           a node of a conversation by id, or null
// The eight conversations are declared at the end.
#pragma once
#include <cstdint>
#include <iterator>  // std::size for the node tables

constexpr int kNameSize = 255;  // a text or sound name and its terminator

// What answer k of a node does when clicked.
struct Answer {
    const char* next;            // node played; kEndTalk ends; null ignores the index
    const char* text;            // text offered; null: RT_D_<node>_<k>; kNoAnswer: empty slot
    const char* (*textNow)();    // when set, chooses the text at the moment it is offered
    void (*action)();            // when set, runs in place of next
};

constexpr const char* kEndTalk = "end";
constexpr const char* kNoAnswer = "RT_D_NULL";
constexpr const char* kNoAnswerSound = "RS_NULL";

// Answer helpers: the answer columns of a table read like the script listing.
constexpr Answer Go(const char* node) { return {node, nullptr, nullptr, nullptr}; }
constexpr Answer Run(void (*action)()) { return {nullptr, nullptr, nullptr, action}; }
constexpr Answer kEnd = {kEndTalk, nullptr, nullptr, nullptr};
constexpr Answer kIgnore = {nullptr, nullptr, nullptr, nullptr};
constexpr Answer kEmpty = {nullptr, kNoAnswer, nullptr, nullptr};      // empty slot, ignored
constexpr Answer kEmptyEnd = {kEndTalk, kNoAnswer, nullptr, nullptr};  // empty slot, ends
// The same answer offered under another text, fixed or chosen when offered.
constexpr Answer Worded(const char* text, Answer a) { return {a.next, text, nullptr, a.action}; }
constexpr Answer Worded(const char* (*textNow)(), Answer a) { return {a.next, nullptr, textNow, a.action}; }

enum NodeKind {
    kAsk,       // wait 2000 ms, then offer the answers
    kThen,      // wait 2000 ms, then play next
    kLast,      // end at once (the line stays on screen)
    kWaitLast,  // wait 2000 ms, then end
    kScripted,  // the node's own script does everything
};

struct Node {
    const char* id;
    NodeKind kind;
    Answer answers[3];  // kAsk
    const char* next;   // kThen
    void (*script)();   // kScripted
};

// Node helpers, one per kind.
constexpr Node Ask(const char* id, Answer a1, Answer a2, Answer a3)
{
    return {id, kAsk, {a1, a2, a3}, nullptr, nullptr};
}
constexpr Node Then(const char* id, const char* next)
{
    return {id, kThen, {kIgnore, kIgnore, kIgnore}, next, nullptr};
}
constexpr Node Last(const char* id) { return {id, kLast, {kIgnore, kIgnore, kIgnore}, nullptr, nullptr}; }
constexpr Node WaitLast(const char* id)
{
    return {id, kWaitLast, {kIgnore, kIgnore, kIgnore}, nullptr, nullptr};
}
constexpr Node Scripted(const char* id, void (*script)())
{
    return {id, kScripted, {kIgnore, kIgnore, kIgnore}, nullptr, script};
}

struct Conversation {
    const char* speaker;    // the object that says every line
    const char* talkAnim;   // when set: the speaker's animation from each line's sound...
    const char* idleAnim;   // ...until the end of the node's wait
    const Node* nodes;      // the first one starts the conversation
    int nodeCount;
};

void StartConversation(const Conversation& c);
void StartBarmanConversation();
void PlayNode(const Conversation& c, const char* id);
void OfferAnswers(const Conversation& c, const char* id);
void SayLine(const Conversation& c, const char* text, uint32_t ms);
void TextOfNode(const char* id, char* out);
void TextOfAnswer(const Node& n, int k, char* out);
void SoundOfText(const char* text, char* out);
const Node* FindNode(const Conversation& c, const char* id);

extern const Conversation kBarman;           // "O_bar_serveur"
extern const Conversation kBiondBar;         // the blonde at the bar
extern const Conversation kBiondParachute;   // the blonde parachutist
extern const Conversation kPeone;
extern const Conversation kScoutBiere;       // the scout on the balcony
extern const Conversation kScoutWC;          // the scout in the toilets
extern const Conversation kSorcier;
extern const Conversation kTexan;
