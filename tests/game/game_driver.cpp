#include "game_driver.h"

#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <iterator>
#include <map>
#include <queue>
#include <vector>

#include "engine/core/clock.h"
#include "engine/core/frame.h"
#include "engine/core/input.h"
#include "engine/core/startup.h"
#include "engine/render/text.h"
#include "engine/script/primitives.h"
#include "engine/script/bound_names.h"
#include "game/flags.h"
#include "support/test_env.h"

using ::testing::AssertionFailure;
using ::testing::AssertionResult;
using ::testing::AssertionSuccess;

namespace {
// The objects whose lines the tests read.
const char* const kWatched[] = {
    "ObjectId_Perso", "O_paneau_select_1", "O_paneau_select_2", "O_paneau_select_3",
    "O_bar_serveur", "O_parachutiste", "O_peone_creuse", "O_scout_balcon_wait", "O_WC_scout",
    "O_sorcier", "O_texan", "O_garde", "O_robinson", "O_Demo_Texte",
};
}

void GameTest::SetUp()
{
    StartTestScreen(true);  // the game's default: a window
    const char* bin = std::getenv("VORLANE_BINARY_DIR");
    ASSERT_NE(bin, nullptr) << "VORLANE_BINARY_DIR is not set";
    std::string dir = std::string(bin) + "/game";
    ASSERT_EQ(chdir(dir.c_str()), 0) << "no game data set in " << dir;
    ASSERT_EQ(access("vorlane.dat", R_OK), 0) << "no vorlane.dat in " << dir;
    // Time only moves forward, also from one test to the next in the same
    // process; the frame clock starts afresh, as at the program's start.
    UseSteppingClock(GetTicks(), frameMs_);
    frameClock = FrameClock{GetTicks(), 0, 0, 1};
    gameFlags = GameFlags{};
    EndDialogue();
    for (int32_t slot = 1; slot < kTextSlotCount; ++slot) {
        ClearTextSlot(slot);
    }
    mouse = MouseState{};
    ShowCursor();
    ShowPerso();
    quitRequested = 0;
    DoInit("vorlane.dat");
    // An object keeps the slot of its first text, and an expired slot goes to
    // the next object that speaks for the first time, so two objects can share
    // one. The watched objects get slots of their own, at the top of the table,
    // which first-free searches from slot 1 up do not reach.
    int32_t slot = kTextSlotCount - 1;
    for (const char* name : kWatched) {
        FindObject(name).nTextSlot = slot--;
    }
    Frames(1);
}

void Frames(int n)
{
    for (int i = 0; i < n; ++i) {
        DoFrame();
    }
}

namespace {
// Moves the pointer to the bottom edge until the sliding panel is open.
void OpenPanel()
{
    OnMouseMove(320, 478, 0);
    for (int i = 0; i < 200 && panel.nPanelState != 2; ++i) {
        Frames(1);
    }
    Frames(1);  // lay the items out on the open panel
}

// A point of the object's box where the hit test finds this very object:
// the centre when possible, else the first point of a grid over the box.
bool PointOn(int32_t index, Point* at)
{
    const Objet& o = World.objets[index];
    int32_t w = o.pFirstFrame != nullptr ? o.pFirstFrame->rect.right : o.ptSize.x;
    int32_t h = o.pFirstFrame != nullptr ? o.pFirstFrame->rect.bottom : o.ptSize.y;
    std::vector<Point> candidates = {{o.ptCurrent.x + w / 2, o.ptCurrent.y + h / 2}};
    for (int32_t dy = 0; dy <= h; dy += 3) {
        for (int32_t dx = 0; dx <= w; dx += 3) {
            candidates.push_back({o.ptCurrent.x + dx, o.ptCurrent.y + dy});
        }
    }
    for (Point p : candidates) {
        if (p.x >= 0 && p.x < 640 && p.y >= 0 && p.y < 480 && HitTest(p.x, p.y) == index) {
            *at = p;
            return true;
        }
    }
    return false;
}

// A point to press the named object at, opening the panel for an item.
AssertionResult Locate(const char* name, Point* at)
{
    int32_t index = FindObjectIndex(name);
    if (index == 0) {
        return AssertionFailure() << "no object " << name;
    }
    const Objet& o = World.objets[index];
    if (o.IsInScene(specialNames.PanelScene)) {
        OpenPanel();
    } else if (!(IsInDialogue() && o.IsInScene(specialNames.DialogueScene))) {
        Frames(1);  // scene objects are hit through the draw list of the last frame
    }
    if (!PointOn(index, at)) {
        return AssertionFailure() << name << " cannot be pointed at in scene " << CurrentScene();
    }
    return AssertionSuccess();
}
}

// Pointing at the object, then pressing and releasing the button there.
AssertionResult Click(const char* name)
{
    AssertionResult pointed = Hover(name);
    if (pointed) {
        OnMouseDown(mouse.ptMouse.x, mouse.ptMouse.y);
        OnMouseUp(mouse.ptMouse.x, mouse.ptMouse.y);
    }
    return pointed;
}

AssertionResult Drag(const char* item, const char* target)
{
    Point p{};
    AssertionResult found = Locate(item, &p);
    if (!found) {
        return found;
    }
    OnMouseMove(p.x, p.y, 0);
    OnMouseDown(p.x, p.y);
    int32_t to = FindObjectIndex(target);
    Point q{};
    if (to == 0 || !PointOn(to, &q)) {
        OnMouseUp(p.x, p.y);
        return AssertionFailure() << "cannot drop on " << target << " in scene " << CurrentScene();
    }
    OnMouseMove(q.x, q.y, 1);
    OnMouseUp(q.x, q.y);
    return AssertionSuccess();
}

AssertionResult Hover(const char* name)
{
    Point p{};
    AssertionResult found = Locate(name, &p);
    if (found) {
        OnMouseMove(p.x, p.y, 0);
    }
    return found;
}

AssertionResult ChooseSlot(int k)
{
    if (!IsInDialogue()) {
        return AssertionFailure() << "no dialogue to answer";
    }
    const char* choices[] = {specialNames.ChoiceObject1, specialNames.ChoiceObject2,
                             specialNames.ChoiceObject3};
    return Click(choices[k - 1]);
}

std::string Offered(int k)
{
    const char* texts[] = {dialogue.text1, dialogue.text2, dialogue.text3};
    return texts[k - 1];
}

AssertionResult Choose(const char* text)
{
    for (int k = 1; k <= 3; ++k) {
        if (IsInDialogue() && Offered(k) == text) {
            return ChooseSlot(k);
        }
    }
    return AssertionFailure() << "no answer " << text << " offered (" << Offered(1) << ", "
                              << Offered(2) << ", " << Offered(3) << ")";
}

AssertionResult TravelTo(const char* scene)
{
    // Shortest way through the exits that can be clicked now.
    std::map<std::string, std::pair<std::string, std::string>> cameFrom;  // scene -> (scene, exit)
    std::queue<std::string> open;
    open.push(CurrentScene());
    cameFrom[CurrentScene()] = {"", ""};
    while (!open.empty() && cameFrom.count(scene) == 0) {
        std::string here = open.front();
        open.pop();
        for (int32_t i = 1; i < World.objetCount; ++i) {
            const Objet& o = World.objets[i];
            std::string next = o.SceneSuivanteName;
            bool intro = next == "S_Demo" && std::strcmp(scene, "S_Demo") != 0;
            if (o.IsInScene(here.c_str()) && o.HasNextScene() && o.isAfficher != 0 &&
                o.isClickable != 0 && !intro && cameFrom.count(next) == 0) {
                cameFrom[next] = {here, o.Name};
                open.push(next);
            }
        }
    }
    if (cameFrom.count(scene) == 0) {
        return AssertionFailure() << "no way from " << CurrentScene() << " to " << scene;
    }
    std::vector<std::string> exits;
    for (std::string s = scene; !cameFrom[s].first.empty(); s = cameFrom[s].first) {
        exits.insert(exits.begin(), cameFrom[s].second);
    }
    for (const std::string& exit : exits) {
        AssertionResult clicked = Click(exit.c_str());
        if (!clicked) {
            return clicked;
        }
    }
    if (CurrentScene() != scene) {
        return AssertionFailure() << "ended in " << CurrentScene() << " instead of " << scene;
    }
    return AssertionSuccess();
}

std::string CurrentScene()
{
    return GetCurrentSceneName();
}

bool Shown(const char* name)
{
    return FindObject(name).isAfficher != 0;
}

std::string ExitOf(const char* name)
{
    return FindObject(name).SceneSuivanteName;
}

std::string LastLine(const char* name)
{
    const Objet& o = FindObject(name);
    if (o.nTextSlot < kTextSlotCount - static_cast<int32_t>(std::size(kWatched)) ||
        o.nTextSlot >= kTextSlotCount) {
        ADD_FAILURE() << name << " has no text slot of its own";
        return "";
    }
    int32_t text = textSlots[o.nTextSlot].text;
    return text > 0 && text < World.ressourceCount ? World.ressources[text].Name : "";
}

Point PersoAt()
{
    const Objet& p = FindObject(specialNames.PersoObject);
    Point hot = p.ptHotSpot;
    if (p.fScale != 0.0f) {
        hot = {static_cast<int32_t>(hot.x * p.fScale), static_cast<int32_t>(hot.y * p.fScale)};
    }
    return {p.ptCurrent.x + hot.x, p.ptCurrent.y + hot.y};
}
