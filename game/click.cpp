// The click hook: an exit changes the scene; any other object is looked up in
// the click table, row after row.
#include "engine/script/hooks.h"
#include "engine/script/primitives.h"
#include "game/conversation.h"
#include "game/flags.h"
#include "game/lift.h"
#include "game/steps.h"

namespace {
// The scene behind an exit, with the character on the exit's arrival point
// when that point is set (both coordinates non-zero).
void TakeExit(const Objet& exit)
{
    ChangeScene(exit.SceneSuivanteName);
    if (exit.SceneSuivantePoint[0] == '\0') {
        return;
    }
    Point p = FindObject(exit.SceneSuivantePoint).ptCurrent;
    if (p.x != 0 && p.y != 0) {
        PlacePerso(p.x, p.y);
        SetWalkTarget(p.x, p.y);
    }
}

// Whatever the player answers the guard, he has nothing more to say.
void GuardCallback(int32_t)
{
    EndDialogue();
}

void TalkToGuard(Objet& guard)
{
    PlaySoundRes("RS_PassePas");
    guard.SayText("RT_OnPassePas", 2000, 1);
    BeginDialogue();
    SetChoices("RT_Hello", "RS_Hello", "RT_Hello", "RS_Hello", "RT_Hello", "RS_Hello", GuardCallback);
}

// The wreck's sound, played alternately as a resource and as a file.
void KickWreck(Objet&)
{
    if (gameFlags.crashToggle != 0) {
        PlaySoundRes("RS_Prout");
        gameFlags.crashToggle = 0;
    } else {
        PlaySoundFile("RS_Prout");
        gameFlags.crashToggle = 1;
    }
}

void TakeMattress(Objet&)
{
    if (gameFlags.mattressTaken != 0) {
        return;
    }
    Show("O_lit_sansMatelas");
    Show("O_panneau_matelas");
    Hide("O_lit");
    gameFlags.mattressTaken = 1;
}

void ToggleDrawer(Objet&)
{
    if (gameFlags.drawerOpen != 0) {
        Hide("O_titroir_ouvert");
        Hide("O_titroir_capote");
        Hide("O_titroir_playboy");
        gameFlags.drawerOpen = 0;
        return;
    }
    Show("O_titroir_ouvert");
    if (gameFlags.capoteTaken == 0) {
        Show("O_titroir_capote");
    }
    if (gameFlags.playboyTaken == 0) {
        Show("O_titroir_playboy");
    }
    gameFlags.drawerOpen = 1;
}

struct ClickRow {
    const char* name;
    void (*action)(Objet& clicked);
};

const ClickRow kClickRows[] = {
    {"O_Panneau_Gauche", [](Objet&) { if (panel.PanelScroll > 1) panel.PanelScroll -= 1; }},
    {"O_Panneau_Droit", [](Objet&) { panel.PanelScroll += 1; }},
    {"Objet_Exit", [](Objet&) { QuitGame(); }},
    {"O_village_vers_PC", [](Objet&) { Say("O_sorcier", "RT_village_pas_entrer"); }},
    {"O_bar_corde", [](Objet&) { PullLiftRope(); }},
    {"O_lift_fond_1", [](Objet&) { RideLiftUp(); }},
    {"ObjectId_Toit_VersHall", [](Objet&) { WalkTo("O_pt_toit_porte"); RideLiftDown(); }},
    {"O_chambre_vers_hall", [](Objet&) { WalkTo("O_pt_chambre_porte"); RideLiftDown(); }},
    {"O_balcon_vers_hall", [](Objet&) { WalkTo("O_pt_balcon_porte"); RideLiftDown(); }},
    {"O_clef_voiture", [](Objet&) {
         Hide("O_clef_voiture");
         Show("O_panneau_clef_voiture");
         Say("ObjectId_Perso", "RT_TrouveClef");
     }},
    {"O_sorcier", [](Objet&) { StartConversation(kSorcier); }},
    {"O_parachutiste", [](Objet&) { StartConversation(kBiondParachute); }},
    {"O_bar_serveur", [](Objet&) { gameFlags.barmanMet = 1; StartBarmanConversation(); }},
    {"O_bar_biond", [](Objet&) { StartConversation(kBiondBar); }},
    {"O_peone_creuse", [](Objet&) { StartConversation(kPeone); }},
    {"O_scout_balcon_wait", [](Objet&) { StartConversation(kScoutBiere); }},
    {"O_WC_scout", [](Objet&) { StartConversation(kScoutWC); }},
    {"O_voiture_crash", KickWreck},
    {"O_lit", TakeMattress},
    {"O_tiroir_ferme", ToggleDrawer},
    {"O_titroir_capote", [](Objet&) {
         gameFlags.capoteTaken = 1;
         Hide("O_titroir_capote");
         Show("O_panneau_capote");
     }},
    {"O_titroir_playboy", [](Objet&) {
         gameFlags.playboyTaken = 1;
         Hide("O_titroir_playboy");
         Show("O_panneau_playboy");
     }},
    {"O_lampePoche", [](Objet&) {
         Hide("O_lampePoche");
         Show("O_panneau_lampePoche");
         Show("O_parachutiste");
     }},
    {"O_robinson", [](Objet& o) {
         PlaySoundRes("RS_boujour_voiture");
         o.SayText("RT_Hello", 2000, 1);
     }},
    {"O_tache_huile", [](Objet&) {
         Say("ObjectId_Perso", "RT_DeLHuile");
         Show("O_panneau_goutte_huile");
     }},
    {"O_boulon", [](Objet&) { Show("O_pannel_boulon"); Hide("O_boulon"); }},
    {"O_texan", [](Objet&) { StartConversation(kTexan); }},
    {"O_derrick", [](Objet&) { StartShake(); }},
    {"O_garde", TalkToGuard},
    {"ObjectId_Treuil_VersAtelier", [](Objet&) {
         PlaySoundRes("RS_PassePas");
         Say("O_garde", "RT_OnPassePas");
     }},
    {"O_seau", [](Objet&) { Show("O_panneau_anguilles"); }},
};
}

void OnClickObject(int32_t object)
{
    if (!IsObjectIndex(object)) {
        return;
    }
    Objet& clicked = World.objets[object];
    if (clicked.HasNextScene()) {
        TakeExit(clicked);
        return;
    }
    for (const ClickRow& row : kClickRows) {
        if (clicked.IsNamed(row.name)) {
            row.action(clicked);
        }
    }
}
