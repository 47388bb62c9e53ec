#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/render/screen.h"
#include "support/test_env.h"

namespace {
// The box as a picture: one string per row, '#' where the colour landed.
std::vector<std::string> Snapshot(int left, int top, int width, int height)
{
    const uint32_t red = MapFond(255, 0, 0);
    std::vector<std::string> rows;
    for (int y = top; y < top + height; ++y) {
        std::string row;
        for (int x = left; x < left + width; ++x) {
            row += ProbeFond(x, y) == red ? '#' : '.';
        }
        rows.push_back(row);
    }
    return rows;
}

void Clear()
{
    Fill(0, 0, 640, 480, 0);
}
}

TEST(DrawBox, TallBoxHasCutCorners)
{
    StartTestScreen();
    Clear();
    DrawBox(10, 10, 22, 20, 255, 0, 0);
    const std::vector<std::string> expected = {
        "...######...",  // first row: 3 short at each end
        "..########..",
        ".##########.",
        "############",  // 13: m = 3, full
        "############",
        "############",
        "############",
        "############",
        ".##########.",  // 18: 2 before the exclusive bottom
        "..########..",  // 19: last row
        "............",
    };
    EXPECT_EQ(Snapshot(10, 10, 12, 11), expected);
}

TEST(DrawBox, SmallBoxesHaveOnlyShortenedRows)
{
    StartTestScreen();
    Clear();
    DrawBox(100, 100, 110, 103, 255, 0, 0);  // height 3
    const std::vector<std::string> expected = {
        "...####...",
        "..######..",
        "..######..",
        "..........",
    };
    EXPECT_EQ(Snapshot(100, 100, 10, 4), expected);
}

TEST(DrawBox, ClampsToTheScreen)
{
    StartTestScreen();
    Clear();
    DrawBox(-50, -50, 1000, 1000, 255, 0, 0);  // clamped to 0..639, 0..479
    const uint32_t red = MapFond(255, 0, 0);
    EXPECT_NE(ProbeFond(0, 0), red);     // corner cut
    EXPECT_EQ(ProbeFond(3, 0), red);
    EXPECT_EQ(ProbeFond(300, 200), red);
    EXPECT_NE(ProbeFond(639, 200), red);  // right is exclusive after clamping
    EXPECT_NE(ProbeFond(300, 479), red);
    Clear();
    DrawBox(50, 10, 40, 30, 255, 0, 0);  // left > right: nothing
    EXPECT_NE(ProbeFond(45, 20), red);
}

TEST(Fill, KeepsTheLow16Bits)
{
    StartTestScreen();
    Fill(0, 0, 640, 480, 0x12345678);
    EXPECT_EQ(ProbeFond(5, 5), 0x5678u);
    EXPECT_EQ(ProbeFond(639, 479), 0x5678u);
    Fill(10, 10, 20, 20, 0xABCD0001);
    EXPECT_EQ(ProbeFond(10, 10), 0x0001u);
    EXPECT_EQ(ProbeFond(19, 19), 0x0001u);
    EXPECT_EQ(ProbeFond(20, 20), 0x5678u);
}
