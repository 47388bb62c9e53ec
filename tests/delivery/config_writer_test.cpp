#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "engine/archive/archive.h"
#include "engine/config/config_reader.h"
#include "engine/config/config_writer.h"
#include "engine/world/world.h"
#include "game_folder.h"
#include "support/test_env.h"

namespace {
class ConfigWriter : public ::testing::Test {
protected:
    void SetUp() override
    {
        MakeScratchDir();
        CloseArchive();
        ResetWorld();
    }
    // Loads text as the configuration, then writes the tables back.
    std::string RoundTrip(const std::string& text)
    {
        WriteFile("in.dat", text);
        ResetWorld();
        M_loadConfig("in.dat");
        EXPECT_EQ(WriteConfig("out.dat"), 1);
        return ReadFile("out.dat");
    }
};

const char kEmptyTables[] =
    "\n[Scenes]\nNbScenes=-1\n\n[Objets]\nNbObjets=-1\n\n[Ressources]\nNbRessources=-1\n";
}

TEST_F(ConfigWriter, CanonicalFileRoundTripsByteForByte)
{
    EXPECT_EQ(RoundTrip(kFixtureConfig), kFixtureConfig);
}

TEST_F(ConfigWriter, NumberFormatsAndValueRulesAreTheOnlyChanges)
{
    struct Case {
        const char* in;
        const char* out;
    } cases[] = {
        // scale written with three decimals
        {"[Scenes]\nNbScenes=1\n[Scene1]\nName=Bar\nScalePerso=1.5\n",
         "\n[Scenes]\nNbScenes=1\n\n[Scene1]\nName=Bar\nScalePerso=1.500\n"
         "\n[Objets]\nNbObjets=-1\n\n[Ressources]\nNbRessources=-1\n"},
        // nbAnim=0 still has its first frame
        {"[Ressources]\nNbRessources=1\n[Ressource1]\nName=R_a\ntype=Anim\nnbAnim=0\n",
         "\n[Scenes]\nNbScenes=-1\n\n[Objets]\nNbObjets=-1\n\n[Ressources]\nNbRessources=1\n"
         "\n[Ressource1]\nName=R_a\ntype=Anim\nfilePath0=\ntempo0=0\nnbAnim=1\n"},
        // frames 0 and 2 given: the missing middle frame is written empty
        {"[Ressources]\nNbRessources=1\n[Ressource1]\nName=R_a\ntype=Anim\nnbAnim=3\n"
         "filePath0=a.bmp\ntempo0=7\nfilePath2=c.bmp\ntempo2=9\n",
         "\n[Scenes]\nNbScenes=-1\n\n[Objets]\nNbObjets=-1\n\n[Ressources]\nNbRessources=1\n"
         "\n[Ressource1]\nName=R_a\ntype=Anim\nfilePath0=a.bmp\ntempo0=7\nfilePath1=\ntempo1=0\n"
         "filePath2=c.bmp\ntempo2=9\nnbAnim=3\n"},
        // an unknown type is written as Null with nothing more
        {"[Ressources]\nNbRessources=1\n[Ressource1]\nName=R_a\ntype=anim\nnbAnim=1\n",
         "\n[Scenes]\nNbScenes=-1\n\n[Objets]\nNbObjets=-1\n\n[Ressources]\nNbRessources=1\n"
         "\n[Ressource1]\nName=R_a\ntype=Null\n"},
        // a missing file gives empty tables
        {"", kEmptyTables},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RoundTrip(c.in), c.out) << c.in;
    }
}

TEST_F(ConfigWriter, ObjectIsWrittenWhereItStandsAndPtTextYZeroBecomesMinus20)
{
    WriteFile("in.dat", "[Objets]\nNbObjets=1\n[Objet1]\nName=O_a\nptCoord.x=1\nptCoord.y=2\n"
                        "ptText.y=0\n");
    M_loadConfig("in.dat");
    World.objets[1].SetPos(333, 444);
    ASSERT_EQ(WriteConfig("out.dat"), 1);
    const std::string out = ReadFile("out.dat");
    EXPECT_NE(out.find("\nptCoord.x=333\nptCoord.y=444\n"), std::string::npos) << out;
    EXPECT_NE(out.find("\nptText.x=0\nptText.y=-20\n"), std::string::npos) << out;
    EXPECT_NE(out.find("\nisClickable=0\nisAfficher=1\nisZoneDep=0\nisDragAndDrop=0\n"),
              std::string::npos) << out;
}

TEST_F(ConfigWriter, DefaultPathUnwritablePathAndWriteBack)
{
    M_loadConfig("missing.dat");
    EXPECT_EQ(WriteConfig(nullptr), 1);
    EXPECT_EQ(ReadFile("vorlane.dat"), kEmptyTables);
    EXPECT_EQ(WriteConfig("no_such_folder\\out.dat"), 0);

    // Write-back goes to the file of the last load and reports 0.
    WriteFile("world.dat", "[Scenes]\nNbScenes=1\n[Scene1]\nName=Bar\nScalePerso=2\n");
    M_loadConfig("world.dat");
    EXPECT_EQ(WriteConfigBack(), 0);
    EXPECT_EQ(ReadFile("world.dat"),
              "\n[Scenes]\nNbScenes=1\n\n[Scene1]\nName=Bar\nScalePerso=2.000\n"
              "\n[Objets]\nNbObjets=-1\n\n[Ressources]\nNbRessources=-1\n");

    // No remembered path: nothing written, 1.
    M_loadConfig("");
    EXPECT_EQ(WriteConfigBack(), 1);
}

TEST(Header, ExactTextWithPaddingCountsAndSkippedEmptyNames)
{
    MakeScratchDir();
    CloseArchive();
    ResetWorld();
    WriteFile("in.dat",
              "[Scenes]\nNbScenes=3\n[Scene1]\nName=Hall\n[Scene2]\nName=\n"
              "[Scene3]\nName=S_a_name_longer_than_thirty_chars\n"
              "[Objets]\nNbObjets=1\n[Objet1]\nName=O_porte\n"
              "[Ressources]\nNbRessources=2\n[Ressource1]\nName=R_fond\ntype=Bmp\nfilePath=f.bmp\n"
              "[Ressource2]\nName=RT_x\ntype=Text\n");
    M_loadConfig("in.dat");
    ASSERT_EQ(WriteHeader("out.h"), 1);
    EXPECT_EQ(ReadFile("out.h"),
              "/**************************/\n"
              "/* Fichier Genere         */\n"
              "/* out.h         */\n"
              "/**************************/\n"
              "\n/******** Scenes **********/\n"
              "#define C_NbScenes 4\n"
              "#define C_Scene_Hall" + std::string(26, ' ') + "\t\"Hall\"\n"
              "#define C_Scene_S_a_name_longer_than_thirty_chars\t\"S_a_name_longer_than_thirty_chars\"\n"
              "\n/******** Objets ********/\n"
              "#define C_NbObjets 2\n"
              "#define C_Objet_O_porte" + std::string(23, ' ') + "\t\"O_porte\"\n"
              "\n/******** Ressources ********/\n"
              "#define C_NbRessources 3\n"
              "#define C_Res_R_fond" + std::string(24, ' ') + "\t\"R_fond\"\n"
              "#define C_Res_RT_x" + std::string(26, ' ') + "\t\"RT_x\"\n");
}

TEST(Header, EmptyTablesNullAndUnwritablePaths)
{
    MakeScratchDir();
    CloseArchive();
    M_loadConfig("missing.dat");
    ASSERT_EQ(WriteHeader("src_scen\\vorl_res.h"), 0);  // its folder does not exist
    std::filesystem::create_directory("src_scen");
    ASSERT_EQ(WriteHeader("src_scen\\vorl_res.h"), 1);
    EXPECT_EQ(ReadFile("src_scen/vorl_res.h"),
              "/**************************/\n"
              "/* Fichier Genere         */\n"
              "/* src_scen\\vorl_res.h         */\n"
              "/**************************/\n"
              "\n/******** Scenes **********/\n#define C_NbScenes 0\n"
              "\n/******** Objets ********/\n#define C_NbObjets 0\n"
              "\n/******** Ressources ********/\n#define C_NbRessources 0\n");
    EXPECT_EQ(WriteHeader(nullptr), 0);
}
