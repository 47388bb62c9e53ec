#include <gtest/gtest.h>

#include <SDL.h>

#include <filesystem>
#include <string>

#include "engine/archive/archive.h"
#include "engine/render/image.h"
#include "engine/render/screen.h"
#include "engine/render/sprite.h"
#include "engine/render/transform.h"
#include "render/bmp_fixture.h"
#include "support/test_env.h"

namespace {
constexpr Rgb kRed = {255, 0, 0};
constexpr Rgb kGreen = {0, 255, 0};
constexpr Rgb kBlue = {0, 0, 255};
constexpr Rgb kWhite = {255, 255, 255};
constexpr Rgb kYellow = {255, 255, 0};
constexpr Rgb kMagenta = {255, 0, 255};
constexpr Rgb kBlack = {0, 0, 0};

// 100 x 20: columns 0-9 red, 10-89 green, 90-99 blue; rows 0-4 white over
// columns 0-49 and yellow over 50-99.
Rgb Stripes(int x, int y)
{
    if (y < 5) {
        return x < 50 ? kWhite : kYellow;
    }
    return x < 10 ? kRed : (x < 90 ? kGreen : kBlue);
}

// An image node that releases its sprite at the end of the test.
struct TestImage {
    Image image;
    explicit TestImage(const char* path = "") { CopyString(image.path, path, kImagePathSize - 1); }
    ~TestImage() { FreeSurface(image.surface); }
};

uint32_t Colour(Rgb c) { return MapFond(c.r, c.g, c.b); }

class DrawImageTest : public testing::Test {
protected:
    void SetUp() override
    {
        StartTestScreen();
        MakeScratchDir();
        CloseArchive();
        std::filesystem::create_directory("img");
        WriteFile("img/stripes.bmp", MakeBmp(100, 20, Stripes));
        Fill(0, 0, 640, 480, Colour(kBlack));
    }
    void TearDown() override { CloseArchive(); }

    // Draws path at (x, y) with standard error captured into err.
    void Draw(TestImage& t, int32_t x, int32_t y, float scale = 0.0f, int32_t wx = 0,
              int32_t wy = 0)
    {
        testing::internal::CaptureStderr();
        DrawImage(&t.image, screen.fond, x, y, scale, wx, wy);
        err = testing::internal::GetCapturedStderr();
    }

    // Checks the colours on row y from x0 on, one per pixel.
    void ExpectRow(int x0, int y, std::initializer_list<Rgb> colours)
    {
        int x = x0;
        for (Rgb c : colours) {
            EXPECT_EQ(ProbeFond(x, y), Colour(c)) << "at " << x << "," << y;
            ++x;
        }
    }

    std::string err;
};
}

TEST_F(DrawImageTest, LoadsOnFirstDrawWithItsRectangle)
{
    TestImage t("img\\stripes.bmp");  // backslashes name the folder
    Draw(t, 100, 100);
    EXPECT_EQ(err, "");
    ASSERT_NE(t.image.surface, nullptr);
    EXPECT_EQ(t.image.rect.right, 100);
    EXPECT_EQ(t.image.rect.bottom, 20);
    ExpectRow(99, 110, {kBlack, kRed});
    ExpectRow(109, 110, {kRed, kGreen});
    ExpectRow(199, 110, {kBlue, kBlack});
    ExpectRow(120, 99, {kBlack});
    ExpectRow(120, 100, {kWhite});
    ExpectRow(120, 119, {kGreen});
    ExpectRow(120, 120, {kBlack});
}

TEST_F(DrawImageTest, ClipsAtTheScreenEdges)
{
    TestImage t("img\\stripes.bmp");
    Draw(t, -10, 100);  // columns 10 to 99 from x = 0
    ExpectRow(0, 110, {kGreen});
    ExpectRow(79, 110, {kGreen, kBlue});
    ExpectRow(89, 110, {kBlue, kBlack});

    Fill(0, 0, 640, 480, Colour(kBlack));
    Draw(t, -200, 100);  // entirely left of the screen
    for (int x = 0; x < 100; x += 9) {
        ExpectRow(x, 110, {kBlack});
    }

    Draw(t, 600, 100);  // 40 columns
    ExpectRow(599, 110, {kBlack, kRed});
    ExpectRow(609, 110, {kRed, kGreen});
    ExpectRow(639, 110, {kGreen});

    Fill(0, 0, 640, 480, Colour(kBlack));
    Draw(t, 300, -3);  // rows 3 to 19 from y = 0
    ExpectRow(300, 0, {kWhite});
    ExpectRow(300, 2, {kRed});
    ExpectRow(300, 17, {kBlack});
    Draw(t, 300, 476);  // rows 0 to 3
    ExpectRow(350, 479, {kYellow});
}

TEST_F(DrawImageTest, MagentaIsTransparent)
{
    WriteFile("keyed.bmp", MakeBmp(10, 1, [](int x, int) { return x < 5 ? kMagenta : kRed; }));
    TestImage t("keyed.bmp");
    Fill(0, 0, 640, 480, Colour(kBlue));
    Draw(t, 50, 50);
    ExpectRow(50, 50, {kBlue, kBlue, kBlue, kBlue, kBlue, kRed, kRed});
}

TEST_F(DrawImageTest, WrapUsesFourBlits)
{
    TestImage t("img\\stripes.bmp");
    Draw(t, 100, 100, 0.0f, 30, 3);
    // First blit: columns 30-99, rows 3-19 at the corner.
    ExpectRow(100, 100, {kWhite});       // column 30, row 3
    ExpectRow(120, 100, {kYellow});      // column 50, row 3
    ExpectRow(159, 102, {kGreen, kBlue});  // columns 89, 90 of row 5
    // Third blit: columns 0-29 of rows 3-19 at x + 70.
    ExpectRow(169, 110, {kBlue, kRed});
    ExpectRow(179, 110, {kRed, kGreen});
    ExpectRow(199, 110, {kGreen, kBlack});
    // Second and fourth blits: rows 0-2 at y + 17.
    ExpectRow(100, 117, {kWhite});       // column 30
    ExpectRow(120, 119, {kYellow});      // column 50
    ExpectRow(170, 117, {kWhite});       // column 0
    ExpectRow(100, 120, {kBlack});
}

TEST_F(DrawImageTest, WrapByTheWholeWidthOrBackwards)
{
    TestImage t("img\\stripes.bmp");
    Draw(t, 100, 100, 0.0f, 100, 0);  // the same as no wrap
    ExpectRow(99, 110, {kBlack, kRed});
    ExpectRow(199, 110, {kBlue, kBlack});

    Fill(0, 0, 640, 480, Colour(kBlack));
    Draw(t, 100, 100, 0.0f, -30, 0);  // scrolls the other way: column 70 first
    ExpectRow(100, 110, {kGreen});
    ExpectRow(119, 110, {kGreen, kBlue});
    ExpectRow(129, 110, {kBlue, kRed});
    ExpectRow(199, 110, {kGreen, kBlack});

    Fill(0, 0, 640, 480, Colour(kBlack));
    Draw(t, -200, 100, 0.0f, 30, 3);  // nothing visible, nothing to wrap
    ExpectRow(0, 110, {kBlack});
}

TEST_F(DrawImageTest, ScaledPictureIsShiftedNotCut)
{
    WriteFile("wide.bmp", MakeBmp(100, 60, [](int x, int) { return x < 50 ? kRed : kGreen; }));
    TestImage t("wide.bmp");
    Fill(0, 0, 640, 480, Colour(kBlue));
    Draw(t, -20, 0, 1.0f);
    // The 160 x 160 copy starts at x = 0; the picture's column 0 is at 34.
    ExpectRow(33, 70, {kBlue, kRed});
    ExpectRow(84, 70, {kRed, kGreen});
    ExpectRow(134, 70, {kGreen, kBlue});
    ExpectRow(60, 49, {kBlue});  // keyed margins
    ExpectRow(60, 50, {kRed});
}

TEST_F(DrawImageTest, ScaledCopyOfAKeyedSurfaceKeepsTheKey)
{
    TestImage t("img\\stripes.bmp");
    ASSERT_EQ(LoadImage(&t.image, t.image.path), 1);
    SDL_Surface* copy = static_cast<SDL_Surface*>(RotateScaleSurface(t.image.surface, 0, 0.5f, 0));
    ASSERT_NE(copy, nullptr);
    SDL_Surface* sprite = static_cast<SDL_Surface*>(t.image.surface);
    EXPECT_EQ(copy->w, 60);
    EXPECT_EQ(copy->h, 60);
    EXPECT_NE(copy->flags & SDL_SRCCOLORKEY, 0u);
    EXPECT_EQ(copy->format->colorkey, sprite->format->colorkey);
    EXPECT_EQ(copy->format->colorkey, SDL_MapRGB(sprite->format, 255, 0, 255));
    FreeSurface(copy);
    EXPECT_EQ(RotateScaleSurface(t.image.surface, 0, 20.0f, 0), nullptr);  // side 2400
}

TEST_F(DrawImageTest, ArchiveEntryComesBeforeTheLooseFile)
{
    const std::string red = MakeBmp(4, 4, [](int, int) { return kRed; });
    WriteFile("img/p.bmp", MakeBmp(4, 4, [](int, int) { return kGreen; }));
    WriteFile("t.cre", "1\n" + std::to_string(red.size()) + ":img\\p.bmp\n### START ###" + red);
    testing::internal::CaptureStdout();
    ASSERT_EQ(ReadArchiveIndex("t.cre"), 0);
    testing::internal::GetCapturedStdout();
    TestImage fromArchive("img\\p.bmp");
    TestImage loose("img/p.bmp");  // another name: not in the archive
    Draw(fromArchive, 10, 10);
    Draw(loose, 20, 10);
    ExpectRow(10, 10, {kRed});
    ExpectRow(20, 10, {kGreen});
}

TEST_F(DrawImageTest, PicturesThatCannotBeLoaded)
{
    TestImage none("img\\none.bmp");
    Draw(none, 10, 10);
    EXPECT_EQ(err, "Pb chargement fichier [img\\none.bmp](Couldn't open img\\none.bmp)\n");
    Draw(none, 10, 10);  // tried again at every draw
    EXPECT_EQ(err, "Pb chargement fichier [img\\none.bmp](Couldn't open img\\none.bmp)\n");
    EXPECT_EQ(none.image.surface, nullptr);

    const std::string bmp = MakeBmp(4, 4, [](int, int) { return kRed; });
    const struct {
        const char* name;
        std::string bytes;
    } broken[] = {
        {"text.bmp", "hello, not a picture\n"},
        {"empty.bmp", ""},
        {"cut.bmp", bmp.substr(0, 30)},
        {"huge.bmp", bmp.substr(0, 18) + std::string("\xff\xff\xff\x7f\xff\xff\xff\x7f", 8) +
                         bmp.substr(26)},
    };
    for (const auto& b : broken) {
        SCOPED_TRACE(b.name);
        WriteFile(b.name, b.bytes);
        TestImage t(b.name);
        Draw(t, 10, 10);
        EXPECT_EQ(err.rfind(std::string("Pb chargement fichier [") + b.name + "](", 0), 0u) << err;
        EXPECT_GT(err.size(), std::string("Pb chargement fichier []()\n").size() +
                                  std::string(b.name).size());
        EXPECT_EQ(t.image.surface, nullptr);
        ExpectRow(10, 10, {kBlack});
    }

    // The same through the archive.
    WriteFile("t.cre", "1\n5:bad.bmp\n### START ###hello");
    testing::internal::CaptureStdout();
    ASSERT_EQ(ReadArchiveIndex("t.cre"), 0);
    testing::internal::GetCapturedStdout();
    TestImage fromArchive("bad.bmp");
    Draw(fromArchive, 10, 10);
    EXPECT_EQ(err.rfind("Pb chargement fichier [bad.bmp](", 0), 0u) << err;
}

TEST_F(DrawImageTest, EmptyPathDrawsNothingSilently)
{
    TestImage t;
    Draw(t, 10, 10);
    EXPECT_EQ(err, "");
    EXPECT_EQ(t.image.surface, nullptr);
    ExpectRow(10, 10, {kBlack});
}

TEST_F(DrawImageTest, EachNodeHasItsOwnSurface)
{
    TestImage a("img\\stripes.bmp");
    TestImage b("img\\stripes.bmp");
    Draw(a, 0, 0);
    Draw(b, 0, 0);
    ASSERT_NE(a.image.surface, nullptr);
    EXPECT_NE(a.image.surface, b.image.surface);
}
