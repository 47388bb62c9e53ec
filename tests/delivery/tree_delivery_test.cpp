#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "engine/archive/loose_file.h"
#include "engine/archive/archive.h"
#include "engine/archive/delivery.h"
#include "engine/archive/file_paths.h"
#include "engine/core/platform_names.h"
#include "engine/world/world.h"
#include "game_folder.h"
#include "support/test_env.h"

namespace fs = std::filesystem;

namespace {
class Tree : public ::testing::Test {
protected:
    void SetUp() override
    {
        MakeScratchDir();
        MakeGameFolder();
        LoadGameFolder();
    }
};

// The copy line the list records for name delivered into directory.
std::string CopyLine(const std::string& directory, const std::string& name)
{
    const std::string source = name == kProgramFileName ? ProgramFolder() : Cwd();
    return "copy " + source + "\\" + name + " " + directory + name + "\n";
}

std::string BaseLines(const std::string& dir)
{
    return CopyLine(dir, kProgramFileName) + CopyLine(dir, "vorlane.dat") +
           CopyLine(dir, "go_fenetre.sh") + CopyLine(dir, "go_fullscreen.sh") +
           CopyLine(dir, "cd\\track01.mp3") + CopyLine(dir, "cd\\track02.mp3");
}
}

TEST_F(Tree, ListRecordsBaseCopiesThenEachMediaPathWithItsCopy)
{
    fs::create_directory("livraison");
    ASSERT_EQ(DeliverTree("livraison\\trace.txt"), 1);
    const std::string d = "livraison\\";
    EXPECT_EQ(ReadFile("livraison/trace.txt"),
              BaseLines(d) + "Fichier de config :\n\n[Ressources]\nNbRessources=7\n"
              "filePathAnim0=img\\porte1.bmp\n" + CopyLine(d, "img\\porte1.bmp") +
              "filePathAnim1=img\\porte2.bmp\n" + CopyLine(d, "img\\porte2.bmp") +
              "filePathAnim0=img\\porte1.bmp\n" + CopyLine(d, "img\\porte1.bmp") +
              "filePathBmp=img\\fond.bmp\n" + CopyLine(d, "img\\fond.bmp") +
              "filePathWav=snd\\porte.wav\n" + CopyLine(d, "snd\\porte.wav") +
              "filePathMid=snd\\theme.mid\n" + CopyLine(d, "snd\\theme.mid"));
    // Every file is copied to the same relative path, bytes unchanged.
    for (const auto& [path, bytes] : FixtureMedia()) {
        EXPECT_EQ(ReadFile("livraison/" + NativePath(path)), bytes) << path;
    }
    for (const char* base : {"vorlane.dat", "go_fenetre.sh", "go_fullscreen.sh", "cd/track02.mp3"}) {
        EXPECT_EQ(ReadFile(std::string("livraison/") + base), ReadFile(base)) << base;
    }
}

TEST_F(Tree, EmptyPathsTextsAndEscapingNamesGetNoCopy)
{
    ClearRessources();
    AddRessourceText("RT_a", "fr", "en");
    AddRessourceBmp("R_empty", "");
    AddRessourceWav("RS_out", "..\\outside.wav");
    WriteFile("../outside.wav", "x");
    const fs::path parent = fs::current_path().parent_path();
    fs::create_directory("livraison");
    ASSERT_EQ(DeliverTree("livraison\\list.txt"), 1);
    EXPECT_EQ(ReadFile("livraison/list.txt"),
              BaseLines("livraison\\") + "Fichier de config :\n\n[Ressources]\nNbRessources=3\n"
              "filePathBmp=\nfilePathWav=..\\outside.wav\n");
    // livraison\..\outside.wav would be the game folder's own parent's child.
    EXPECT_FALSE(fs::exists("outside.wav"));
    fs::remove(parent / "outside.wav");
}

TEST_F(Tree, ListWithoutFolderDeliversIntoTheWorkingDirectory)
{
    ClearRessources();
    AddRessourceBmp("R_fond", "img\\fond.bmp");
    ASSERT_EQ(DeliverTree("list.txt"), 1);
    EXPECT_EQ(ReadFile("list.txt"),
              BaseLines(".\\") + "Fichier de config :\n\n[Ressources]\nNbRessources=1\n"
              "filePathBmp=img\\fond.bmp\n" + CopyLine(".\\", "img\\fond.bmp"));
    // Copies onto themselves leave the files whole.
    EXPECT_EQ(ReadGameFile("img\\fond.bmp"), FixtureMedia().at("img\\fond.bmp"));
    EXPECT_EQ(ReadFile("vorlane.dat"), kFixtureConfig);
}

TEST_F(Tree, NoResourceNullPathAndUncreatableList)
{
    ClearRessources();
    ASSERT_EQ(DeliverTree("list.txt"), 1);
    const std::string list = ReadFile("list.txt");
    const std::string tail = "\n[Ressources]\nNbRessources=-1\n";
    ASSERT_GE(list.size(), tail.size());
    EXPECT_EQ(list.substr(list.size() - tail.size()), tail);
    EXPECT_EQ(DeliverTree(nullptr), 0);
    EXPECT_EQ(DeliverTree("no_folder\\list.txt"), 0);
    EXPECT_FALSE(fs::exists("no_folder"));
}

TEST_F(Tree, DeliverFileCreatesTheTargetFolderAndRecordsTheCopy)
{
    FILE* list = std::tmpfile();
    DeliverFile(list, "livraison\\", "img\\fond.bmp");
    DeliverFile(list, "livraison\\", "");
    std::rewind(list);
    char line[512] = {};
    ASSERT_NE(std::fgets(line, sizeof line, list), nullptr);
    EXPECT_EQ(std::string(line), CopyLine("livraison\\", "img\\fond.bmp"));
    EXPECT_EQ(std::fgets(line, sizeof line, list), nullptr);
    std::fclose(list);
    EXPECT_EQ(ReadFile("livraison/img/fond.bmp"), FixtureMedia().at("img\\fond.bmp"));
}
