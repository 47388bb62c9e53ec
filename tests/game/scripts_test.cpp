// The scene scripts' own cases: the rope's floors, the wreck's two sounds, the
// drawer and the bed taken twice, the exits, the guard, the other ways to
// reach a cut scene, the keys and the hover of the dustbin.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "engine/core/frame.h"
#include "engine/core/input.h"
#include "engine/core/startup.h"
#include "engine/render/text.h"
#include "engine/script/hooks.h"
#include "engine/script/primitives.h"
#include "game/flags.h"
#include "game/steps.h"
#include "game_driver.h"

namespace {
// Starts the scene directly, as the tests of one script need no journey.
void Enter(const char* scene)
{
    ChangeScene(scene);
    Frames(1);
}

std::vector<std::string> PullRope(int times)
{
    std::vector<std::string> shown;
    for (int i = 0; i < times; ++i) {
        EXPECT_TRUE(Click("O_bar_corde"));
        shown.push_back(FindObject("O_lift_num").ResAnimName);
    }
    return shown;
}
}

using GameScripts = GameTest;

TEST_F(GameScripts, RopeSkipsTheSecondFloorUntilTheBarmanIsMet)
{
    Enter("SceneId_Hall");
    EXPECT_EQ(PullRope(3), (std::vector<std::string>{"R_lift_num_3", "R_lift_num_1", "R_lift_num_3"}));
    PullRope(1);  // back to the first floor
    gameFlags.barmanMet = 1;
    EXPECT_EQ(PullRope(3), (std::vector<std::string>{"R_lift_num_2", "R_lift_num_3", "R_lift_num_1"}));
    EXPECT_EQ(FindObject("O_bar_corde").ResAnimName, std::string("R_lift_corde"));
}

TEST_F(GameScripts, MeetingTheBarmanOpensTheSecondFloor)
{
    Enter("S_Bar");
    ASSERT_TRUE(Click("O_bar_serveur"));
    EXPECT_EQ(gameFlags.barmanMet, 1);
    EndDialogue();
    ASSERT_TRUE(TravelTo("SceneId_Hall"));
    EXPECT_EQ(PullRope(1), std::vector<std::string>{"R_lift_num_2"});
}

// Every floor is reached from the hall, and every floor's door leads back.
TEST_F(GameScripts, LiftRidesToEachFloorAndBack)
{
    struct Floor {
        const char* scene;
        const char* arrival;
        const char* door;
    };
    const Floor floors[] = {{"S_chambre", "O_pt_chambre_gauche", "O_chambre_vers_hall"},
                            {"SceneId_Toit", "O_pt_toit_porte", "ObjectId_Toit_VersHall"},
                            {"S_balcon", "O_pt_balcon_droit", "O_balcon_vers_hall"}};
    gameFlags.barmanMet = 1;
    Enter("SceneId_Hall");
    for (const Floor& f : floors) {
        PullRope(1);
        ASSERT_TRUE(Click("O_lift_fond_1"));
        ASSERT_EQ(CurrentScene(), f.scene);
        const Objet& p = FindObject(f.arrival);
        EXPECT_EQ(PersoAt().x, p.ptCurrent.x + p.ptHotSpot.x) << f.scene;
        EXPECT_EQ(PersoAt().y, p.ptCurrent.y + p.ptHotSpot.y) << f.scene;
        ASSERT_TRUE(Click(f.door));
        ASSERT_EQ(CurrentScene(), "SceneId_Hall");
        const Objet& lift = FindObject("O_pt_lift_1");
        EXPECT_EQ(PersoAt().x, lift.ptCurrent.x + lift.ptHotSpot.x) << f.door;
        EXPECT_TRUE(Shown("O_lift_fond_1"));
        EXPECT_FALSE(Shown("O_lift_fond_3"));
    }
}

// The wreck's sound is played as a resource, then as a file, and so on; a
// resource path that cannot be opened tells the two apart.
TEST_F(GameScripts, WreckSoundAlternatesBetweenResourceAndFile)
{
    Enter("S_Plage");
    Show("O_voiture_crash");
    std::snprintf(FindRessource("RS_Prout").soundPath, kSoundPathSize, "%s", "no_such_prout.wav");
    std::vector<bool> fromResource;
    for (int i = 0; i < 3; ++i) {
        ::testing::internal::CaptureStdout();
        ASSERT_TRUE(Click("O_voiture_crash"));
        fromResource.push_back(::testing::internal::GetCapturedStdout().find("no_such_prout.wav") !=
                               std::string::npos);
    }
    EXPECT_EQ(fromResource, (std::vector<bool>{true, false, true}));
}

TEST_F(GameScripts, BedGivesTheMattressOnce)
{
    Enter("S_chambre");
    ASSERT_TRUE(Click("O_lit"));
    ASSERT_TRUE(Shown("O_panneau_matelas"));
    FindObject("O_panneau_matelas").SetVisible(0);  // as if used
    FindObject("O_lit").SetVisible(1);
    ASSERT_TRUE(Click("O_lit"));
    EXPECT_FALSE(Shown("O_panneau_matelas"));
    EXPECT_TRUE(Shown("O_lit"));
}

TEST_F(GameScripts, DrawerShowsOnlyWhatIsLeft)
{
    Enter("S_chambre");
    ASSERT_TRUE(Click("O_tiroir_ferme"));
    ASSERT_TRUE(Click("O_titroir_capote"));
    ASSERT_TRUE(Click("O_titroir_playboy"));
    ASSERT_TRUE(Click("O_tiroir_ferme"));
    EXPECT_FALSE(Shown("O_titroir_ouvert"));
    ASSERT_TRUE(Click("O_tiroir_ferme"));
    EXPECT_TRUE(Shown("O_titroir_ouvert"));
    EXPECT_FALSE(Shown("O_titroir_capote"));
    EXPECT_FALSE(Shown("O_titroir_playboy"));
    EXPECT_TRUE(Shown("O_panneau_capote"));
    EXPECT_TRUE(Shown("O_panneau_playboy"));
}

TEST_F(GameScripts, PanelArrowsScrollFromTheFirstItemOn)
{
    Enter("S_Plage");
    ASSERT_TRUE(Click("O_Panneau_Gauche"));
    EXPECT_EQ(panel.PanelScroll, 1);
    for (int i = 0; i < 5; ++i) {
        ASSERT_TRUE(Click("O_Panneau_Droit"));
    }
    EXPECT_EQ(panel.PanelScroll, 6);
}

// An exit whose arrival point lies at x = 0 changes the scene but leaves the
// character where it stands.
TEST_F(GameScripts, ExitToAPointAtTheLeftEdgeDoesNotMoveTheCharacter)
{
    Enter("SceneId_Hall");
    FindObject("O_pt_bar_porte").ptCurrent.x = 0;
    Point before = PersoAt();
    OnClickObject(FindObjectIndex("O_hall_vers_bar"));
    ASSERT_EQ(CurrentScene(), "S_Bar");
    EXPECT_EQ(PersoAt().x, before.x);
    EXPECT_EQ(PersoAt().y, before.y);
}

TEST_F(GameScripts, ExitPutsTheCharacterOnItsArrivalPoint)
{
    Enter("SceneId_Hall");
    ASSERT_TRUE(Click("O_hall_vers_bar"));
    ASSERT_EQ(CurrentScene(), "S_Bar");
    const Objet& p = FindObject("O_pt_bar_porte");
    EXPECT_EQ(PersoAt().x, p.ptCurrent.x);
    EXPECT_EQ(PersoAt().y, p.ptCurrent.y);
}

TEST_F(GameScripts, GuardListensButAnyAnswerEndsTheTalk)
{
    Enter("S_Falaise");
    for (int k = 1; k <= 3; ++k) {
        ASSERT_TRUE(Click("O_garde"));
        EXPECT_EQ(LastLine("O_garde"), "RT_OnPassePas");
        ASSERT_TRUE(IsInDialogue());
        EXPECT_EQ(Offered(k), "RT_Hello");
        ASSERT_TRUE(ChooseSlot(k));
        EXPECT_FALSE(IsInDialogue());
    }
}

TEST_F(GameScripts, MattressDroppedOnTheParachutistBringsHerDown)
{
    Enter("SceneId_Toit");
    Show("O_parachutiste");
    Show("O_panneau_matelas");
    ASSERT_TRUE(Drag("O_panneau_matelas", "O_parachutiste"));
    EXPECT_TRUE(Shown("O_matelas"));
    EXPECT_TRUE(Shown("O_bar_biond"));
    EXPECT_FALSE(Shown("O_parachutiste_tombe"));
    EXPECT_FALSE(Shown("O_panneau_matelas"));
}

// Without the mattress her third answer is an empty slot that still leads to
// the mattress scene; with it, the slot shows its own text.
TEST_F(GameScripts, ParachutistsThirdAnswerDependsOnTheMattress)
{
    Enter("SceneId_Toit");
    Show("O_parachutiste");
    for (bool mattress : {false, true}) {
        FindObject("O_panneau_matelas").SetVisible(mattress ? 1 : 0);
        ASSERT_TRUE(Click("O_parachutiste"));
        for (const char* text : {"RT_D_biond_parachute_1_3", "RT_D_biond_parachute_2_2", "RT_D_biond_parachute_4_1"}) {
            ASSERT_TRUE(Choose(text));
        }
        EXPECT_EQ(Offered(3), mattress ? "RT_D_biond_parachute_8_3" : "RT_D_NULL");
        EndDialogue();
    }
}

TEST_F(GameScripts, OilDropDroppedOnTheTexanSendsHimOff)
{
    Enter("S_Plage");
    Show("O_tache_huile");
    ASSERT_TRUE(Click("O_tache_huile"));
    ASSERT_TRUE(TravelTo("SceneId_Hotel"));
    ASSERT_TRUE(Drag("O_panneau_goutte_huile", "O_texan"));
    EXPECT_FALSE(Shown("O_tache_huile"));
    EXPECT_FALSE(Shown("O_texan"));
    EXPECT_TRUE(Shown("O_derrick"));
    EXPECT_EQ(LastLine("O_texan"), "RT_D_texan_17");
}

// After each of his lines the texan stops talking with his hands.
TEST_F(GameScripts, TexanTalksWithHisHands)
{
    Enter("SceneId_Hotel");
    ASSERT_TRUE(Click("O_texan"));
    EXPECT_EQ(FindObject("O_texan").ResAnimName, std::string("R_texan"));
    ASSERT_TRUE(Choose("RT_D_texan_1_1"));
    EXPECT_EQ(FindObject("O_texan").ResAnimName, std::string("R_texan"));
}

TEST_F(GameScripts, BarmanHandsOverTheBeerOnEveryLaterTalk)
{
    Enter("S_Bar");
    ASSERT_TRUE(Click("O_bar_serveur"));
    EXPECT_EQ(Offered(1), "RT_D_barman_1_1");
    ASSERT_TRUE(Choose("RT_D_barman_1_1"));
    // barman_2 withdrew the answers: they stay empty until the end.
    EXPECT_EQ(Offered(1), "RT_D_NULL");
    EXPECT_EQ(Offered(2), "RT_D_NULL");
    EXPECT_EQ(Offered(3), "RT_D_NULL");
    EXPECT_EQ(dialogue.callback, nullptr);
    for (int i = 0; i < 2; ++i) {
        FindObject("O_panneau_biere_plein").SetVisible(0);
        ASSERT_TRUE(Click("O_bar_serveur"));
        EXPECT_FALSE(IsInDialogue());
        EXPECT_EQ(LastLine("O_bar_serveur"), "RT_D_barman_5");
        EXPECT_TRUE(Shown("O_panneau_biere_plein"));
    }
}

TEST_F(GameScripts, FourthBeerSendsTheScoutToTheToilets)
{
    Enter("S_balcon");
    for (int beer = 1; beer <= 4; ++beer) {
        EXPECT_TRUE(Shown("O_scout_balcon_wait")) << beer;
        EXPECT_FALSE(Shown("O_WC_scout")) << beer;
        Show("O_panneau_biere_plein");
        ASSERT_TRUE(Drag("O_panneau_biere_plein", "O_scout_balcon_wait"));
        EXPECT_FALSE(Shown("O_panneau_biere_plein"));
    }
    EXPECT_FALSE(Shown("O_scout_balcon_wait"));
    EXPECT_TRUE(Shown("O_WC_scout"));
    EXPECT_TRUE(Shown("O_WC_mec_haut"));
    EXPECT_FALSE(Shown("O_WC_periscope"));
}

// In the toilets the panel goes first; the scout's line stays while he walks off.
TEST_F(GameScripts, ScoutLeavesTheToiletsAfterHisLastLine)
{
    Enter("S_WC");
    Show("O_WC_scout");
    ASSERT_TRUE(Click("O_WC_scout"));
    for (const char* text : {"RT_D_scout_WC_1_1", "RT_D_scout_WC_2_2", "RT_D_scout_WC_4_1", "RT_D_scout_WC_5_2"}) {
        ASSERT_TRUE(Choose(text));
    }
    EXPECT_FALSE(IsInDialogue());
    EXPECT_FALSE(Shown("O_WC_scout"));
    EXPECT_TRUE(Shown("O_scout_balcon_pisse"));
    const TextSlot& line = textSlots[FindObject("O_WC_scout").nTextSlot];
    EXPECT_EQ(line.active, 1);
    EXPECT_EQ(std::string(World.ressources[line.text].Name), "RT_D_scout_WC_7");
}

TEST_F(GameScripts, WinchBecomesAnExitOnceTheGuardGoesFishing)
{
    Enter("S_Falaise");
    ASSERT_TRUE(Click("ObjectId_Treuil_VersAtelier"));
    EXPECT_EQ(CurrentScene(), "S_Falaise");
    Show("O_panneau_canne");
    ASSERT_TRUE(Drag("O_panneau_canne", "O_garde"));
    ASSERT_TRUE(Click("ObjectId_Treuil_VersAtelier"));
    EXPECT_EQ(CurrentScene(), "SceneId_Atelier");
}

// A drop that matches no row only walks the character to the target.
TEST_F(GameScripts, OtherDropsDoNothing)
{
    Enter("S_Plage");
    Show("O_panneau_capote");
    ASSERT_TRUE(Drag("O_panneau_capote", "O_robinson"));
    EXPECT_TRUE(Shown("O_panneau_capote"));
    EXPECT_TRUE(Shown("O_robinson"));
    EXPECT_FALSE(IsInDialogue());
}

TEST_F(GameScripts, DustbinLightsUpUnderThePointer)
{
    Enter("SceneId_Hotel");
    ASSERT_TRUE(Hover("ObjectId_Truc2"));
    EXPECT_EQ(FindObject("ObjectId_Truc2").pFirstFrame, &FindRessource("ResId_Poubelle_over").frames);
    EXPECT_EQ(FindObject("ObjectId_Truc2").ResAnimName, std::string("ResId_Poubelle"));
    OnMouseMove(5, 5, 0);
    EXPECT_EQ(FindObject("ObjectId_Truc2").pFirstFrame, &FindRessource("ResId_Poubelle").frames);
}

TEST_F(GameScripts, FunctionKeysJumpToScenesWithoutMovingTheCharacter)
{
    Point before = PersoAt();
    const std::pair<int, const char*> keys[] = {{6, "SceneId_Hotel"}, {7, "SceneId_Hall"}, {8, "S_chambre"}};
    for (const auto& k : keys) {
        EXPECT_EQ(OnFunctionKey(k.first), 0);
        EXPECT_EQ(CurrentScene(), k.second);
        EXPECT_EQ(PersoAt().x, before.x);
        EXPECT_EQ(PersoAt().y, before.y);
    }
    std::string scene = CurrentScene();
    EXPECT_EQ(OnFunctionKey(5), 0);
    EXPECT_EQ(CurrentScene(), scene);
    OnKeyF3();
    EXPECT_TRUE(Shown("O_panneau_goutte_huile"));
}

// Indices that name no object of the table are ignored by every hook.
TEST_F(GameScripts, HooksIgnoreIndicesOutsideTheTable)
{
    for (int32_t bad : {-1, 0, World.objetCount, 100000}) {
        OnClickObject(bad);
        OnUseObject(bad, FindObjectIndex("O_garde"));
        OnUseObject(FindObjectIndex("O_panneau_canne"), bad);
        OnMouseEnterObject(bad);
        OnMouseLeaveObject(bad);
    }
    EXPECT_EQ(CurrentScene(), "SceneId_Depart");
    EXPECT_FALSE(IsInDialogue());
}

TEST_F(GameScripts, ComputerEndsTheGame)
{
    Enter("S_PC");
    ASSERT_TRUE(Click("Objet_Exit"));
    EXPECT_EQ(quitRequested, 1);
}
