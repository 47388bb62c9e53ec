// The whole game played through by clicking, dragging and answering as a
// player would, from the title screen and the intro to the computer that ends
// the mission, checking the world after each step.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "engine/core/clock.h"
#include "engine/core/frame.h"
#include "engine/core/startup.h"
#include "engine/script/primitives.h"
#include "game_driver.h"

namespace {
void ExpectShown(std::initializer_list<const char*> shown, std::initializer_list<const char*> hidden = {})
{
    for (const char* name : shown) {
        EXPECT_TRUE(Shown(name)) << name << " should be shown";
    }
    for (const char* name : hidden) {
        EXPECT_FALSE(Shown(name)) << name << " should be hidden";
    }
}

// Answers in turn, each by the text it shows.
void ChooseInTurn(std::initializer_list<const char*> answers)
{
    for (const char* text : answers) {
        ASSERT_TRUE(Choose(text));
    }
}

// The lift's indicator shows floor + 1.
std::string Indicator()
{
    return FindObject("O_lift_num").ResAnimName;
}

// Pulls the rope in the hall until the indicator shows the floor.
void PullRopeTo(const char* indicator)
{
    ASSERT_TRUE(TravelTo("SceneId_Hall"));
    for (int pulls = 0; pulls < 3 && Indicator() != indicator; ++pulls) {
        ASSERT_TRUE(Click("O_bar_corde"));
    }
    ASSERT_EQ(Indicator(), indicator);
}

// Takes the lift from the hall to the floor the indicator shows.
void RideUp(const char* indicator, const char* scene, const char* arrival)
{
    PullRopeTo(indicator);
    ASSERT_TRUE(Click("O_lift_fond_1"));
    ASSERT_EQ(CurrentScene(), scene);
    const Objet& p = FindObject(arrival);
    EXPECT_EQ(PersoAt().x, p.ptCurrent.x + p.ptHotSpot.x) << arrival;
    EXPECT_EQ(PersoAt().y, p.ptCurrent.y + p.ptHotSpot.y) << arrival;
    ExpectShown({"O_lift_arriere_3", "O_lift_fond_3", "O_lift_avant_3"},
                {"O_lift_arriere_1", "O_lift_fond_1", "O_lift_avant_1"});
}

// Takes the lift from a floor's door back down to the hall.
void RideDown(const char* door)
{
    ASSERT_TRUE(Click(door));
    ASSERT_EQ(CurrentScene(), "SceneId_Hall");
    ExpectShown({"O_lift_arriere_1", "O_lift_fond_1", "O_lift_avant_1"},
                {"O_lift_arriere_2", "O_lift_fond_2", "O_lift_avant_2", "O_lift_arriere_3",
                 "O_lift_fond_3", "O_lift_avant_3"});
}

// A full beer from the barman (after the first talk he only hands it over).
void FetchBeer()
{
    ASSERT_TRUE(TravelTo("S_Bar"));
    ASSERT_TRUE(Click("O_bar_serveur"));
    EXPECT_FALSE(IsInDialogue());
    EXPECT_EQ(LastLine("O_bar_serveur"), "RT_D_barman_5");
    ExpectShown({"O_panneau_biere_plein"});
}

void DrinkOnTheBalcony()
{
    FetchBeer();
    RideUp("R_lift_num_1", "S_balcon", "O_pt_balcon_droit");
    ASSERT_TRUE(Drag("O_panneau_biere_plein", "O_scout_balcon_wait"));
    ExpectShown({}, {"O_panneau_biere_plein"});
    EXPECT_EQ(LastLine("O_scout_balcon_wait"), "RT_D_scout_biere_7");
    RideDown("O_balcon_vers_hall");
}
}

// A quarter of a second per frame step: the character walks at its fastest
// (one picture change a frame) and the waits take few frames.
class GamePlaythrough : public GameTest {
protected:
    GamePlaythrough() : GameTest(250) {}
};

TEST_F(GamePlaythrough, FromTheTitleToTheEndOfTheMission)
{
    // The title screen leads to the intro, which runs inside the scene change.
    ASSERT_EQ(CurrentScene(), "SceneId_Depart");
    ASSERT_EQ(ExitOf("O_titre_jouer"), "S_Demo");
    uint32_t start = GetTicks();
    ASSERT_TRUE(Click("O_titre_jouer"));
    EXPECT_GE(GetTicks() - start, 78000u);
    EXPECT_LT(GetTicks() - start, 80000u);
    EXPECT_EQ(CurrentScene(), "S_Demo");
    EXPECT_EQ(LastLine("O_Demo_Texte"), "RT_TexteIntro_10");
    EXPECT_EQ(isCursorShown, 1);
    EXPECT_EQ(isPersoShown, 0);
    EXPECT_EQ(FindObject("O_ile").ResAnimName, std::string("R_Mouse_Click"));
    ExpectShown({}, {"O_prof", "O_photo_ile", "O_photo_kourou", "O_photo_martien", "O_fusee",
                     "O_meteorite", "O_cuvette_WC"});

    // The island leads to the beach, and the character comes back.
    ASSERT_TRUE(Click("O_ile"));
    ASSERT_EQ(CurrentScene(), "S_Plage");
    EXPECT_EQ(isPersoShown, 1);
    ASSERT_TRUE(Click("O_robinson"));
    EXPECT_EQ(LastLine("O_robinson"), "RT_Hello");

    // In front of the hotel: the dustbin lights up under the pointer; the peon walks off.
    ASSERT_TRUE(TravelTo("SceneId_Hotel"));
    ASSERT_TRUE(Hover("ObjectId_Truc2"));
    EXPECT_EQ(FindObject("ObjectId_Truc2").pFirstFrame, &FindRessource("ResId_Poubelle_over").frames);
    ASSERT_TRUE(Hover("O_texan"));
    EXPECT_EQ(FindObject("ObjectId_Truc2").pFirstFrame, &FindRessource("ResId_Poubelle").frames);
    ASSERT_TRUE(Click("O_peone_creuse"));
    ChooseInTurn({"RT_D_peone_1_2", "RT_D_peone_3_1", "RT_D_peone_5_1", "RT_D_peone_6_1", "RT_D_peone_7_1"});
    EXPECT_FALSE(IsInDialogue());
    ExpectShown({}, {"O_peone_creuse"});

    // The barman: the first talk, and the first beer.
    ASSERT_TRUE(TravelTo("S_Bar"));
    ASSERT_TRUE(Click("O_bar_serveur"));
    ChooseInTurn({"RT_D_barman_1_1"});
    EXPECT_FALSE(IsInDialogue());
    EXPECT_EQ(LastLine("O_bar_serveur"), "RT_D_barman_5");
    ExpectShown({"O_panneau_biere_plein"});

    // The room: the mattress and the drawer.
    RideUp("R_lift_num_2", "S_chambre", "O_pt_chambre_gauche");
    ASSERT_TRUE(Click("O_lit"));
    ExpectShown({"O_lit_sansMatelas", "O_panneau_matelas"}, {"O_lit"});
    ASSERT_TRUE(Click("O_tiroir_ferme"));
    ExpectShown({"O_titroir_ouvert", "O_titroir_capote", "O_titroir_playboy"});
    ASSERT_TRUE(Click("O_titroir_playboy"));
    ExpectShown({"O_panneau_playboy"}, {"O_titroir_playboy"});
    ASSERT_TRUE(Click("O_tiroir_ferme"));
    ExpectShown({}, {"O_titroir_ouvert", "O_titroir_capote", "O_titroir_playboy"});
    ASSERT_TRUE(Click("O_tiroir_ferme"));
    ExpectShown({"O_titroir_ouvert", "O_titroir_capote"}, {"O_titroir_playboy"});
    ASSERT_TRUE(Click("O_titroir_capote"));
    ExpectShown({"O_panneau_capote"}, {"O_titroir_capote"});
    RideDown("O_chambre_vers_hall");

    // The roof: the torch shows the parachutist; the mattress brings her down.
    RideUp("R_lift_num_3", "SceneId_Toit", "O_pt_toit_porte");
    ASSERT_TRUE(Click("O_lampePoche"));
    ExpectShown({"O_panneau_lampePoche", "O_parachutiste"}, {"O_lampePoche"});
    ASSERT_TRUE(Click("O_parachutiste"));
    ChooseInTurn({"RT_D_biond_parachute_1_3", "RT_D_biond_parachute_2_2", "RT_D_biond_parachute_4_1",
         "RT_D_biond_parachute_8_3"});
    EXPECT_FALSE(IsInDialogue());
    ExpectShown({"O_matelas", "O_parachute", "O_bar_biond"},
                {"O_panneau_matelas", "O_parachutiste", "O_parachutiste_tombe"});
    RideDown("ObjectId_Toit_VersHall");

    // The blonde at the bar gives the car key.
    ASSERT_TRUE(TravelTo("S_Bar"));
    ASSERT_TRUE(Click("O_bar_biond"));
    ChooseInTurn({"RT_D_biond_bar_1_1", "RT_D_biond_bar_2_2", "RT_D_biond_bar_6_1", "RT_D_biond_bar_10_1",
         "RT_D_biond_bar_18_1", "RT_D_biond_bar_21_1"});
    EXPECT_FALSE(IsInDialogue());
    ExpectShown({"O_panneau_clef_voiture"});

    // The scout on the balcony: one beer through the talk, three more dropped on him.
    RideUp("R_lift_num_1", "S_balcon", "O_pt_balcon_droit");
    ASSERT_TRUE(Click("O_scout_balcon_wait"));
    ChooseInTurn({"RT_D_scout_biere_1_2", "RT_D_scout_biere_2_1", "RT_D_scout_biere_3_1", "RT_D_scout_biere_5_2"});
    EXPECT_FALSE(IsInDialogue());
    ExpectShown({"O_scout_balcon_wait"}, {"O_panneau_biere_plein"});
    RideDown("O_balcon_vers_hall");
    DrinkOnTheBalcony();
    DrinkOnTheBalcony();
    ExpectShown({"O_scout_balcon_wait"}, {"O_WC_scout"});
    DrinkOnTheBalcony();
    ExpectShown({"O_WC_scout", "O_WC_mec_haut", "O_WC_mec_bas"}, {"O_scout_balcon_wait", "O_WC_periscope"});

    // The toilets: a key on the floor, and the scout talked back to the balcony.
    ASSERT_TRUE(TravelTo("S_WC"));
    ASSERT_TRUE(Click("O_clef_voiture"));
    ExpectShown({"O_panneau_clef_voiture"}, {"O_clef_voiture"});
    EXPECT_EQ(LastLine("ObjectId_Perso"), "RT_TrouveClef");
    ASSERT_TRUE(Click("O_WC_scout"));
    ChooseInTurn({"RT_D_scout_WC_1_1", "RT_D_scout_WC_2_2", "RT_D_scout_WC_4_1", "RT_D_scout_WC_5_1",
         "RT_D_scout_WC_6c_1"});
    EXPECT_FALSE(IsInDialogue());
    ExpectShown({"O_scout_balcon_pisse"}, {"O_WC_scout"});

    // The magazine fills the pool.
    RideUp("R_lift_num_1", "S_balcon", "O_pt_balcon_droit");
    ASSERT_TRUE(Drag("O_panneau_playboy", "O_scout_balcon_pisse"));
    ExpectShown({"O_scout_balcon_pisse_loin", "O_piscine_pleine"}, {"O_scout_balcon_pisse", "O_piscine_vide"});
    RideDown("O_balcon_vers_hall");

    // The beach: the car blows up, the bolt goes to Robinson, who leaves his rod and an oil stain.
    ASSERT_TRUE(TravelTo("S_Plage"));
    ASSERT_TRUE(Drag("O_panneau_clef_voiture", "O_voiture_arret"));
    ExpectShown({"O_voiture_crash", "O_tonneau_flotte", "O_boulon"},
                {"O_panneau_clef_voiture", "O_voiture_arret", "O_tonneau_arbre"});
    ASSERT_TRUE(Click("O_voiture_crash"));
    ASSERT_TRUE(Click("O_boulon"));
    ExpectShown({"O_pannel_boulon"}, {"O_boulon"});
    ASSERT_TRUE(Drag("O_pannel_boulon", "O_robinson"));
    EXPECT_EQ(LastLine("O_robinson"), "RT_UneVoiture");
    ExpectShown({"O_panneau_canne", "O_tache_huile"}, {"O_robinson", "O_voiture_crash"});
    ASSERT_TRUE(Click("O_tache_huile"));
    ExpectShown({"O_panneau_goutte_huile"});
    EXPECT_EQ(LastLine("ObjectId_Perso"), "RT_DeLHuile");

    // The cliff: the guard lets nobody pass until he goes fishing.
    ASSERT_TRUE(TravelTo("S_Falaise"));
    ASSERT_TRUE(Click("ObjectId_Treuil_VersAtelier"));
    EXPECT_EQ(CurrentScene(), "S_Falaise");
    EXPECT_EQ(LastLine("O_garde"), "RT_OnPassePas");
    ASSERT_TRUE(Click("O_garde"));
    ASSERT_TRUE(IsInDialogue());
    EXPECT_EQ(Offered(1), "RT_Hello");
    ASSERT_TRUE(ChooseSlot(2));
    EXPECT_FALSE(IsInDialogue());
    ASSERT_TRUE(Drag("O_panneau_canne", "O_garde"));
    ExpectShown({"O_pecheur", "O_seau"}, {"O_garde", "O_panneau_canne"});
    EXPECT_EQ(ExitOf("ObjectId_Treuil_VersAtelier"), "SceneId_Atelier");
    ASSERT_TRUE(Click("O_seau"));
    ExpectShown({"O_panneau_anguilles"});
    ASSERT_TRUE(Click("ObjectId_Treuil_VersAtelier"));
    ASSERT_EQ(CurrentScene(), "SceneId_Atelier");

    // The texan takes the oil drop for a sign, leaves, and the derrick appears.
    ASSERT_TRUE(TravelTo("SceneId_Hotel"));
    ASSERT_TRUE(Click("O_texan"));
    ASSERT_EQ(Offered(3), "RT_D_texan_1_3b");
    ChooseInTurn({"RT_D_texan_1_3b", "RT_D_texan_16_2"});
    EXPECT_FALSE(IsInDialogue());
    EXPECT_EQ(LastLine("O_texan"), "RT_D_texan_17");
    ExpectShown({"O_derrick"}, {"O_texan"});
    ASSERT_TRUE(Click("O_derrick"));
    EXPECT_EQ(isShaking, 1);

    // The village: the sorcerer opens the way into his hut.
    ASSERT_TRUE(TravelTo("S_Village"));
    ASSERT_TRUE(Click("O_village_vers_PC"));
    EXPECT_EQ(CurrentScene(), "S_Village");
    EXPECT_EQ(LastLine("O_sorcier"), "RT_village_pas_entrer");
    ASSERT_TRUE(Click("O_sorcier"));
    ChooseInTurn({"RT_D_Sorcier_1_2", "RT_D_Sorcier_3_2", "RT_D_Sorcier_6_1"});
    EXPECT_FALSE(IsInDialogue());
    EXPECT_EQ(ExitOf("O_village_vers_PC"), "S_PC");
    ASSERT_TRUE(Click("O_village_vers_PC"));
    ASSERT_EQ(CurrentScene(), "S_PC");

    // The panel's arrows scroll the inventory, never below the first item.
    ASSERT_TRUE(Click("O_Panneau_Droit"));
    EXPECT_EQ(panel.PanelScroll, 2);
    ASSERT_TRUE(Click("O_Panneau_Gauche"));
    ASSERT_TRUE(Click("O_Panneau_Gauche"));
    EXPECT_EQ(panel.PanelScroll, 1);

    // The computer ends the mission.
    ASSERT_TRUE(Click("Objet_Exit"));
    EXPECT_EQ(quitRequested, 1);
}
