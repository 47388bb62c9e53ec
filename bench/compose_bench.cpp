// Composing a busy frame (a hundred objects, the open panel with its items,
// ten boxed texts, the cursor and the character, scaled or not) beside a
// floor that does the same fill and blits with bare SDL calls.
#include <SDL.h>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "engine/core/clock.h"
#include "engine/core/frame.h"
#include "engine/core/input.h"
#include "engine/core/walk.h"
#include "engine/render/screen.h"
#include "engine/render/text.h"
#include "engine/script/bound_names.h"
#include "engine/world/world.h"

namespace {
constexpr int kSceneObjects = 100;
constexpr int kTexts = 10;

// Saves a w x h picture of one colour (magenta left in a corner, to be keyed).
void SavePicture(const std::string& path, int w, int h, Uint8 r, Uint8 g, Uint8 b)
{
    SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 24, 0xFF0000, 0xFF00, 0xFF, 0);
    SDL_FillRect(s, nullptr, SDL_MapRGB(s->format, r, g, b));
    SDL_Rect corner = {0, 0, static_cast<Uint16>(w / 4), static_cast<Uint16>(h / 4)};
    SDL_FillRect(s, &corner, SDL_MapRGB(s->format, 255, 0, 255));
    SDL_SaveBMP(s, path.c_str());
    SDL_FreeSurface(s);
}

ObjetConfig Object(const char* name, const char* res, const char* scene, Point at, Point hotSpot)
{
    ObjetConfig c = {};
    c.name = name;
    c.affName = "";
    c.resAnimName = res;
    c.sceneName = scene;
    c.sceneSuivanteName = "";
    c.sceneSuivantePoint = "";
    c.coord = at;
    c.text = {0, -20};
    c.hotSpot = hotSpot;
    c.isClickable = 1;
    c.isAfficher = 1;
    return c;
}

// The busy world, loaded once: pictures in a scratch folder, tables filled.
void BuildWorld()
{
    static bool built = false;
    if (built) {
        return;
    }
    built = true;
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    SDL_Init(SDL_INIT_VIDEO);
    screen.InitVideo(kScreenWidth, kScreenHeight, 16, 0x80000000u);
    char pattern[] = "/tmp/vorlane_bench_XXXXXX";
    std::string dir = mkdtemp(pattern);
    auto pic = [&](const char* name) { return dir + "/" + name + ".bmp"; };
    SavePicture(pic("back"), 640, 480, 20, 40, 90);
    SavePicture(pic("thing"), 48, 48, 200, 120, 40);
    SavePicture(pic("perso"), 60, 120, 220, 30, 30);
    SavePicture(pic("panel"), 640, 80, 120, 120, 120);
    SavePicture(pic("item"), 40, 40, 250, 250, 0);
    SavePicture(pic("mouse"), 12, 12, 255, 255, 255);
    SavePicture(pic("glyph"), 8, 14, 0, 0, 0);

    ClearScenes();
    AddScene("S_Room", 0.75f);
    ClearRessources();
    AddRessourceBmp("R_Back", pic("back").c_str());
    AddRessourceBmp("R_Thing", pic("thing").c_str());
    AddRessourceBmp("R_Perso", pic("perso").c_str());
    AddRessourceBmp("R_Panel", pic("panel").c_str());
    AddRessourceBmp("R_Item", pic("item").c_str());
    AddRessourceBmp("R_Mouse", pic("mouse").c_str());
    AddRessourceAnim("R_Font");
    for (int c = 0; c < 128; ++c) {
        SetRessourceFrame("R_Font", c, c > ' ' ? pic("glyph").c_str() : "", 0);
    }
    AddRessourceText("T_Line", "Une ligne de texte/sur deux lignes", "A line of some text/on two lines");

    ClearObjets();
    AddObjet(Object("O_Back", "R_Back", "S_Room", {0, 0}, {0, 0}));
    std::vector<std::string> names;
    for (int i = 0; i < kSceneObjects; ++i) {
        names.push_back("O_Thing" + std::to_string(i));
    }
    for (int i = 0; i < kSceneObjects; ++i) {
        Point at = {(i * 53) % 600, 40 + (i * 37) % 380};
        AddObjet(Object(names[i].c_str(), "R_Thing", "S_Room", at, {24, 48}));
    }
    AddObjet(Object("O_Perso", "R_Perso", "S_Perso", {300, 250}, {30, 120}));
    AddObjet(Object("O_Mouse", "R_Mouse", "S_None", {0, 0}, {0, 0}));
    AddObjet(Object("O_PanelSource", "R_Panel", "S_None", {0, 400}, {0, 0}));
    for (const char* item : {"O_Item1", "O_Item2", "O_Item3", "O_Item4"}) {
        AddObjet(Object(item, "R_Item", "S_Panel", {0, 0}, {0, 0}));
    }

    SetPersoScene("S_Perso");
    SetPanelScene("S_Panel");
    SetDialogueScene("S_Dialogue");
    SetFontRes("R_Font");
    SetMouseObject("O_Mouse");
    SetPersoObject("O_Perso");
    SetWalkIdleRes("R_Perso");
    UseSteppingClock(1000, 16);
    ChangeScene("S_Room");
    PreparePanel(FindObject("O_PanelSource"));
    InitPanel(0, kScreenHeight);
    panel.obj.ptCurrent.y = panel.yShown;
    panel.nPanelState = 2;
    SetWalkTargetAt("O_Perso");
    mouse.ptMouse = {320, 240};
    for (int i = 0; i < kTexts; ++i) {
        SetTextSlot("T_Line", 20 + (i % 2) * 300, 20 + (i / 2) * 70, 0xFFFFFFF0u, 0, 1);
    }
    ComposeFrame();  // loads every picture
    ComposeFrame();
}

struct Blit {
    SDL_Surface* surface;
    SDL_Rect at;
};

SDL_Surface* SurfaceOf(const Objet& o)
{
    return o.pCurFrame != nullptr ? static_cast<SDL_Surface*>(o.pCurFrame->surface) : nullptr;
}

void AddBlit(std::vector<Blit>* blits, const Objet& o)
{
    if (SurfaceOf(o) != nullptr) {
        blits->push_back({SurfaceOf(o), {static_cast<Sint16>(o.ptCurrent.x),
                                         static_cast<Sint16>(o.ptCurrent.y), 0, 0}});
    }
}

// The floor's blits: what the composed frame puts on the screen, each picture
// already loaded and converted, the character unscaled.
std::vector<Blit> FloorBlits()
{
    std::vector<Blit> blits;
    for (int k = 0; k < nDrawCount; ++k) {
        AddBlit(&blits, World.objets[aDrawList[k]]);
    }
    AddBlit(&blits, panel.obj);
    for (int k = 0; k < nPanelItemCount; ++k) {
        AddBlit(&blits, World.objets[aPanelItemList[k]]);
    }
    SDL_Surface* glyph = static_cast<SDL_Surface*>(ImageAt(&FindRessource("R_Font").frames, 'a')->surface);
    for (int i = 1; i <= kTexts; ++i) {
        const char* text = FindRessource("T_Line").GetText();
        for (int c = 0; text[c] != '\0'; ++c) {
            blits.push_back({glyph, {static_cast<Sint16>(textSlots[i].x + 8 * c),
                                     static_cast<Sint16>(textSlots[i].y), 0, 0}});
        }
    }
    AddBlit(&blits, FindObject("O_Mouse"));
    return blits;
}

void BM_ComposeBusyFrame(benchmark::State& state)
{
    BuildWorld();
    FindObject("O_Perso").fScale = state.range(0) != 0 ? 0.75f : 0.0f;
    for (auto _ : state) {
        ComposeFrame();
        benchmark::ClobberMemory();
    }
    state.counters["objects"] = nDrawCount;
}
BENCHMARK(BM_ComposeBusyFrame)->ArgName("scaled")->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

void BM_ComposeFloorBareSdl(benchmark::State& state)
{
    BuildWorld();
    SDL_Surface* fond = static_cast<SDL_Surface*>(screen.fond);
    std::vector<Blit> blits = FloorBlits();
    for (auto _ : state) {
        SDL_FillRect(fond, nullptr, 255);
        for (Blit& b : blits) {
            SDL_Rect at = b.at;
            SDL_BlitSurface(b.surface, nullptr, fond, &at);
        }
        for (int i = 1; i <= kTexts; ++i) {
            SDL_Rect box = {static_cast<Sint16>(textSlots[i].x), static_cast<Sint16>(textSlots[i].y),
                            200, 40};
            SDL_FillRect(fond, &box, 0);
            SDL_FillRect(fond, &box, 0xFFFF);
        }
        benchmark::ClobberMemory();
    }
    state.counters["blits"] = static_cast<double>(blits.size());
}
BENCHMARK(BM_ComposeFloorBareSdl)->Unit(benchmark::kMicrosecond);
}
