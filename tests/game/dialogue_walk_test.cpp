// Walks every conversation through all of its nodes by clicking answers as a
// player would, and checks after each click what the conversation graph says
// should follow: the speaker's line, whether answers are still offered and
// which, and how long the click kept the game busy (which tells the nodes'
// kinds and waits apart).
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <queue>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "engine/core/clock.h"
#include "engine/script/primitives.h"
#include "game/flags.h"
#include "game/steps.h"
#include "game_driver.h"

namespace {
// One conversation: who starts it, where, who speaks, and its graph, one node a
// line: "NODE ask A1 A2 A3", "NODE end", "NODE wait-end", "NODE then NEXT" or
// "NODE scripted [A1 A2 A3]". An answer is a node, "end", "none" (an empty
// slot that does nothing), "none>X" (an empty slot that leads to X or ends),
// "RT_...>X" (offered under that text) or "@name" (a scripted continuation).
struct Talk {
    const char* starter;
    const char* scene;
    const char* speaker;
    const char* graph;
};

const Talk kBarman = {"O_bar_serveur", "S_Bar", "O_bar_serveur", R"(
    barman_1 ask barman_2 none none
    barman_2 scripted
    barman_3 scripted
    barman_4 then barman_5
    barman_5 scripted
)"};

const Talk kBiondBar = {"O_bar_biond", "S_Bar", "O_parachutiste", R"(
    biond_bar_1 ask biond_bar_2 biond_bar_26 biond_bar_4
    biond_bar_2 ask biond_bar_5 biond_bar_6 biond_bar_7
    biond_bar_4 ask biond_bar_2 end none
    biond_bar_5 ask biond_bar_8 biond_bar_9 end
    biond_bar_6 ask biond_bar_10 biond_bar_11 none>end
    biond_bar_7 ask end biond_bar_12 none
    biond_bar_8 ask biond_bar_6 biond_bar_14 none
    biond_bar_9 ask biond_bar_15 biond_bar_16 biond_bar_17
    biond_bar_10 ask biond_bar_18 biond_bar_12 none
    biond_bar_11 ask biond_bar_10 biond_bar_12 none
    biond_bar_12 wait-end
    biond_bar_14 ask biond_bar_19 biond_bar_12 none
    biond_bar_15 wait-end
    biond_bar_16 ask biond_bar_20 end none
    biond_bar_17 wait-end
    biond_bar_18 ask biond_bar_21 biond_bar_22 none
    biond_bar_19 ask biond_bar_23 biond_bar_24 biond_bar_24
    biond_bar_20 ask biond_bar_8 biond_bar_12 none
    biond_bar_21 ask biond_bar_25 end none
    biond_bar_22 ask biond_bar_21 biond_bar_12 none
    biond_bar_23 end
    biond_bar_24 ask biond_bar_6 biond_bar_6 none
    biond_bar_25 scripted
    biond_bar_26 ask end biond_bar_2 none
)"};

const Talk kBiondParachute = {"O_parachutiste", "SceneId_Toit", "O_parachutiste", R"(
    biond_parachute_1 ask end biond_parachute_1 biond_parachute_2
    biond_parachute_2 ask biond_parachute_3 biond_parachute_4 biond_parachute_5
    biond_parachute_3 ask biond_parachute_6 biond_parachute_7 none
    biond_parachute_4 ask biond_parachute_8 biond_parachute_9 none
    biond_parachute_5 ask end end biond_parachute_9
    biond_parachute_6 ask biond_parachute_11 biond_parachute_12 biond_parachute_5
    biond_parachute_7 ask biond_parachute_5 biond_parachute_14 end
    biond_parachute_8 ask biond_parachute_15 end none>biond_parachute_16
    biond_parachute_9 end
    biond_parachute_11 ask biond_parachute_19 biond_parachute_20 biond_parachute_5
    biond_parachute_12 ask end none none
    biond_parachute_14 ask biond_parachute_22 biond_parachute_24 none
    biond_parachute_15 ask end end none
    biond_parachute_16 scripted
    biond_parachute_19 end
    biond_parachute_20 end
    biond_parachute_22 ask biond_parachute_24 biond_parachute_25 none
    biond_parachute_24 end
    biond_parachute_25 end
)"};

const Talk kPeone = {"O_peone_creuse", "SceneId_Hotel", "O_peone_creuse", R"(
    peone_1 ask peone_2 peone_3 peone_4
    peone_2 end
    peone_3 ask peone_5 peone_2 none
    peone_4 ask peone_2 peone_3 none
    peone_5 ask peone_6 peone_2 none
    peone_6 ask peone_7 peone_2 none
    peone_7 ask peone_8 none none
    peone_8 scripted
)"};

const Talk kScoutBiere = {"O_scout_balcon_wait", "S_balcon", "O_scout_balcon_wait", R"(
    scout_biere_1 ask end scout_biere_2 none
    scout_biere_2 ask scout_biere_3 scout_biere_4 none
    scout_biere_3 ask scout_biere_5 scout_biere_6 none
    scout_biere_4 end
    scout_biere_5 ask scout_biere_8 @beer end
    scout_biere_6 end
    scout_biere_8 end
)"};

const Talk kScoutWC = {"O_WC_scout", "S_WC", "O_WC_scout", R"(
    scout_WC_1 ask scout_WC_2 scout_WC_3 scout_WC_2
    scout_WC_2 ask scout_WC_3 scout_WC_4 end
    scout_WC_3 ask scout_WC_5 scout_WC_4 end
    scout_WC_4 ask scout_WC_5 end none
    scout_WC_5 ask scout_WC_6 scout_WC_7 end
    scout_WC_6 scripted RT_D_scout_WC_6c_1>scout_WC_7 RT_D_scout_WC_6c_2>end none
    scout_WC_7 scripted
)"};

const Talk kSorcier = {"O_sorcier", "S_Village", "O_sorcier", R"(
    Sorcier_1 ask Sorcier_2 Sorcier_3 none
    Sorcier_2 ask Sorcier_4 Sorcier_3 Sorcier_12
    Sorcier_3 ask Sorcier_5 Sorcier_6 none
    Sorcier_4 ask Sorcier_8 Sorcier_8 end
    Sorcier_5 end
    Sorcier_6 ask Sorcier_10 end none
    Sorcier_8 ask end Sorcier_11 none
    Sorcier_10 scripted
    Sorcier_11 end
    Sorcier_12 ask Sorcier_13 Sorcier_13 none
    Sorcier_13 end
)"};

// Without the oil drop; texan_1's third answer leads to texan_16 with it.
const Talk kTexan = {"O_texan", "SceneId_Hotel", "O_texan", R"(
    texan_1 ask texan_2 texan_3 texan_4
    texan_2 ask texan_5 texan_5 texan_6
    texan_3 ask texan_7 texan_8 end
    texan_4 ask texan_9 texan_10 texan_11
    texan_5 ask texan_12 texan_13 none
    texan_6 ask texan_14 texan_13 texan_7
    texan_7 ask texan_15 none none
    texan_8 ask end none none
    texan_9 wait-end
    texan_10 wait-end
    texan_11 wait-end
    texan_12 ask texan_13 texan_13 none
    texan_13 wait-end
    texan_14 wait-end
    texan_15 ask end none none
    texan_16 ask texan_13 @departure none
)"};

// How a scripted node or continuation ends, counted after the answer's own wait.
struct Scripted {
    const char* name;
    const char* lastLine;  // said last by the speaker
    uint32_t ms;
    bool inDialogue;       // answers are offered at its end
    std::vector<std::string> plays;  // further nodes it plays on the way
};

const Scripted kScripted[] = {
    {"barman_2", "RT_D_barman_5", 4000 + 4000 + 2000, false, {"barman_3", "barman_4", "barman_5"}},
    {"barman_5", "RT_D_barman_5", 0, false, {}},
    {"biond_bar_25", "RT_D_biond_bar_25", 0, false, {}},
    {"biond_parachute_16", "RT_D_biond_parachute_rdv_bar", 2000 + 1500 + 1000 + 1000 + 2000 + 2000, false, {}},
    {"peone_8", "RT_D_peone_8", 2000 + 1500, false, {}},
    {"scout_WC_6", "RT_D_scout_WC_6c", 1500 + 2000 + 2000 + 2000 + 2000 + 1500, true, {}},
    {"scout_WC_7", "RT_D_scout_WC_7", 1000, false, {}},
    {"Sorcier_10", "RT_D_Sorcier_10", 0, false, {}},
    {"@beer", "RT_D_scout_biere_7", 1500, false, {}},
    {"@departure", "RT_D_texan_17", 2000 + 1000, false, {}},
};

struct Slot {
    std::string text;    // "" for the node's own answer text
    std::string target;  // a node, "end", "" (ignored) or "@name"
};

struct ExpectedNode {
    std::string kind;
    std::string next;
    std::vector<Slot> slots;  // empty, or three
};

struct Graph {
    std::string first;
    std::vector<std::string> order;
    std::map<std::string, ExpectedNode> nodes;
};

Slot ParseSlot(const std::string& token)
{
    size_t arrow = token.find('>');
    if (arrow != std::string::npos) {
        std::string text = token.substr(0, arrow);
        return {text == "none" ? "RT_D_NULL" : text, token.substr(arrow + 1)};
    }
    return token == "none" ? Slot{"RT_D_NULL", ""} : Slot{"", token};
}

Graph Parse(const char* text)
{
    Graph g;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        std::istringstream words(line);
        std::string id;
        ExpectedNode n;
        if (!(words >> id >> n.kind)) {
            continue;
        }
        if (n.kind == "then") {
            words >> n.next;
        }
        for (std::string token; words >> token;) {
            n.slots.push_back(ParseSlot(token));
        }
        g.nodes[id] = n;
        g.order.push_back(id);
    }
    g.first = g.order.front();
    return g;
}

std::string OfferedText(const Graph& g, const std::string& node, int k)
{
    const Slot& s = g.nodes.at(node).slots[k - 1];
    return s.text.empty() ? "RT_D_" + node + "_" + std::to_string(k) : s.text;
}

// What follows once a target is reached.
struct Outcome {
    std::string line;  // the speaker's last line, "" when not checked
    uint32_t ms = 0;
    bool inDialogue = false;
    std::string node;  // whose answers are offered
    std::vector<std::string> plays;
};

Outcome OutcomeOf(const Graph& g, const std::string& target, const std::string& from)
{
    if (target == "end") {
        return {};
    }
    if (target.empty()) {
        return {"", 0, true, from, {}};
    }
    for (const Scripted& s : kScripted) {
        if (target == s.name) {
            Outcome o{s.lastLine, s.ms, s.inDialogue, s.inDialogue ? target : "", s.plays};
            o.plays.push_back(target);
            return o;
        }
    }
    const ExpectedNode& n = g.nodes.at(target);
    std::string line = "RT_D_" + target;
    if (n.kind == "ask") {
        return {line, 2000, true, target, {target}};
    }
    if (n.kind == "end") {
        return {line, 0, false, "", {target}};
    }
    if (n.kind == "wait-end") {
        return {line, 2000, false, "", {target}};
    }
    if (n.kind == "then") {
        Outcome o = OutcomeOf(g, n.next, target);
        o.ms += 2000;
        o.plays.push_back(target);
        return o;
    }
    ADD_FAILURE() << "no outcome known for " << target;
    return {};
}

using Edge = std::pair<std::string, int>;  // node, answer 1..3

class Walker {
public:
    // Covers the answers of the nodes given, or of every node the graph reaches.
    Walker(const Talk& talk, std::function<void()> setup, std::set<std::string> cover = {})
        : talk_(talk), graph_(Parse(talk.graph)), setup_(std::move(setup))
    {
        if (cover.empty()) {
            cover = Reachable();
        }
        for (const std::string& id : cover) {
            if (graph_.nodes.at(id).slots.size() == 3) {
                for (int k = 1; k <= 3; ++k) {
                    todo_.insert({id, k});
                }
            }
        }
    }

    // Takes every edge to cover, starting the conversation again when needed.
    void Run()
    {
        for (int restarts = 0; !todo_.empty() && !::testing::Test::HasFatalFailure(); ++restarts) {
            ASSERT_LT(restarts, 200) << "the walk does not progress";
            std::vector<Edge> path = PathToWork();
            if (path.empty()) {
                Restart();
                path = PathToWork();
                ASSERT_FALSE(path.empty()) << "answers never offered: " << todo_.begin()->first;
            }
            for (const Edge& e : path) {
                Take(e);
            }
        }
    }

    const Graph& graph() const { return graph_; }
    const std::set<std::string>& reached() const { return reached_; }

private:
    void Check(const Outcome& o, const std::string& what)
    {
        EXPECT_EQ(IsInDialogue(), o.inDialogue) << what;
        if (!o.line.empty()) {
            EXPECT_EQ(LastLine(talk_.speaker), o.line) << what;
        }
        if (o.inDialogue && IsInDialogue()) {
            for (int k = 1; k <= 3; ++k) {
                EXPECT_EQ(Offered(k), OfferedText(graph_, o.node, k)) << what << ", answer " << k;
            }
        }
        reached_.insert(o.plays.begin(), o.plays.end());
        at_ = o.inDialogue && IsInDialogue() ? o.node : "";
    }

    void Restart()
    {
        if (IsInDialogue()) {
            EndDialogue();
        }
        if (CurrentScene() != talk_.scene) {
            ChangeScene(talk_.scene);
        }
        Show(talk_.starter);
        FindObject(talk_.starter).ResetPosition();
        setup_();
        ASSERT_TRUE(Click(talk_.starter));
        Check(OutcomeOf(graph_, graph_.first, ""), std::string("start of ") + graph_.first);
    }

    void Take(const Edge& e)
    {
        const Slot& slot = graph_.nodes.at(e.first).slots[e.second - 1];
        Outcome o = OutcomeOf(graph_, slot.target, e.first);
        std::string what = e.first + " answer " + std::to_string(e.second);
        ASSERT_EQ(at_, e.first) << what;
        uint32_t t0 = GetTicks();
        ASSERT_TRUE(ChooseSlot(e.second)) << what;
        EXPECT_EQ(GetTicks() - t0, 2000 + o.ms) << what;
        EXPECT_EQ(LastLine("ObjectId_Perso"), OfferedText(graph_, e.first, e.second)) << what;
        todo_.erase(e);
        Check(o, what);
    }

    // The nodes whose answers a conversation started now can offer.
    std::set<std::string> Reachable() const
    {
        std::set<std::string> seen = {graph_.first};
        std::queue<std::string> open;
        open.push(graph_.first);
        while (!open.empty()) {
            const ExpectedNode& n = graph_.nodes.at(open.front());
            open.pop();
            for (const Slot& slot : n.slots) {
                Outcome o = OutcomeOf(graph_, slot.target, "");
                if (o.inDialogue && !o.node.empty() && seen.insert(o.node).second) {
                    open.push(o.node);
                }
            }
        }
        return seen;
    }

    // The shortest series of answers from the offered node to an edge still
    // to take, that edge last; empty when none can be reached from here.
    std::vector<Edge> PathToWork()
    {
        if (at_.empty()) {
            return {};
        }
        std::map<std::string, Edge> cameBy;
        std::queue<std::string> open;
        open.push(at_);
        cameBy[at_] = {"", 0};
        while (!open.empty()) {
            std::string node = open.front();
            open.pop();
            for (int k = 1; k <= 3; ++k) {
                if (todo_.count({node, k}) == 0) {
                    continue;
                }
                std::vector<Edge> path = {{node, k}};
                for (std::string n = node; n != at_; n = cameBy[n].first) {
                    path.insert(path.begin(), cameBy[n]);
                }
                return path;
            }
            for (int k = 1; k <= 3; ++k) {
                Outcome o = OutcomeOf(graph_, graph_.nodes.at(node).slots[k - 1].target, node);
                if (o.inDialogue && cameBy.count(o.node) == 0) {
                    cameBy[o.node] = {node, k};
                    open.push(o.node);
                }
            }
        }
        return {};
    }

    const Talk& talk_;
    Graph graph_;
    std::function<void()> setup_;
    std::set<Edge> todo_;
    std::set<std::string> reached_;
    std::string at_;  // node whose answers are offered, "" when none
};

void ExpectAllReached(const Graph& g, const std::set<std::string>& reached)
{
    for (const std::string& id : g.order) {
        EXPECT_EQ(reached.count(id), 1u) << id << " never played";
    }
}

void WalkAll(const Talk& talk, std::function<void()> setup = [] {})
{
    Walker w(talk, std::move(setup));
    w.Run();
    ExpectAllReached(w.graph(), w.reached());
}
}

// Conversations only wait, in steps of 500 ms: long frame steps keep the walk short.
class GameDialogueWalk : public GameTest {
protected:
    GameDialogueWalk() : GameTest(500) {}
};

TEST_F(GameDialogueWalk, Barman)
{
    WalkAll(kBarman, [] { gameFlags.barmanFirstTime = 1; });
}

TEST_F(GameDialogueWalk, BlondeAtTheBar)
{
    WalkAll(kBiondBar);
}

TEST_F(GameDialogueWalk, Parachutist)
{
    WalkAll(kBiondParachute);
}

TEST_F(GameDialogueWalk, Peon)
{
    WalkAll(kPeone);
}

TEST_F(GameDialogueWalk, ScoutOnTheBalcony)
{
    WalkAll(kScoutBiere);
}

TEST_F(GameDialogueWalk, ScoutInTheToilets)
{
    WalkAll(kScoutWC);
}

TEST_F(GameDialogueWalk, Sorcerer)
{
    WalkAll(kSorcier);
}

// Walked without the oil drop, then texan_1 and texan_16 again with it.
TEST_F(GameDialogueWalk, Texan)
{
    Walker plain(kTexan, [] { FindObject("O_panneau_goutte_huile").SetVisible(0); });
    plain.Run();
    std::string oilGraph = kTexan.graph;
    oilGraph.replace(oilGraph.find("texan_3 texan_4"), 15, "texan_3 RT_D_texan_1_3b>texan_16");
    Talk withOil = kTexan;
    withOil.graph = oilGraph.c_str();
    Walker oil(withOil, [] { FindObject("O_panneau_goutte_huile").SetVisible(1); }, {"texan_1", "texan_16"});
    oil.Run();
    std::set<std::string> reached = plain.reached();
    reached.insert(oil.reached().begin(), oil.reached().end());
    ExpectAllReached(plain.graph(), reached);
}
