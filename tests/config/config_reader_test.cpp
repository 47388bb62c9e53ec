#include <gtest/gtest.h>

#include <cfloat>
#include <string>
#include <vector>

#include "config/config_fixture.h"
#include "engine/config/config_reader.h"
#include "engine/world/world.h"

namespace {
std::string Objet1(const std::string& body)
{
    return "[Objets]\nNbObjets=1\n[Objet1]\n" + body;
}
}

TEST_F(ConfigReader, KeysAreSubstringsAndValuesAreUntrimmed)
{
    Lines("[S]\nAffName=Foo\nName=Bar\nSpaced = Baz \nx=a=b\n");
    EXPECT_EQ(Get("S", "Name"), "Foo");  // found inside AffName first
    EXPECT_EQ(Get("S", "Spaced"), " Baz ");
    EXPECT_EQ(Get("S", "x"), "a=b");     // after the first "="
    EXPECT_EQ(Get("S", "absent"), "<default>");
    EXPECT_EQ(Get("T", "Name"), "<default>");
    EXPECT_EQ(Get("s", "Name"), "<default>");  // case-sensitive
}

TEST_F(ConfigReader, LookupReturnsFoundOrDefaultAndCutsToTheLength)
{
    Lines("[S]\nk=abcdef\n");
    char value[8];
    EXPECT_EQ(M_getConfigString("S", "k", "d", value, 3), 0);
    EXPECT_STREQ(value, "abc");
    EXPECT_EQ(M_getConfigString("S", "none", "default", value, 4), 1);
    EXPECT_STREQ(value, "defa");
}

TEST_F(ConfigReader, KeySearchRunsPastItsSection)
{
    Lines("[Objet1]\nName=A\n[Objet2]\nName=B\nisDragAndDrop=1\n");
    EXPECT_EQ(Get("Objet1", "Name"), "A");
    EXPECT_EQ(Get("Objet1", "isDragAndDrop"), "1");
    EXPECT_EQ(Get("Objet2", "Name"), "B");
}

TEST_F(ConfigReader, HeadersMustMatchExactly)
{
    Lines("[Scene1] \nName=A\n [Scene2]\nName=B\n");
    EXPECT_EQ(Get("Scene1", "Name"), "<default>");
    EXPECT_EQ(Get("Scene2", "Name"), "<default>");
}

TEST_F(ConfigReader, FastPathAdvancesEvenWhenTheLookupFails)
{
    // After k1, a failed lookup still moves the cursor to "zzz=b", so the
    // next lookup's fast path tests "k=c" and returns it; a full scan would
    // have found "k" inside "k1=a".
    Lines("[S]\nk1=a\nzzz=b\nk=c\n");
    EXPECT_EQ(Get("S", "k1"), "a");
    EXPECT_EQ(Get("S", "q"), "<default>");
    EXPECT_EQ(Get("S", "k"), "c");

    Lines("[S]\nk1=a\nzzz=b\nk=c\n");
    EXPECT_EQ(Get("S", "k1"), "a");
    EXPECT_EQ(Get("S", "k"), "a");
}

TEST_F(ConfigReader, NewSectionScanStartsAtTheNextBracketWhenItNamesTheSection)
{
    // The first "[" line after the cursor, "[Objet10]", contains "Objet1", so
    // the scan for [Objet1] starts there and finds the second [Objet1].
    const std::string text =
        "[Objet1]\nName=early\n[X]\nk=0\n[Objet10]\nName=ten\n[Objet1]\nName=late\n";
    Lines(text);
    EXPECT_EQ(Get("X", "k"), "0");
    EXPECT_EQ(Get("Objet1", "Name"), "late");

    Lines(text);  // without a cursor the scan starts at line 0
    EXPECT_EQ(Get("Objet1", "Name"), "early");

    Lines("[Objet1]\nName=early\n[X]\nk=0\n[Y]\n[Objet1]\nName=late\n");
    EXPECT_EQ(Get("X", "k"), "0");
    EXPECT_EQ(Get("Objet1", "Name"), "early");  // "[Y]" does not name it
}

TEST_F(ConfigReader, IntegersAndRealNumbers)
{
    Lines("[S]\na=12abc\nb=abc\nc=\nd= -7\ne=99999999999\n"
          "s1=1.5\ns2=1,5\ns3=\ns4=2e1\ns5=0x10\ns6=inf\ns7=-.25\ns8=1e99\ns9=.\n");
    EXPECT_EQ(M_getConfigInt("S", "a", 5), 12);
    EXPECT_EQ(M_getConfigInt("S", "b", 5), 0);
    EXPECT_EQ(M_getConfigInt("S", "c", 5), 5);
    EXPECT_EQ(M_getConfigInt("S", "d", 5), -7);
    EXPECT_EQ(M_getConfigInt("S", "e", 5), 2147483647);
    EXPECT_EQ(M_getConfigInt("S", "none", 5), 5);
    EXPECT_FLOAT_EQ(M_getConfigFloat("S", "s1"), 1.5f);
    EXPECT_FLOAT_EQ(M_getConfigFloat("S", "s2"), 1.0f);
    EXPECT_FLOAT_EQ(M_getConfigFloat("S", "s3"), 0.0f);
    EXPECT_FLOAT_EQ(M_getConfigFloat("S", "s4"), 20.0f);
    EXPECT_FLOAT_EQ(M_getConfigFloat("S", "s5"), 0.0f);  // decimal only
    EXPECT_FLOAT_EQ(M_getConfigFloat("S", "s6"), 0.0f);
    EXPECT_FLOAT_EQ(M_getConfigFloat("S", "s7"), -0.25f);
    EXPECT_FLOAT_EQ(M_getConfigFloat("S", "s8"), FLT_MAX);
    EXPECT_FLOAT_EQ(M_getConfigFloat("S", "s9"), 0.0f);
}

TEST_F(ConfigReader, ScenesInOrder)
{
    Load("[Scenes]\nNbScenes=3\n[Scene1]\nName=Hall\nScalePerso=0.750\n[Scene3]\nName=Roof\n"
         "[Scene2] \nName=Cave\n");
    ASSERT_EQ(World.sceneCount, 4);
    EXPECT_STREQ(World.scenes[1].Name, "Hall");
    EXPECT_FLOAT_EQ(World.scenes[1].ScalePerso, 0.75f);
    // '[Scene2] ' is not Scene2's header: empty name and scale 0.
    EXPECT_STREQ(World.scenes[2].Name, "");
    EXPECT_FLOAT_EQ(World.scenes[2].ScalePerso, 0.0f);
    EXPECT_STREQ(World.scenes[3].Name, "Roof");
}

TEST_F(ConfigReader, CountsThatReadNoSection)
{
    for (const char* count : {"-1", "abc", "", "0"}) {
        SCOPED_TRACE(count);
        std::string printed;
        Load(std::string("[Scenes]\nNbScenes=") + count + "\n[Scene1]\nName=Hall\n", &printed);
        EXPECT_EQ(World.sceneCount, 0);
        EXPECT_EQ(printed, kLoadLines);
    }
}

TEST_F(ConfigReader, ObjectFieldsAndTheirDefaults)
{
    Load(Objet1("Name=Door\nAffName=RT_Door\nResAnimName=R_Door\nSceneName=Hall\n"
                "SceneSuivanteName=Cave\nSceneSuivantePoint=O_Entry\nptCoord.x=10\n"
                "ptCoord.y=20\nptSize.x=30\nptSize.y=40\nptHotSpot.x=5\nptHotSpot.y=6\n"
                "ptText.x=7\nptText.y=5\nisClickable=1\nisAfficher=0\nisZoneDep=1\n"
                "isDragAndDrop=1\n"));
    ASSERT_EQ(World.objetCount, 2);
    const Objet& o = World.objets[1];
    EXPECT_STREQ(o.Name, "Door");
    EXPECT_STREQ(o.AffName, "RT_Door");
    EXPECT_STREQ(o.ResAnimName, "R_Door");
    EXPECT_STREQ(o.SceneName, "Hall");
    EXPECT_STREQ(o.SceneSuivanteName, "Cave");
    EXPECT_STREQ(o.SceneSuivantePoint, "O_Entry");
    EXPECT_EQ(o.ptCoord.x, 10);
    EXPECT_EQ(o.ptCurrent.y, 20);
    EXPECT_EQ(o.ptSize.x, 30);
    EXPECT_EQ(o.ptSize.y, 40);
    EXPECT_EQ(o.ptHotSpot.x, 5);
    EXPECT_EQ(o.ptHotSpot.y, 6);
    EXPECT_EQ(o.ptText.x, 7);
    EXPECT_EQ(o.ptText.y, 5);
    EXPECT_EQ(o.isClickable, 1);
    EXPECT_EQ(o.isAfficher, 0);
    EXPECT_EQ(o.isZoneDep, 1);
    EXPECT_EQ(o.isDragAndDrop, 1);

    Load(Objet1("Name=Bare\n"));
    const Objet& d = World.objets[1];
    EXPECT_STREQ(d.AffName, "");
    EXPECT_EQ(d.ptCoord.x, 0);
    EXPECT_EQ(d.ptText.y, -20);
    EXPECT_EQ(d.isAfficher, 1);
    EXPECT_EQ(d.isClickable, 0);
}

TEST_F(ConfigReader, TextOffsetAndShownFlagRules)
{
    struct Case {
        const char* lines;
        int textY;
        int shown;
    };
    const Case cases[] = {
        {"", -20, 1},
        {"ptText.y=0\nisAfficher=\n", -20, 1},
        {"ptText.y=\nisAfficher=0\n", -20, 0},
        {"ptText.y=5\nisAfficher= \n", 5, 0},
        {"ptText.y=-3\nisAfficher=2\n", -3, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lines);
        Load(Objet1(std::string("Name=O\n") + c.lines));
        EXPECT_EQ(World.objets[1].ptText.y, c.textY);
        EXPECT_EQ(World.objets[1].isAfficher, c.shown);
    }
}

TEST_F(ConfigReader, SectionScanIntoTheNextObject)
{
    Load("[Objets]\nNbObjets=2\n[Objet1]\nName=A\n[Objet2]\nName=B\nisDragAndDrop=1\n");
    EXPECT_EQ(World.objets[1].isDragAndDrop, 1);
    EXPECT_EQ(World.objets[2].isDragAndDrop, 1);
    EXPECT_STREQ(World.objets[1].Name, "A");
}

TEST_F(ConfigReader, ResourceTypesByExactName)
{
    Load("[Ressources]\nNbRessources=8\n"
         "[Ressource1]\nName=R1\ntype=Bmp\nfilePath=img\\a.bmp\n"
         "[Ressource2]\nName=R2\ntype=Wav\nfilePath=snd\\b.wav\n"
         "[Ressource3]\nName=R3\ntype=Mid\nfilePath=snd\\c.mid\n"
         "[Ressource4]\nName=R4\ntype=Text\ntextBuf=Bonjour\ntextBufEng=Hello\n"
         "[Ressource5]\nName=R5\ntype=anim\nnbAnim=1\nfilePath0=x.bmp\n"
         "[Ressource6]\nName=R6\ntype=PisteCD\n"
         "[Ressource7]\nName=R7\ntype=AviCD\n"
         "[Ressource8]\nName=R8\n");
    ASSERT_EQ(World.ressourceCount, 9);
    const Ressource* r = World.ressources;
    EXPECT_EQ(r[1].type, kResBmp);
    EXPECT_STREQ(r[1].frames.path, "img\\a.bmp");
    EXPECT_EQ(r[2].type, kResWav);
    EXPECT_STREQ(r[2].soundPath, "snd\\b.wav");
    EXPECT_EQ(r[3].type, kResMid);
    EXPECT_STREQ(r[3].soundPath, "snd\\c.mid");
    EXPECT_EQ(r[4].type, kResText);
    EXPECT_EQ(r[5].type, kResNull);  // "anim" is not "Anim"
    EXPECT_STREQ(r[5].frames.path, "");
    EXPECT_EQ(r[6].type, kResPisteCD);
    EXPECT_EQ(r[7].type, kResAviCD);
    EXPECT_EQ(r[8].type, kResNull);
    EXPECT_STREQ(r[8].Name, "R8");
}

TEST_F(ConfigReader, TextsFollowTheLanguage)
{
    Load("[Ressources]\nNbRessources=1\n[Ressource1]\nName=RT_Hi\ntype=Text\n"
         "textBuf=Bonjour \xe0 vous\ntextBufEng=Hello to you\n");
    const Ressource& r = FindRessource("RT_Hi");
    SetLanguage(1);
    EXPECT_STREQ(r.GetText(), "Hello to you");
    EXPECT_EQ(r.GetTextLength(), 12);
    SetLanguage(0);
    EXPECT_STREQ(r.GetText(), "Bonjour \xe0 vous");
    EXPECT_EQ(r.GetTextLength(), 14);
    SetLanguage(1);
}

TEST_F(ConfigReader, TextsAreCutAt511Characters)
{
    ClearRessources();
    const std::string fr(600, 'f');
    AddRessourceText("RT_Long", fr.c_str(), nullptr);
    const Ressource& r = FindRessource("RT_Long");
    EXPECT_EQ(r.textLength, 511);
    EXPECT_EQ(std::string(r.text), fr.substr(0, 511));
    EXPECT_EQ(r.textEngLength, 0);
}

TEST_F(ConfigReader, AnimFramesWithGapsAndDuplicates)
{
    Load("[Ressources]\nNbRessources=2\n"
         "[Ressource1]\nName=R_Walk\ntype=Anim\nnbAnim=3\nfilePath0=w0.bmp\ntempo0=100\n"
         "filePath2=w2.bmp\ntempo2=300\n"
         "[Ressource2]\nName=R_Walk\ntype=Anim\nnbAnim=2\nfilePath0=d0.bmp\ntempo0=50\n");
    ASSERT_EQ(World.ressourceCount, 3);
    Image* walk = &World.ressources[1].frames;
    // The second R_Walk's frames went to the first: frame 0 replaced.
    EXPECT_STREQ(ImageAt(walk, 0)->path, "d0.bmp");
    EXPECT_EQ(ImageAt(walk, 0)->tempo, 50);
    ASSERT_NE(ImageAt(walk, 1), nullptr);
    EXPECT_STREQ(ImageAt(walk, 1)->path, "");  // the gap
    EXPECT_EQ(ImageAt(walk, 1)->tempo, 0);
    ASSERT_NE(ImageAt(walk, 2), nullptr);
    EXPECT_STREQ(ImageAt(walk, 2)->path, "w2.bmp");
    EXPECT_EQ(ImageAt(walk, 2)->tempo, 300);
    EXPECT_EQ(ImageAt(walk, 3), nullptr);
    EXPECT_EQ(World.ressources[2].type, kResAnim);
    EXPECT_STREQ(World.ressources[2].frames.path, "");
    EXPECT_EQ(World.ressources[2].frames.next, nullptr);
}

TEST_F(ConfigReader, MissingFramePathComesFromALaterSection)
{
    Load("[Ressources]\nNbRessources=2\n"
         "[Ressource1]\nName=R_Gap\ntype=Anim\nnbAnim=2\nfilePath0=g0.bmp\ntempo0=80\n"
         "[Ressource2]\nName=R_Other\nfilePath1=later.bmp\n");
    Image* gap = &World.ressources[1].frames;
    EXPECT_STREQ(ImageAt(gap, 0)->path, "g0.bmp");
    ASSERT_NE(ImageAt(gap, 1), nullptr);
    EXPECT_STREQ(ImageAt(gap, 1)->path, "later.bmp");
    EXPECT_EQ(ImageAt(gap, 1)->tempo, 0);
}
