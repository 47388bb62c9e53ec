#include "game/conversation.h"

#include <cstdio>
#include <cstring>

#include "engine/script/primitives.h"

namespace {
// The node whose answers are on the panel, and its conversation.
const Conversation* offeredConversation = nullptr;
const Node* offeredNode = nullptr;

// The callback of every node that offers answers.
void OnAnswer(int32_t index)
{
    if (offeredNode == nullptr || index < 0 || index > 2) {
        return;
    }
    const Answer& a = offeredNode->answers[index];
    if (a.action != nullptr) {
        a.action();
    } else if (a.next != nullptr && std::strcmp(a.next, kEndTalk) == 0) {
        EndDialogue();
    } else if (a.next != nullptr) {
        PlayNode(*offeredConversation, a.next);
    }
}

void SetSpeakerAnim(const Conversation& c, const char* anim)
{
    if (anim != nullptr) {
        FindObject(c.speaker).SetAnim(anim);
    }
}

// The 2000 ms after a line, the speaker back to its idle look at the end.
void WaitAfterLine(const Conversation& c)
{
    WaitMs(2000);
    SetSpeakerAnim(c, c.idleAnim);
}

void Offer(const Conversation& c, const Node& n)
{
    char text[3][kNameSize];
    char sound[3][kNameSize];
    for (int k = 0; k < 3; ++k) {
        TextOfAnswer(n, k, text[k]);
        SoundOfText(text[k], sound[k]);
    }
    offeredConversation = &c;
    offeredNode = &n;
    SetChoices(text[0], sound[0], text[1], sound[1], text[2], sound[2], OnAnswer);
}
}

const Node* FindNode(const Conversation& c, const char* id)
{
    for (int i = 0; i < c.nodeCount; ++i) {
        if (std::strcmp(c.nodes[i].id, id) == 0) {
            return &c.nodes[i];
        }
    }
    return nullptr;
}

void TextOfNode(const char* id, char* out)
{
    std::snprintf(out, kNameSize, "RT_D_%s", id);
}

void TextOfAnswer(const Node& n, int k, char* out)
{
    const Answer& a = n.answers[k];
    const char* text = a.textNow != nullptr ? a.textNow() : a.text;
    if (text != nullptr) {
        std::snprintf(out, kNameSize, "%s", text);
    } else {
        std::snprintf(out, kNameSize, "RT_D_%s_%d", n.id, k + 1);
    }
}

void SoundOfText(const char* text, char* out)
{
    if (std::strcmp(text, kNoAnswer) == 0) {
        std::snprintf(out, kNameSize, "%s", kNoAnswerSound);
    } else if (std::strncmp(text, "RT_", 3) == 0) {
        std::snprintf(out, kNameSize, "RS_%s", text + 3);
    } else {
        std::snprintf(out, kNameSize, "%s", text);
    }
}

void SayLine(const Conversation& c, const char* text, uint32_t ms)
{
    FindObject(c.speaker).SayText(text, ms, 1);
    char sound[kNameSize];
    SoundOfText(text, sound);
    PlaySoundRes(sound);
}

void StartConversation(const Conversation& c)
{
    BeginDialogue();
    PlayNode(c, c.nodes[0].id);
}

void OfferAnswers(const Conversation& c, const char* id)
{
    const Node* n = FindNode(c, id);
    if (n != nullptr) {
        Offer(c, *n);
    }
}

void PlayNode(const Conversation& c, const char* id)
{
    const Node* n = FindNode(c, id);
    if (n == nullptr) {
        EndDialogue();  // a table fault must not leave the player stuck in a dialogue
        return;
    }
    if (n->kind == kScripted) {
        n->script();
        return;
    }
    char text[kNameSize];
    TextOfNode(n->id, text);
    SayLine(c, text, 2000);
    SetSpeakerAnim(c, c.talkAnim);
    switch (n->kind) {
    case kAsk:
        WaitAfterLine(c);
        Offer(c, *n);
        break;
    case kThen:
        WaitAfterLine(c);
        PlayNode(c, n->next);
        break;
    case kWaitLast:
        WaitAfterLine(c);
        EndDialogue();
        break;
    case kLast:
        EndDialogue();
        break;
    case kScripted:  // played by its script above
        break;
    }
}
