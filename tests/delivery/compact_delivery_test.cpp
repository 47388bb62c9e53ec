#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/archive/loose_file.h"
#include "engine/archive/archive.h"
#include "engine/archive/delivery.h"
#include "engine/archive/file_paths.h"
#include "engine/config/config_reader.h"
#include "engine/world/world.h"
#include "game_folder.h"
#include "support/test_env.h"

namespace fs = std::filesystem;

namespace {
class Compact : public ::testing::Test {
protected:
    void SetUp() override
    {
        game = MakeScratchDir();
        MakeGameFolder();
        LoadGameFolder();
    }
    void TearDown() override { CloseArchive(); }
    std::string game;
};

// The archive the fixture world gives: entries in configuration then table order.
std::string ExpectedArchive(const std::vector<std::string>& names)
{
    std::string index = std::to_string(names.size()) + "\n";
    std::string data;
    for (const std::string& n : names) {
        const std::string bytes = ReadGameFile(n);
        index += std::to_string(bytes.size()) + ":" + n + "\n";
        data += bytes;
    }
    return index + "### START ###" + data;
}

const std::vector<std::string> kFixtureEntries = {
    "vorlane.dat", "img\\porte1.bmp", "img\\porte2.bmp", "img\\fond.bmp", "snd\\porte.wav",
    "snd\\theme.mid"};
}

TEST(DirOfPath, FolderPartWithItsSeparator)
{
    struct Case {
        const char* path;
        const char* dir;
    } cases[] = {
        {"livraison\\vorlane.cre", "livraison\\"},
        {"a\\b\\c.cre", "a\\b\\"},
        {"vorlane.cre", ".\\"},
        {"\\vorlane.cre", ".\\"},
        {"", ".\\"},
        // A slash separates folders on this platform too.
        {"a/b.cre", "a/"},
        {"a\\b/c.cre", "a\\b/"},
        {"/vorlane.cre", "/"},
    };
    for (const Case& c : cases) {
        char dir[kDeliveryPathSize];
        DirOfPath(dir, c.path);
        EXPECT_STREQ(dir, c.dir) << c.path;
    }
}

TEST_F(Compact, DeliveryListHoldsEachMediaPathOnceInTableOrder)
{
    AddRessourceBmp("R_again", "img\\fond.bmp");
    AddRessourceWav("RS_empty", "");
    AddRessourceMid("RS_empty2", "");
    BuildDeliveryList();
    std::vector<std::string> paths(deliveryList.paths, deliveryList.paths + deliveryList.count);
    EXPECT_EQ(paths, (std::vector<std::string>{"img\\porte1.bmp", "img\\porte2.bmp", "img\\fond.bmp",
                                              "snd\\porte.wav", "snd\\theme.mid", ""}));
}

TEST_F(Compact, ArchiveIsCountIndexMarkerAndDataAndBaseFilesLandBesideIt)
{
    fs::create_directory("livraison");
    ASSERT_EQ(DeliverCompact("livraison\\vorlane.cre"), 1);
    EXPECT_EQ(ReadFile("livraison/vorlane.cre"), ExpectedArchive(kFixtureEntries));
    EXPECT_FALSE(fs::exists("livraison/vorlane.cre.tmp"));
    for (const char* base : {"vorlane.dat", "go_fenetre.sh", "go_fullscreen.sh", "cd/track01.mp3",
                             "cd/track02.mp3"}) {
        EXPECT_EQ(ReadFile(std::string("livraison/") + base), ReadFile(base)) << base;
    }
    // The launch scripts stay executable.
    EXPECT_NE(fs::status("livraison/go_fenetre.sh").permissions() & fs::perms::owner_exec,
              fs::perms::none);
    // Media are in the archive only.
    EXPECT_FALSE(fs::exists("livraison/img"));

    // With a slash the base files land beside the archive as well.
    fs::create_directory("out");
    ASSERT_EQ(DeliverCompact("out/game.cre"), 1);
    EXPECT_EQ(ReadFile("out/vorlane.dat"), kFixtureConfig);
    EXPECT_EQ(ReadFile("out/game.cre"), ExpectedArchive(kFixtureEntries));
}

TEST_F(Compact, ArchiveReadsBackWithOffsetsOfTenZeroAndFiveBytes)
{
    WriteFile("a.bin", "0123456789");
    WriteFile("b.bin", "");
    WriteFile("c.bin", "abcde");
    ClearRessources();
    AddRessourceBmp("R_a", "a.bin");
    AddRessourceBmp("R_b", "b.bin");
    AddRessourceBmp("R_c", "c.bin");
    ASSERT_EQ(DeliverCompact("x.cre"), 1);
    ASSERT_EQ(ReadArchiveIndex("x.cre"), 0);
    ASSERT_EQ(archiveEntryCount, 4);
    const std::string config = kFixtureConfig;
    const std::string head = "4\n" + std::to_string(config.size()) +
                             ":vorlane.dat\n10:a.bin\n0:b.bin\n5:c.bin\n### START ###";
    const int start = static_cast<int>(head.size()) + static_cast<int>(config.size());
    EXPECT_EQ(archiveEntries[1].offset, start);
    EXPECT_EQ(archiveEntries[2].offset, start + 10);
    EXPECT_EQ(archiveEntries[3].offset, start + 10);
    EXPECT_EQ(ReadFile("x.cre"), head + kFixtureConfig + "0123456789abcde");
}

TEST_F(Compact, MissingFilesAreLeftOutAndReportedInEachPass)
{
    ClearRessources();
    fs::remove("vorlane.dat");
    EXPECT_EQ(DeliverCompact("empty.cre"), 1);
    EXPECT_EQ(ReadFile("empty.cre"), "0\n### START ###");

    WriteFile("vorlane.dat", kFixtureConfig);
    ASSERT_EQ(DeliverCompact("config_only.cre"), 1);
    EXPECT_EQ(ReadFile("config_only.cre"), ExpectedArchive({"vorlane.dat"}));

    fs::remove("vorlane.dat");
    AddRessourceBmp("R_fond", "img\\fond.bmp");
    ::testing::internal::CaptureStdout();
    ASSERT_EQ(DeliverCompact("media_only.cre"), 1);
    const std::string out = ::testing::internal::GetCapturedStdout();
    EXPECT_EQ(ReadFile("media_only.cre"), ExpectedArchive({"img\\fond.bmp"}));
    const std::string message = "Pb Fichier non accessible (vorlane.dat) \n";
    size_t count = 0;
    for (size_t at = out.find(message); at != std::string::npos; at = out.find(message, at + 1)) {
        ++count;
    }
    EXPECT_EQ(count, 3u) << out;
}

TEST_F(Compact, NullPathOrMissingFolderWritesNothing)
{
    EXPECT_EQ(DeliverCompact(nullptr), 0);
    EXPECT_EQ(DeliverCompact("no_folder\\vorlane.cre"), 0);
    EXPECT_FALSE(fs::exists("no_folder"));
}

TEST_F(Compact, FileThatChangesBetweenPassesIsRefused)
{
    // Pass 1 measures; a change before pass 2 or pass 3 gives -1.
    struct Case {
        int changedBefore;
        const char* newBytes;  // null: the file is removed
    } cases[] = {{2, "longer than before"}, {2, "short"}, {2, nullptr},
                 {3, "longer than before"}, {3, "short"}, {3, nullptr}};
    for (const Case& c : cases) {
        WriteFile("f.bin", "0123456789");
        FILE* sink = std::tmpfile();
        int64_t size = 0;
        ASSERT_EQ(PackFile(sink, 1, "f.bin", &size), 1);
        EXPECT_EQ(size, 10);
        if (c.changedBefore == 3) {
            ASSERT_EQ(PackFile(sink, 2, "f.bin", &size), 1);
        }
        if (c.newBytes != nullptr) {
            WriteFile("f.bin", c.newBytes);
        } else {
            fs::remove("f.bin");
        }
        EXPECT_EQ(PackFile(sink, c.changedBefore, "f.bin", &size), -1)
            << c.changedBefore << " " << (c.newBytes ? c.newBytes : "(removed)");
        std::fclose(sink);
    }
    // A file that appears after pass 1 would make the count line wrong too.
    FILE* sink = std::tmpfile();
    int64_t size = 0;
    EXPECT_EQ(PackFile(sink, 1, "g.bin", &size), 0);
    WriteFile("g.bin", "new");
    EXPECT_EQ(PackFile(sink, 2, "g.bin", &size), -1);
    std::fclose(sink);
}

TEST_F(Compact, FailedDeliveryLeavesThePreviousArchiveAndNoTemporaryFile)
{
    ASSERT_EQ(DeliverCompact("vorlane.cre"), 1);
    const std::string previous = ReadFile("vorlane.cre");
    // A file whose size reads 0 but that gives bytes: its data would not
    // match its index line.
    fs::create_symlink("/proc/self/status", "img/lying.bmp");
    AddRessourceBmp("R_lying", "img\\lying.bmp");
    EXPECT_EQ(DeliverCompact("vorlane.cre"), 0);
    EXPECT_EQ(ReadFile("vorlane.cre"), previous);
    EXPECT_FALSE(fs::exists("vorlane.cre.tmp"));
}

TEST_F(Compact, RunningGameKeepsReadingTheArchiveItOpenedWhenF1ReplacesIt)
{
    ASSERT_EQ(DeliverCompact("vorlane.cre"), 1);
    ASSERT_EQ(ReadArchiveIndex("vorlane.cre"), 0);  // as the game does at start-up
    const std::string before = ReadGameFile("img\\fond.bmp");
    WriteFile("img/fond.bmp", "a different picture");
    ASSERT_EQ(DeliverCompact("vorlane.cre"), 1);

    unsigned char* data = nullptr;
    int size = 0;
    ASSERT_EQ(LoadArchiveEntry("img\\fond.bmp", &data, &size), 0);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(data), size), before);
    std::free(data);
    // The game folder's own files were not touched by copies onto themselves.
    EXPECT_EQ(ReadFile("vorlane.dat"), kFixtureConfig);
    EXPECT_EQ(ReadFile("go_fenetre.sh"), "#!/bin/sh\necho fenetre\n");
}

TEST_F(Compact, DeliveredGameReadsItsConfigurationAndPicturesFromTheArchive)
{
    fs::create_directory("livraison");
    ASSERT_EQ(DeliverCompact("livraison\\vorlane.cre"), 1);
    // The delivery folder is what the player gets: no loose media, and the
    // loose configuration copy is ignored when the archive has it.
    fs::current_path("livraison");
    WriteFile("vorlane.dat", "[Scenes]\nNbScenes=0\n");
    ClearScenes();
    ClearObjets();
    ClearRessources();
    ASSERT_EQ(ReadArchiveIndex("vorlane.cre"), 0);
    M_loadConfig("vorlane.dat");
    EXPECT_EQ(World.sceneCount, 3);
    EXPECT_STREQ(World.scenes[1].Name, "S_Hall");
    EXPECT_EQ(World.objetCount, 3);
    EXPECT_EQ(World.objets[2].ptCurrent.x, -4);
    ASSERT_EQ(World.ressourceCount, 8);
    const Ressource& anim = FindRessource("R_porte");
    ASSERT_NE(anim.frames.next, nullptr);
    EXPECT_EQ(anim.frames.next->tempo, 150);
    for (const auto& [path, bytes] : FixtureMedia()) {
        EXPECT_FALSE(fs::exists(NativePath(path))) << path;
        unsigned char* data = nullptr;
        int size = 0;
        ASSERT_EQ(LoadArchiveEntry(path.c_str(), &data, &size), 0) << path;
        EXPECT_EQ(std::string(reinterpret_cast<char*>(data), size), bytes) << path;
        std::free(data);
    }
}

TEST_F(Compact, F1InADeliveredGameKeepsTheMediaItHasOnlyInItsArchive)
{
    fs::create_directory("livraison");
    ASSERT_EQ(DeliverCompact("livraison\\vorlane.cre"), 1);
    const std::string delivered = ReadFile("livraison/vorlane.cre");
    fs::current_path("livraison");
    ASSERT_EQ(ReadArchiveIndex("vorlane.cre"), 0);  // the delivered game starts
    M_loadConfig("vorlane.dat");
    ASSERT_EQ(DeliverCompact("vorlane.cre"), 1);    // F1
    EXPECT_EQ(ReadFile("vorlane.cre"), delivered);
}
