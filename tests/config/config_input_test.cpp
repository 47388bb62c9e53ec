#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "config/config_fixture.h"
#include "engine/config/config_reader.h"
#include "engine/world/world.h"

namespace {
std::vector<std::string> StoredLines()
{
    return std::vector<std::string>(ConfigLines.lines, ConfigLines.lines + ConfigLines.count);
}

int Count(const std::string& text, const std::string& what)
{
    int n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) {
        ++n;
    }
    return n;
}

// A configuration in the layout the writer produces.
const char* const kCanonical =
    "\n[Scenes]\nNbScenes=1\n\n[Scene1]\nName=Hall\nScalePerso=0.500\n"
    "\n[Objets]\nNbObjets=1\n\n[Objet1]\nName=O_Door\nAffName=RT_Door\nResAnimName=R_Door\n"
    "ptCoord.x=10\nptCoord.y=20\nptSize.x=30\nptSize.y=40\nptHotSpot.x=1\nptHotSpot.y=2\n"
    "ptText.x=3\nptText.y=4\nSceneName=Hall\nSceneSuivanteName=Cave\n"
    "SceneSuivantePoint=O_Entry\nisClickable=1\nisAfficher=1\nisZoneDep=0\nisDragAndDrop=1\n"
    "\n[Ressources]\nNbRessources=2\n\n[Ressource1]\nName=R_Door\ntype=Anim\n"
    "filePath0=img\\d0.bmp\ntempo0=100\nfilePath1=img\\d1.bmp\ntempo1=200\nnbAnim=2\n"
    "\n[Ressource2]\nName=RT_Door\ntype=Text\ntextBuf=Porte\ntextBufEng=Door\n";

std::string WithCrLf(const std::string& text)
{
    std::string out;
    for (char c : text) {
        if (c == '\n') {
            out += '\r';
        }
        out += c;
    }
    return out;
}
}

TEST_F(ConfigReader, CanonicalLayoutReadsEveryField)
{
    std::string printed;
    Load(kCanonical, &printed);
    EXPECT_EQ(printed, kLoadLines);
    EXPECT_STREQ(ConfigLines.path, "cfg.dat");
    ASSERT_EQ(World.sceneCount, 2);
    EXPECT_FLOAT_EQ(World.scenes[1].ScalePerso, 0.5f);
    ASSERT_EQ(World.objetCount, 2);
    const Objet& o = World.objets[1];
    EXPECT_STREQ(o.SceneName, "Hall");
    EXPECT_STREQ(o.SceneSuivantePoint, "O_Entry");
    EXPECT_EQ(o.ptText.y, 4);
    EXPECT_EQ(o.isDragAndDrop, 1);
    ASSERT_EQ(World.ressourceCount, 3);
    EXPECT_STREQ(ImageAt(&World.ressources[1].frames, 1)->path, "img\\d1.bmp");
    EXPECT_EQ(ImageAt(&World.ressources[1].frames, 1)->tempo, 200);
    EXPECT_STREQ(World.ressources[2].textEng, "Door");
}

TEST_F(ConfigReader, CrLfAndLfGiveTheSameTables)
{
    Load(kCanonical);
    const std::vector<std::string> lf = StoredLines();
    const Objet lfObjet = World.objets[1];

    Load(WithCrLf(kCanonical));
    EXPECT_EQ(StoredLines(), lf);
    EXPECT_STREQ(World.objets[1].SceneSuivantePoint, lfObjet.SceneSuivantePoint);
    EXPECT_STREQ(World.ressources[2].textEng, "Door");

    Lines("a=1\r\nb=2");  // last line without a line end
    EXPECT_EQ(StoredLines(), (std::vector<std::string>{"a=1", "b=2"}));
    Lines("x\r\r\n\n\r\n");
    EXPECT_EQ(StoredLines(), (std::vector<std::string>{"x", "", ""}));
}

TEST_F(ConfigReader, LongLinesAreSplitAndCut)
{
    const std::string a1021(1021, 'a');
    const std::string b300(300, 'b');
    Lines(a1021 + "tail\n" + b300 + "\nend\n");
    const std::vector<std::string> expected = {std::string(254, 'a'), "tail",
                                               std::string(254, 'b'), "end"};
    EXPECT_EQ(StoredLines(), expected);
}

TEST_F(ConfigReader, LinesBeyondTheTableAreDroppedWithAMessage)
{
    std::string text;
    for (int i = 0; i < kConfigMaxLines + 5; ++i) {
        text += "l" + std::to_string(i) + "\n";
    }
    WriteFile("cfg.dat", text);
    testing::internal::CaptureStdout();
    EXPECT_EQ(M_loadConfigFileInMem("cfg.dat"), 0);
    const std::string printed = testing::internal::GetCapturedStdout();
    EXPECT_EQ(ConfigLines.count, kConfigMaxLines);
    EXPECT_STREQ(ConfigLines.lines[kConfigMaxLines - 1], "l15999");
    // On storing the 16000th line, then once for each of the 5 dropped.
    EXPECT_EQ(Count(printed, "Pb Taille fichier .dat\n"), 6);
    EXPECT_EQ(printed.size(), 6 * std::string("Pb Taille fichier .dat\n").size());
}

TEST_F(ConfigReader, CountsBeyondTheTablesReadWhatFits)
{
    std::string printed;
    Load("[Scenes]\nNbScenes=100000\n[Scene1]\nName=First\n[Scene199]\nName=Last\n"
         "[Scene200]\nName=Over\n"
         "[Objets]\nNbObjets=2147483647\n[Objet499]\nName=O_Last\n"
         "[Ressources]\nNbRessources=99999\n[Ressource1]\nName=R_Big\ntype=Anim\n"
         "nbAnim=2000000000\nfilePath0=f0.bmp\n[Ressource1499]\nName=R_Last\n",
         &printed);
    EXPECT_EQ(printed.rfind(kLoadLines, 0), 0u);
    EXPECT_NE(printed.find("NbScenes=100000: only the first 199 scenes are read\n"),
              std::string::npos);
    EXPECT_NE(printed.find("NbObjets=2147483647: only the first 499 objects are read\n"),
              std::string::npos);
    EXPECT_NE(printed.find("NbRessources=99999: only the first 1499 resources are read\n"),
              std::string::npos);
    EXPECT_NE(printed.find("Ressource1: nbAnim=2000000000, only the first 1024 frames are read\n"),
              std::string::npos);
    EXPECT_EQ(printed.find("Too many"), std::string::npos);  // no addition was refused

    ASSERT_EQ(World.sceneCount, kMaxScenes);
    EXPECT_STREQ(World.scenes[1].Name, "First");
    EXPECT_STREQ(World.scenes[199].Name, "Last");  // record i is section Scene<i>
    ASSERT_EQ(World.objetCount, kMaxObjets);
    EXPECT_STREQ(World.objets[499].Name, "O_Last");
    ASSERT_EQ(World.ressourceCount, kMaxRessources);
    EXPECT_STREQ(World.ressources[1499].Name, "R_Last");

    Image* frames = &World.ressources[1].frames;
    EXPECT_STREQ(frames->path, "f0.bmp");
    ASSERT_NE(ImageAt(frames, kConfigMaxAnimFrames - 1), nullptr);
    EXPECT_EQ(ImageAt(frames, kConfigMaxAnimFrames), nullptr);
}

TEST_F(ConfigReader, MissingFileLeavesEmptyTables)
{
    Load(kCanonical);
    ASSERT_GT(World.objetCount, 0);
    EXPECT_EQ(M_loadConfigFileInMem("absent.dat"), -1);
    EXPECT_EQ(ConfigLines.count, 0);

    testing::internal::CaptureStdout();
    EXPECT_EQ(M_loadConfig("absent.dat"), 1);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "M_loadConfigFileInMem (absent.dat)\nM_loadConfigFileInMem ok\n");
    EXPECT_EQ(World.sceneCount, 0);
    EXPECT_EQ(World.objetCount, 0);
    EXPECT_EQ(World.ressourceCount, 0);
}

TEST_F(ConfigReader, PathsOfTheLoad)
{
    WriteFile("vorlane.dat", "[Scenes]\nNbScenes=1\n[Scene1]\nName=Default\n");
    testing::internal::CaptureStdout();
    M_loadConfig(nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "M_loadConfigFileInMem (./vorlane.dat)\nM_loadConfigFileInMem ok\n");
    EXPECT_STREQ(ConfigLines.path, "./vorlane.dat");
    EXPECT_STREQ(World.scenes[1].Name, "Default");

    // Backslashes name folders of the loose file.
    ASSERT_TRUE(std::filesystem::create_directory("data"));
    WriteFile("data/w.dat", "[Scenes]\nNbScenes=1\n[Scene1]\nName=InFolder\n");
    Load("");  // resets the tables through cfg.dat
    testing::internal::CaptureStdout();
    M_loadConfig("data\\w.dat");
    testing::internal::GetCapturedStdout();
    EXPECT_STREQ(World.scenes[1].Name, "InFolder");
    EXPECT_STREQ(ConfigLines.path, "data\\w.dat");

    // A path too long to remember is loaded but never written back.
    std::string longPath;
    while (longPath.size() < 300) {
        longPath += "./";
    }
    longPath += "vorlane.dat";
    testing::internal::CaptureStdout();
    M_loadConfig(longPath.c_str());
    const std::string printed = testing::internal::GetCapturedStdout();
    EXPECT_NE(printed.find("Configuration path longer than 254 characters"), std::string::npos);
    EXPECT_STREQ(ConfigLines.path, "");
    EXPECT_STREQ(World.scenes[1].Name, "Default");
}
