// Entering a scene: the intro for "S_Demo" (a cut scene of about 78 seconds
// that runs inside the scene change), otherwise the character is shown.
#include <cstring>

#include "engine/script/hooks.h"
#include "engine/script/primitives.h"
#include "game/steps.h"

namespace {
const char* const kPhotos[] = {"O_prof", "O_photo_ile", "O_photo_kourou", "O_photo_martien"};
const char* const kResetObjects[] = {"O_Bver", "O_Fver", "O_Gver", "O_ile",
                                     "O_periscope", "O_cuvette_WC", "O_fusee", "O_meteorite"};

void SetSpeed(const char* object, int32_t x, int32_t y)
{
    FindObject(object).ptSpeed = {x, y};
}

void SetSpeedX(const char* object, int32_t x) { FindObject(object).ptSpeed.x = x; }
void SetSpeedY(const char* object, int32_t y) { FindObject(object).ptSpeed.y = y; }

// The couple meets, the suitor is thrown out by the toilet bowl, the rocket
// takes off and the meteorite falls on the island.
void PlayCutScene()
{
    PlaySoundRes("RS_Demo_intro");
    for (const char* name : kResetObjects) {
        FindObject(name).ResetPosition();
    }
    FindObject("O_sable").ptScrollSpeed.x = 4;
    SetSpeedX("O_periscope", -1);

    FindObject("O_Gver").MoveToObject("O_Demo_Pt_1", 6000);
    WaitMs(3000);

    FindObject("O_Bver").MoveToObjectOffset("O_Demo_Pt_2", 50, 0, 3000);
    FindObject("O_Fver").MoveToObject("O_Demo_Pt_2", 3000);
    WaitMs(3000);

    PlaySoundRes("RS_laser");
    FindObject("O_Gver").SetAnimName("R_Gver_coeur");
    FindObject("O_Gver").MoveToObjectOffset("O_Demo_Pt_2", -50, 0, 2400);
    WaitMs(1400);

    PlaySoundRes("RS_boing");
    SetSpeedY("O_cuvette_WC", -6);
    SetSpeedX("O_cuvette_WC", -3);
    Show("O_cuvette_WC");
    WaitMs(1000);

    FindObject("O_Gver").SetAnimName("R_Gver_bizou");
    FindObject("O_Gver").MoveToObjectOffset("O_Demo_Pt_2", 0, 0, 500);
    WaitMs(500);

    PlaySoundRes("RS_smack");
    FindObject("O_Fver").SetAnimName("R_Fver_surprise");
    FindObject("O_Gver").SayText("RT_bizou", 500, 1);
    FindObject("O_Gver").MoveToObject("O_Demo_Pt_3", 100);
    WaitMs(750);

    FindObject("O_Fver").SetAnimName("R_Fver_heureuse");
    FindObject("O_Gver").SetAnimName("R_Gver_vole");
    WaitMs(1000);

    SetSpeedY("O_cuvette_WC", 0);
    Hide("O_cuvette_WC");
    PlaySoundRes("RS_revolver");
    FindObject("O_Bver").SetAnimName("R_Bver_vole");
    FindObject("O_Bver").MoveToObject("O_Demo_Pt_3", 500);
    WaitMs(100);

    FindObject("O_sable").ptScrollSpeed.x = 8;
    FindObject("O_Bver").MoveToObject("O_Demo_Pt_4", 5000);
    FindObject("O_Gver").MoveToObjectOffset("O_Demo_Pt_4", 150, 0, 5000);
    FindObject("O_Fver").MoveToObjectOffset("O_Demo_Pt_4", -300, 0, 5000);
    WaitMs(1000);

    PlaySoundRes("RS_explosion");
    SetSpeed("O_fusee", 3, -3);
    Show("O_fusee");
    WaitMs(4000);

    SetSpeedX("O_Fver", 0);
    SetSpeedX("O_Bver", 0);
    SetSpeedX("O_Gver", 0);
    SetSpeedY("O_Gver", -1);
    WaitMs(400);
    SetSpeedY("O_Bver", -1);
    WaitMs(2000);

    SetSpeed("O_fusee", 0, 0);
    Hide("O_fusee");
    SetSpeedY("O_Gver", 1);
    WaitMs(400);
    PlaySoundRes("RS_bris_verre");
    SetSpeedY("O_Bver", 1);
    WaitMs(2000);

    FindObject("O_meteorite").MoveToObjectOffset("O_ile", 25, 0, 2500);
    Show("O_meteorite");
    SetSpeedY("O_Bver", 0);
    SetSpeedY("O_Gver", 0);
    WaitMs(2500);

    SetSpeed("O_meteorite", 0, 0);
    Hide("O_meteorite");
    PlaySoundRes("RS_explosion");
    StartShake();
    WaitMs(5000);
}

// One page of the story: its text, what it shows or hides, how long it stays alone.
struct StoryPage {
    const char* text;
    const char* show[2];
    const char* hide[1];
    uint32_t waitMs;
};

const StoryPage kStory[] = {
    {"RT_TexteIntro_1", {"O_prof", "O_photo_ile"}, {nullptr}, 5000},
    {"RT_TexteIntro_2", {nullptr, nullptr}, {nullptr}, 5000},
    {"RT_TexteIntro_3", {nullptr, nullptr}, {nullptr}, 5000},
    {"RT_TexteIntro_4", {"O_photo_kourou", nullptr}, {"O_photo_ile"}, 5000},
    {"RT_TexteIntro_5", {nullptr, nullptr}, {nullptr}, 5000},
    {"RT_TexteIntro_6", {"O_photo_martien", nullptr}, {"O_photo_kourou"}, 5000},
    {"RT_TexteIntro_7", {nullptr, nullptr}, {nullptr}, 5000},
    {"RT_TexteIntro_8", {nullptr, nullptr}, {nullptr}, 6000},
    {"RT_TexteIntro_9", {nullptr, nullptr}, {nullptr}, 6000},
    {"RT_TexteIntro_10", {nullptr, nullptr}, {nullptr}, 3000},
};

void TellStory()
{
    PlayCDTrack(1);
    for (const StoryPage& page : kStory) {
        FindObject("O_Demo_Texte").SayText(page.text, 10000, 1);
        for (const char* name : page.hide) {
            if (name != nullptr) {
                Hide(name);
            }
        }
        for (const char* name : page.show) {
            if (name != nullptr) {
                Show(name);
            }
        }
        WaitMs(page.waitMs);
    }
}

void PlayIntro()
{
    HideCursor();
    HidePerso();
    PlayCDTrack(0);
    for (const char* name : kPhotos) {
        Hide(name);
    }
    PlayCutScene();
    TellStory();
    for (const char* name : kPhotos) {
        Hide(name);
    }
    FindObject("O_ile").SetAnim("R_Mouse_Click");
    ShowCursor();
}
}

void OnSceneEnter(const char* sceneName)
{
    if (sceneName != nullptr && std::strcmp(sceneName, "S_Demo") == 0) {
        PlayIntro();
    } else {
        ShowPerso();
    }
}
