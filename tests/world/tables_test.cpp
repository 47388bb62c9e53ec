#include <gtest/gtest.h>

#include <string>

#include "engine/script/bound_names.h"
#include "engine/world/world.h"
#include "support/recording_hooks.h"

namespace {
ObjetConfig Config(const char* name, const char* scene)
{
    ObjetConfig c = {};
    c.name = name;
    c.affName = "";
    c.resAnimName = "";
    c.sceneName = scene;
    c.sceneSuivanteName = "";
    c.sceneSuivantePoint = "";
    c.coord = {10, 20};
    c.text = {0, -20};
    c.isAfficher = 1;
    return c;
}

class Tables : public ::testing::Test {
protected:
    void SetUp() override
    {
        ClearScenes();
        ClearObjets();
        ResetRecordingHooks();
    }
};
}

TEST_F(Tables, AdditionsStartAtEntryOne)
{
    EXPECT_EQ(World.sceneCount, 0);
    AddScene("Bar", 0.5f);
    AddScene("Hall", 0.0f);
    EXPECT_EQ(World.sceneCount, 3);
    EXPECT_STREQ(World.scenes[1].Name, "Bar");
    EXPECT_STREQ(World.scenes[0].Name, "");

    AddObjet(Config("O_a", "Bar"));
    EXPECT_EQ(World.objetCount, 2);
    const Objet& a = World.objets[1];
    EXPECT_EQ(a.ptCurrent.x, 10);
    EXPECT_EQ(a.ptCoord.y, 20);
    EXPECT_EQ(a.pFirstFrame, nullptr);
}

TEST_F(Tables, LookupsFallBackToEntryZeroAndFirstDuplicateWins)
{
    AddScene("Bar", 0.5f);
    AddScene("Bar", 0.25f);
    AddObjet(Config("O_a", "Bar"));
    AddObjet(Config("O_b", "Bar"));
    AddObjet(Config("O_a", "Hall"));

    EXPECT_EQ(FindScene("Bar"), 1);
    EXPECT_EQ(GetScene("Bar").ScalePerso, 0.5f);
    EXPECT_EQ(FindScene("Nowhere"), 0);
    EXPECT_EQ(FindScene(""), 0);
    EXPECT_EQ(FindObjectIndex("O_a"), 1);
    EXPECT_STREQ(FindObject("O_a").SceneName, "Bar");
    EXPECT_EQ(FindObjectIndex("O_b"), 2);
    EXPECT_EQ(FindObjectIndex("o_a"), 0);  // case-sensitive
    EXPECT_EQ(&FindObject("missing"), &World.objets[0]);
    EXPECT_EQ(&FindObject(""), &World.objets[0]);
}

TEST_F(Tables, ChangeSceneScalesTheCharacterAndCallsTheHook)
{
    SetPersoObject("Hero");
    AddScene("Bar", 0.75f);
    AddObjet(Config("Hero", "Perso"));

    ChangeScene("Bar");
    EXPECT_STREQ(GetCurrentSceneName(), "Bar");
    EXPECT_EQ(FindObject("Hero").fScale, 0.75f);

    ChangeScene("Nowhere");  // the empty entry 0 becomes current
    EXPECT_STREQ(GetCurrentSceneName(), "");
    EXPECT_EQ(FindObject("Hero").fScale, 0.0f);
    EXPECT_EQ(FindObject("Hero").ptCurrent.x, 10);  // position untouched

    const std::vector<HookCall> expected = {{"OnSceneEnter", 0, 0, "Bar"},
                                            {"OnSceneEnter", 0, 0, "Nowhere"}};
    EXPECT_EQ(hookLog, expected);
}

TEST_F(Tables, FullTablesRefuseFurtherAdditions)
{
    for (int i = 1; i < kMaxObjets; ++i) {
        EXPECT_EQ(AddObjet(Config(("O_" + std::to_string(i)).c_str(), "S")), 0);
    }
    EXPECT_EQ(AddObjet(Config("O_extra", "S")), -1);
    EXPECT_EQ(World.objetCount, kMaxObjets);
    EXPECT_EQ(FindObjectIndex("O_499"), 499);
    for (int i = 1; i < kMaxScenes; ++i) {
        EXPECT_EQ(AddScene("S", 0.0f), 0);
    }
    EXPECT_EQ(AddScene("T", 0.0f), -1);
    EXPECT_EQ(FindScene("T"), 0);
}
