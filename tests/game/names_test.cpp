// Every scene, object, text, sound and animation name that the game's code
// uses is defined by the data set. The names come from the code itself: the
// string literals of game/ and the conversation tables.
#include <dirent.h>
#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <set>
#include <string>

#include "engine/script/primitives.h"
#include "game/conversation.h"
#include "game_driver.h"

namespace {
const Conversation* const kAll[] = {&kBarman, &kBiondBar, &kBiondParachute, &kPeone,
                                    &kScoutBiere, &kScoutWC, &kSorcier, &kTexan};

bool EndsWith(const std::string& s, const std::string& end)
{
    return s.size() >= end.size() && s.compare(s.size() - end.size(), end.size(), end) == 0;
}

bool StartsWith(const std::string& s, const char* prefix)
{
    return s.rfind(prefix, 0) == 0;
}

// A name of the kinds the game uses: a known prefix, then more letters, digits and "_".
bool LooksLikeName(const std::string& s)
{
    static const char* const kPrefixes[] = {"O_", "ObjectId_", "Objet_", "S_", "SceneId_",
                                            "RT_", "RS_", "R_", "RA_", "ResId_"};
    bool prefixed = false;
    for (const char* p : kPrefixes) {
        prefixed = prefixed || (StartsWith(s, p) && s.size() > std::strlen(p));
    }
    for (char c : s) {
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_') {
            return false;
        }
    }
    return prefixed;
}

// The string literals of the game's sources that look like names (a literal
// never spans two lines there).
std::set<std::string> LiteralNames()
{
    std::string dir = std::string(std::getenv("VORLANE_SOURCE_DIR")) + "/game";
    std::set<std::string> names;
    DIR* d = opendir(dir.c_str());
    if (d == nullptr) {
        ADD_FAILURE() << "cannot read " << dir;
        return names;
    }
    while (dirent* e = readdir(d)) {
        std::string file = e->d_name;
        if (!EndsWith(file, ".cpp") && !EndsWith(file, ".h")) {
            continue;
        }
        std::ifstream in(dir + "/" + file);
        for (std::string line; std::getline(in, line);) {
            for (size_t open = line.find('"'); open != std::string::npos;) {
                size_t close = line.find('"', open + 1);
                if (close == std::string::npos) {
                    break;
                }
                std::string literal = line.substr(open + 1, close - open - 1);
                if (LooksLikeName(literal)) {
                    names.insert(literal);
                }
                open = line.find('"', close + 1);
            }
        }
    }
    closedir(d);
    return names;
}

// Why the name is not what the code needs, or "" when it is.
std::string Problem(const std::string& name)
{
    const char* n = name.c_str();
    if (StartsWith(name, "S_") || StartsWith(name, "SceneId_")) {
        return FindScene(n) != 0 ? "" : "no scene";
    }
    if (StartsWith(name, "O_") || StartsWith(name, "ObjectId_") || StartsWith(name, "Objet_")) {
        return FindObjectIndex(n) != 0 ? "" : "no object";
    }
    if (FindRessourceIndex(n) == 0) {
        return "no resource";
    }
    const Ressource& r = FindRessource(n);
    if (StartsWith(name, "RT_")) {
        return r.IsText() ? "" : "not a Text";
    }
    if (StartsWith(name, "RS_")) {
        return r.IsWav() ? "" : "not a Wav";
    }
    return r.IsAnim() || r.type == kResBmp ? "" : "not a picture";
}

void Expect(std::set<std::string>* names, const char* text)
{
    char sound[kNameSize];
    SoundOfText(text, sound);
    names->insert(text);
    names->insert(sound);
}
}

using GameNames = GameTest;

TEST_F(GameNames, EveryNameTheCodeUsesIsDefined)
{
    std::set<std::string> names = LiteralNames();
    ASSERT_GT(names.size(), 100u) << "the scan of game/ found too few names";
    // A spoken line comes with its sound.
    for (const std::string& name : std::set<std::string>(names)) {
        if (StartsWith(name, "RT_D_")) {
            Expect(&names, name.c_str());
        }
    }
    // The conversations' lines and answers, named from the node ids.
    char text[kNameSize];
    for (const Conversation* c : kAll) {
        names.insert(c->speaker);
        for (int i = 0; i < c->nodeCount; ++i) {
            const Node& n = c->nodes[i];
            TextOfNode(n.id, text);
            Expect(&names, text);
            for (int k = 0; k < 3; ++k) {
                const Answer& a = n.answers[k];
                if (a.next != nullptr || a.action != nullptr || a.text != nullptr || a.textNow != nullptr) {
                    TextOfAnswer(n, k, text);
                    Expect(&names, text);
                }
            }
        }
    }
    for (const std::string& name : names) {
        EXPECT_EQ(Problem(name), "") << name;
    }
}

// Every node that a table leads to exists in its conversation.
TEST(GameConversationTables, EveryNextNodeExists)
{
    for (const Conversation* c : kAll) {
        for (int i = 0; i < c->nodeCount; ++i) {
            const Node& n = c->nodes[i];
            if (n.kind == kThen) {
                EXPECT_NE(FindNode(*c, n.next), nullptr) << n.id << " -> " << n.next;
            }
            for (const Answer& a : n.answers) {
                if (a.next != nullptr && std::string(a.next) != kEndTalk) {
                    EXPECT_NE(FindNode(*c, a.next), nullptr) << n.id << " -> " << a.next;
                }
            }
        }
    }
}
