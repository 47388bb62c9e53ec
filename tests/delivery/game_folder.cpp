#include "game_folder.h"

#include <filesystem>

#include "engine/archive/loose_file.h"
#include "engine/archive/archive.h"
#include "engine/archive/file_paths.h"
#include "engine/config/config_reader.h"
#include "engine/world/world.h"
#include "support/test_env.h"

namespace fs = std::filesystem;

const char kFixtureConfig[] =
    "\n[Scenes]\nNbScenes=2\n"
    "\n[Scene1]\nName=S_Hall\nScalePerso=0.750\n"
    "\n[Scene2]\nName=S_Cave\nScalePerso=1.000\n"
    "\n[Objets]\nNbObjets=2\n"
    "\n[Objet1]\nName=O_porte\nAffName=RT_porte\nResAnimName=R_porte\n"
    "ptCoord.x=120\nptCoord.y=200\nptSize.x=40\nptSize.y=80\nptHotSpot.x=20\nptHotSpot.y=80\n"
    "ptText.x=5\nptText.y=-30\nSceneName=S_Hall\nSceneSuivanteName=S_Cave\n"
    "SceneSuivantePoint=O_entree\nisClickable=1\nisAfficher=1\nisZoneDep=0\nisDragAndDrop=0\n"
    "\n[Objet2]\nName=O_entree\nAffName=\nResAnimName=R_fond\n"
    "ptCoord.x=-4\nptCoord.y=0\nptSize.x=0\nptSize.y=0\nptHotSpot.x=300\nptHotSpot.y=400\n"
    "ptText.x=0\nptText.y=-20\nSceneName=S_Cave\nSceneSuivanteName=\n"
    "SceneSuivantePoint=\nisClickable=0\nisAfficher=0\nisZoneDep=1\nisDragAndDrop=1\n"
    "\n[Ressources]\nNbRessources=7\n"
    "\n[Ressource1]\nName=R_porte\ntype=Anim\n"
    "filePath0=img\\porte1.bmp\ntempo0=100\nfilePath1=img\\porte2.bmp\ntempo1=150\nnbAnim=2\n"
    "\n[Ressource2]\nName=R_porte_bis\ntype=Anim\nfilePath0=img\\porte1.bmp\ntempo0=50\nnbAnim=1\n"
    "\n[Ressource3]\nName=R_fond\ntype=Bmp\nfilePath=img\\fond.bmp\n"
    "\n[Ressource4]\nName=RS_porte\ntype=Wav\nfilePath=snd\\porte.wav\n"
    "\n[Ressource5]\nName=RS_theme\ntype=Mid\nfilePath=snd\\theme.mid\n"
    "\n[Ressource6]\nName=RT_porte\ntype=Text\ntextBuf=Une porte \xe9trange\n"
    "textBufEng=A strange door\n"
    "\n[Ressource7]\nName=RA_piste\ntype=PisteCD\n";

namespace {
// Distinct binary bytes: NUL, CR LF and 0x1A included, so text-mode copies show.
std::string Bytes(const std::string& tag, int length)
{
    std::string s = tag;
    for (int i = 0; static_cast<int>(s.size()) < length; ++i) {
        s.push_back(static_cast<char>((i * 7 + static_cast<int>(tag.size())) & 0xFF));
    }
    s += std::string("\r\n\0\x1a", 4);
    return s;
}

void WriteNative(const std::string& windowsPath, const std::string& bytes)
{
    const fs::path native = NativePath(windowsPath);
    fs::create_directories(native.parent_path());
    WriteFile(native.string(), bytes);
}
}

const std::map<std::string, std::string>& FixtureMedia()
{
    static const std::map<std::string, std::string> media = {
        {"img\\porte1.bmp", Bytes("BM porte1", 1500)},
        {"img\\porte2.bmp", Bytes("BM porte2", 2100)},
        {"img\\fond.bmp", Bytes("BM fond", 3000)},
        {"snd\\porte.wav", Bytes("RIFF porte", 900)},
        {"snd\\theme.mid", Bytes("MThd", 40)},
    };
    return media;
}

void MakeGameFolder()
{
    WriteFile("vorlane.dat", kFixtureConfig);
    for (const auto& [path, bytes] : FixtureMedia()) {
        WriteNative(path, bytes);
    }
    WriteFile("go_fenetre.sh", "#!/bin/sh\necho fenetre\n");
    WriteFile("go_fullscreen.sh", "#!/bin/sh\necho plein ecran\n");
    for (const char* script : {"go_fenetre.sh", "go_fullscreen.sh"}) {
        fs::permissions(script, fs::perms::owner_exec, fs::perm_options::add);
    }
    WriteNative("cd\\track01.mp3", Bytes("ID3 un", 700));
    WriteNative("cd\\track02.mp3", Bytes("ID3 deux", 800));
}

std::string ReadGameFile(const std::string& windowsPath)
{
    return ReadFile(NativePath(windowsPath));
}

void ResetWorld()
{
    ClearScenes();
    ClearObjets();
    ClearRessources();
}

void LoadGameFolder()
{
    ResetWorld();
    CloseArchive();  // the configuration comes from the loose file
    M_loadConfig("vorlane.dat");
}

std::string Cwd()
{
    return (fs::current_path() / "").string();
}
