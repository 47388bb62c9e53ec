#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "engine/archive/loose_file.h"
#include "engine/archive/archive.h"
#include "engine/archive/delivery.h"
#include "engine/archive/file_paths.h"
#include "game_folder.h"
#include "support/test_env.h"

namespace fs = std::filesystem;

namespace {
// Every regular file below root, relative, with its bytes.
std::map<std::string, std::string> Tree(const fs::path& root)
{
    std::map<std::string, std::string> files;
    for (const auto& e : fs::recursive_directory_iterator(root)) {
        if (e.is_regular_file()) {
            files[fs::relative(e.path(), root).string()] = ReadFile(e.path().string());
        }
    }
    return files;
}

std::string Archive(const std::vector<std::pair<std::string, std::string>>& entries)
{
    std::string index = std::to_string(entries.size()) + "\n";
    std::string data;
    for (const auto& [name, bytes] : entries) {
        index += std::to_string(bytes.size()) + ":" + name + "\n";
        data += bytes;
    }
    return index + "### START ###" + data;
}

class Extract : public ::testing::Test {
protected:
    void TearDown() override { CloseArchive(); }
};
}

TEST_F(Extract, PackedFolderExtractsByteForByteIntoAnEmptyFolder)
{
    const std::string game = MakeScratchDir();
    MakeGameFolder();
    LoadGameFolder();
    ASSERT_EQ(DeliverCompact("vorlane.cre"), 1);

    const std::string out = MakeScratchDir();
    ASSERT_EQ(ExtractArchive((game + "/vorlane.cre").c_str()), 1);
    std::map<std::string, std::string> expected = {{"vorlane.dat", kFixtureConfig}};
    for (const auto& [path, bytes] : FixtureMedia()) {
        expected[NativePath(path)] = bytes;
    }
    EXPECT_EQ(Tree(out), expected);
}

TEST_F(Extract, ArchivePathWithBackslashesAndMissingArchive)
{
    MakeScratchDir();
    fs::create_directory("livraison");
    WriteFile("livraison/vorlane.cre", Archive({{"a\\b\\c.txt", "abc"}}));
    ASSERT_EQ(ExtractArchive("livraison\\vorlane.cre"), 1);
    EXPECT_EQ(ReadFile("a/b/c.txt"), "abc");
    EXPECT_EQ(ExtractArchive("missing.cre"), 0);
    EXPECT_EQ(ExtractArchive(nullptr), 0);
}

TEST_F(Extract, NamesLeavingTheWorkingDirectoryAreRefusedAndNothingIsWrittenOutside)
{
    const fs::path outside = MakeScratchDir();
    const fs::path work = outside / "work";
    fs::create_directories(work / "inner");
    fs::create_directory_symlink(outside, work / "link");
    fs::current_path(work);
    WriteFile("crafted.cre", Archive({
                                 {"..\\escaped.txt", "1"},
                                 {"inner\\..\\..\\escaped2.txt", "2"},
                                 {"\\abs_backslash.txt", "3"},
                                 {"/tmp/abs_slash.txt", "4"},
                                 {"c:\\drive.txt", "5"},
                                 {"c:drive_relative.txt", "6"},
                                 {"link\\through_link.txt", "7"},
                                 {"../escaped3.txt", "8"},
                                 {"good\\kept.txt", "ok"},
                             }));
    const auto before = Tree(outside);
    ::testing::internal::CaptureStdout();
    EXPECT_EQ(ExtractArchive("crafted.cre"), 0);
    const std::string messages = ::testing::internal::GetCapturedStdout();

    auto after = Tree(outside);
    EXPECT_EQ(after.erase("work/good/kept.txt"), 1u);
    EXPECT_EQ(after, before);
    EXPECT_FALSE(fs::exists("/tmp/abs_slash.txt"));
    EXPECT_EQ(ReadFile("good/kept.txt"), "ok");
    for (const char* name : {"..\\escaped.txt", "\\abs_backslash.txt", "c:\\drive.txt",
                             "link\\through_link.txt"}) {
        EXPECT_NE(messages.find(name), std::string::npos) << name << "\n" << messages;
    }
}
