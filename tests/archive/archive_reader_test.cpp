#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "engine/archive/archive.h"
#include "engine/config/config_reader.h"
#include "support/test_env.h"

namespace {
using Files = std::vector<std::pair<std::string, std::string>>;

// The archive format: count line, "size:name" lines, marker, data.
std::string ArchiveHeader(const Files& files)
{
    std::string s = std::to_string(files.size()) + "\n";
    for (const auto& f : files) {
        s += std::to_string(f.second.size()) + ":" + f.first + "\n";
    }
    return s + "### START ###";
}

std::string Archive(const Files& files)
{
    std::string s = ArchiveHeader(files);
    for (const auto& f : files) {
        s += f.second;
    }
    return s;
}

// Reads path's index with standard output captured into *out.
int ReadIndex(const std::string& path, std::string* out)
{
    testing::internal::CaptureStdout();
    int result = ReadArchiveIndex(path.c_str());
    *out = testing::internal::GetCapturedStdout();
    return result;
}

std::string Load(const char* name)
{
    unsigned char* data = nullptr;
    int size = -1;
    if (LoadArchiveEntry(name, &data, &size) != 0) {
        EXPECT_EQ(data, nullptr);
        EXPECT_EQ(size, 0);
        return "<none>";
    }
    std::string bytes(reinterpret_cast<char*>(data), static_cast<size_t>(size));
    std::free(data);
    return bytes;
}

class ArchiveReader : public testing::Test {
protected:
    void SetUp() override
    {
        MakeScratchDir();
        CloseArchive();
    }
    void TearDown() override { CloseArchive(); }

    // Writes bytes as t.cre and reads its index.
    int ReadBytes(const std::string& bytes)
    {
        WriteFile("t.cre", bytes);
        return ReadIndex("t.cre", &out);
    }

    std::string out;  // what the last read printed
};
}

TEST_F(ArchiveReader, OffsetsFollowTheSizesInIndexOrder)
{
    Files files = {{"a.bmp", "0123456789"}, {"snd\\b.wav", ""}, {"c.txt", "VWXYZ"}};
    const std::string bytes = Archive(files);
    ASSERT_EQ(ReadBytes(bytes), 0);
    EXPECT_EQ(out, "");
    const int start = static_cast<int>(ArchiveHeader(files).size());
    ASSERT_EQ(archiveEntryCount, 3);
    EXPECT_EQ(archiveEntries[0].offset, start);
    EXPECT_EQ(archiveEntries[1].offset, start + 10);
    EXPECT_EQ(archiveEntries[2].offset, start + 10);
    EXPECT_EQ(archiveEntries[2].size, 5);
    EXPECT_STREQ(archiveEntries[1].name, "snd\\b.wav");
    EXPECT_STREQ(archivePath, "t.cre");

    EXPECT_EQ(Load("a.bmp"), "0123456789");
    EXPECT_EQ(Load("snd\\b.wav"), "");
    EXPECT_EQ(Load("c.txt"), "VWXYZ");
    EXPECT_EQ(Load("C.txt"), "<none>");  // exact, case-sensitive

    FILE* f = nullptr;
    int size = 0;
    ASSERT_EQ(OpenArchiveEntry("c.txt", &f, &size), 0);
    EXPECT_EQ(size, 5);
    char first = 0;
    EXPECT_EQ(std::fread(&first, 1, 1, f), 1u);
    EXPECT_EQ(first, 'V');
    std::fclose(f);
}

TEST_F(ArchiveReader, LookupsAreExactNames)
{
    ASSERT_EQ(ReadBytes(Archive({{"vorlane.dat", "x"}, {"c:\\pics:one.bmp", "yz"}})), 0);
    EXPECT_EQ(FindArchiveEntry("vorlane.dat"), 0);
    EXPECT_EQ(FindArchiveEntry("./vorlane.dat"), -1);
    EXPECT_EQ(FindArchiveEntry("c:\\pics:one.bmp"), 1);  // everything after the first ":"
    EXPECT_EQ(FindArchiveEntry("pics:one.bmp"), -1);
    EXPECT_EQ(FindArchiveEntry(nullptr), -1);
    FILE* f = reinterpret_cast<FILE*>(1);
    int size = 7;
    EXPECT_EQ(OpenArchiveEntry("./vorlane.dat", &f, &size), -1);
    EXPECT_EQ(f, nullptr);
    EXPECT_EQ(size, 0);
}

TEST_F(ArchiveReader, IndexLinesWithCrLfKeepTheirNames)
{
    ASSERT_EQ(ReadBytes("2\r\n3:a.bmp\r\n1:b.bmp\r\n### START ###abcd"), 0);
    EXPECT_EQ(Load("a.bmp"), "abc");
    EXPECT_EQ(Load("b.bmp"), "d");
}

TEST_F(ArchiveReader, EmptyArchiveStillNeedsItsMarker)
{
    EXPECT_EQ(ReadBytes("0\n### START ###"), 0);
    EXPECT_EQ(out, "Fichier de ressource non valide\n");
    EXPECT_EQ(archiveEntryCount, 0);

    EXPECT_EQ(ReadBytes("nothing\n### START ###"), 0);  // no number at all: 0
    EXPECT_EQ(out, "Fichier de ressource non valide\n");

    EXPECT_EQ(ReadBytes("-4\n### START ###"), 0);  // negative: no line, no entry
    EXPECT_EQ(out, "");
    EXPECT_EQ(archiveEntryCount, 0);

    EXPECT_EQ(ReadBytes("0\n"), -2);
    EXPECT_EQ(out, "Fichier de ressource non valide\n"
                   "Fichier de ressource : Fin de description fichier non trouv\xe9" "e\n");
}

TEST_F(ArchiveReader, MalformedIndexesShowNoEntry)
{
    struct Case {
        const char* what;
        std::string bytes;
        std::string message;
    };
    const std::string noMarker =
        "Fichier de ressource : Fin de description fichier non trouv\xe9" "e\n";
    const Case cases[] = {
        {"no colon", "1\n123 images\\fond.bmp\n### START ###",
         "Fichier de ressource : description fichier (0) non valide\n"},
        {"no colon on the second line", "2\n1:a\n123 b\n### START ###xy",
         "Fichier de ressource : description fichier (1) non valide\n"},
        {"fewer lines than counted", "3\n1:a\n1:b\n",
         "Fichier de ressource : description fichier (2) non valide\n"},
        {"count far beyond the lines", "2000000000\n1:a\n",
         "Resource archive: 2000000000 entries, only the first 1000 are used\n"
         "Fichier de ressource : description fichier (1) non valide\n"},
        {"marker missing", "1\n1:a\nx", noMarker},
        {"marker cut short", "1\n1:a\n### STA", noMarker},
        {"marker misspelt", "1\n1:a\n### start ###a", noMarker},
        {"negative size", "2\n1:a\n-5:b\n### START ###a",
         "Resource archive: entry 1 has a negative size (-5)\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(ReadBytes(c.bytes), -2);
        EXPECT_EQ(out, c.message);
        EXPECT_EQ(archiveEntryCount, 0);
        EXPECT_EQ(FindArchiveEntry("a"), -1);
        EXPECT_EQ(Load("a"), "<none>");
    }
}

TEST_F(ArchiveReader, MissingArchiveKeepsThePreviousOne)
{
    EXPECT_EQ(ReadIndex("absent.cre", &out), -1);
    EXPECT_EQ(out, "impossible d'ouvrir le fichier de ressources\n");
    EXPECT_EQ(archiveEntryCount, 0);

    ASSERT_EQ(ReadBytes(Archive({{"a", "123"}})), 0);
    EXPECT_EQ(ReadIndex("absent.cre", &out), -1);
    EXPECT_STREQ(archivePath, "t.cre");
    EXPECT_EQ(Load("a"), "123");
    FILE* f = nullptr;
    int size = 0;
    ASSERT_EQ(OpenArchiveEntry("a", &f, &size), 0);  // reopens t.cre, not absent.cre
    std::fclose(f);

    const std::string longPath(200, 'p');
    EXPECT_EQ(ReadIndex(longPath, &out), -1);
    EXPECT_NE(out.find("path longer than 127"), std::string::npos);
    EXPECT_EQ(Load("a"), "123");
}

TEST_F(ArchiveReader, DataPastTheEndOfTheFileIsNotUsed)
{
    // Sizes that point past the end: the entries inside the file stay usable.
    ASSERT_EQ(ReadBytes("4\n2:a\n3:b\n99999999999:c\n0:d\n### START ###xyz"), 0);
    EXPECT_EQ(out,
              "Resource archive: entry 1 (b) runs past the end of the file; its file is read as "
              "a loose file\n"
              "Resource archive: entry 2 (c) runs past the end of the file; its file is read as "
              "a loose file\n"
              "Resource archive: entry 3 (d) runs past the end of the file; its file is read as "
              "a loose file\n");
    EXPECT_EQ(Load("a"), "xy");
    EXPECT_EQ(Load("b"), "<none>");
    EXPECT_EQ(Load("c"), "<none>");
    EXPECT_EQ(Load("d"), "<none>");

    // A zero-size entry right at the end is inside.
    ASSERT_EQ(ReadBytes("2\n3:a\n0:b\n### START ###xyz"), 0);
    EXPECT_EQ(out, "");
    EXPECT_EQ(Load("b"), "");
}

TEST_F(ArchiveReader, LongNamesAreReadAsLooseFiles)
{
    const std::string name127(127, 'n');
    const std::string name128(128, 'm');
    const std::string name1500(1500, 'k');  // longer than one physical read
    ASSERT_EQ(ReadBytes(Archive({{name127, "1"}, {name128, "22"}, {name1500, "333"},
                                 {"after", "4444"}})),
              0);
    EXPECT_EQ(out,
              "Resource archive: entry 1 has a name longer than 127 characters; its file is "
              "read as a loose file\n"
              "Resource archive: entry 2 has a name longer than 127 characters; its file is "
              "read as a loose file\n");
    EXPECT_EQ(Load(name127.c_str()), "1");
    EXPECT_EQ(FindArchiveEntry(name128.c_str()), -1);
    EXPECT_EQ(FindArchiveEntry(name128.substr(0, 127).c_str()), -1);  // no cut-name match
    EXPECT_EQ(FindArchiveEntry(name1500.substr(0, 127).c_str()), -1);
    EXPECT_EQ(Load("after"), "4444");  // offsets still count the hidden entries
}

TEST_F(ArchiveReader, OnlyTheFirstThousandEntriesAreKept)
{
    Files files;
    for (int i = 0; i < 1002; ++i) {
        files.push_back({"f" + std::to_string(i), std::string(1, static_cast<char>('a' + i % 26))});
    }
    ASSERT_EQ(ReadBytes(Archive(files)), 0);
    EXPECT_EQ(out, "Resource archive: 1002 entries, only the first 1000 are used\n");
    EXPECT_EQ(archiveEntryCount, 1000);
    EXPECT_EQ(Load("f0"), "a");
    EXPECT_EQ(Load("f999"), std::string(1, static_cast<char>('a' + 999 % 26)));
    EXPECT_EQ(FindArchiveEntry("f1000"), -1);
}

TEST_F(ArchiveReader, ConfigurationIsReadFromItsEntryAndNothingMore)
{
    const std::string config = "\n[Scenes]\r\nNbScenes=1\r\n\n[Scene1]\r\nName=Hall";  // no last LF
    ASSERT_EQ(ReadBytes(Archive({{"vorlane.dat", config}, {"next.txt", "Tail=1\nMore\n"}})), 0);
    WriteFile("vorlane.dat", "[Scenes]\nNbScenes=0\n");  // the loose file is not used
    ASSERT_EQ(M_loadConfigFileInMem("vorlane.dat"), 0);
    const std::vector<std::string> expected = {"", "[Scenes]", "NbScenes=1", "", "[Scene1]",
                                               "Name=Hall"};
    std::vector<std::string> lines(ConfigLines.lines, ConfigLines.lines + ConfigLines.count);
    EXPECT_EQ(lines, expected);

    ASSERT_EQ(M_loadConfigFileInMem("./vorlane.dat"), 0);  // another name: the loose file
    EXPECT_EQ(ConfigLines.count, 2);
    EXPECT_STREQ(ConfigLines.lines[1], "NbScenes=0");
}
