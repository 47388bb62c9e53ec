// The bitmap font and the timed text slots.
#include <gtest/gtest.h>

#include <cstring>

#include "engine/core/clock.h"
#include "engine/render/screen.h"
#include "engine/render/text.h"
#include "engine/world/world.h"
#include "support/stage.h"
#include "support/test_env.h"

namespace {
const uint32_t kNothing = kRawBackground;

void ClearScreen()
{
    Fill(0, 0, kScreenWidth, kScreenHeight, kRawBackground);
}

// Draws s twice: the first pass loads the glyphs, so the second measures them.
void DrawLoaded(const char* s, int32_t x, int32_t y, int32_t boxed)
{
    DrawText(s, static_cast<int32_t>(std::strlen(s)), x, y, boxed);
    ClearScreen();
    DrawText(s, static_cast<int32_t>(std::strlen(s)), x, y, boxed);
}

// One composition's worth of slot drawing, after ms more milliseconds.
void SlotFrame(uint32_t ms)
{
    AdvanceClock(ms);
    ClearScreen();
    DrawTextSlots();
}

bool GlyphAt(int32_t x, int32_t y)
{
    return ProbeFond(x + 2, y + 2) == Mapped(kGlyphColour);
}
}

TEST(Text, SlashStartsANewLine25PixelsLower)
{
    LoadStage(StageWorld());
    DrawLoaded("ab/cd", 100, 50, 0);
    EXPECT_TRUE(GlyphAt(100, 50));
    EXPECT_TRUE(GlyphAt(108, 50));
    EXPECT_TRUE(GlyphAt(100, 75));
    EXPECT_TRUE(GlyphAt(108, 75));
    EXPECT_EQ(ProbeFond(117, 52), kNothing) << "two glyphs per line";
    EXPECT_EQ(ProbeFond(102, 66), kNothing) << "nothing between the lines";
    EXPECT_EQ(ProbeFond(118, 77), kNothing);
}

TEST(Text, LengthLimitsTheBytesDrawn)
{
    LoadStage(StageWorld());
    DrawText("abcd", 1, 10, 10, 0);
    DrawText("abcd", 2, 10, 10, 0);
    ClearScreen();
    DrawText("abcd", 2, 10, 10, 0);
    EXPECT_TRUE(GlyphAt(18, 10));
    EXPECT_EQ(ProbeFond(28, 12), kNothing);
}

TEST(Text, BoxIsWhiteWithABlackFrameAroundTheMeasuredGlyphs)
{
    LoadStage(StageWorld());
    // "ab/cd" at (100, 100): box (100, 100)-(116, 137).
    DrawLoaded("ab/cd", 100, 100, 1);
    EXPECT_EQ(ProbeFond(100, 118), Mapped({0, 0, 0})) << "left frame";
    EXPECT_EQ(ProbeFond(101, 118), Mapped({255, 255, 255}));
    EXPECT_EQ(ProbeFond(114, 118), Mapped({255, 255, 255}));
    EXPECT_EQ(ProbeFond(115, 118), Mapped({0, 0, 0})) << "right frame";
    EXPECT_EQ(ProbeFond(116, 118), kNothing) << "right edge exclusive";
    EXPECT_EQ(ProbeFond(108, 136), Mapped({0, 0, 0})) << "bottom frame";
    EXPECT_EQ(ProbeFond(108, 137), kNothing);
}

TEST(Text, FirstDrawOfNewGlyphsMeasuresAnEmptyBox)
{
    LoadStage(StageWorld());
    ClearScreen();
    DrawText("ab/cd", 5, 100, 100, 1);
    EXPECT_EQ(ProbeFond(108, 118), kNothing) << "glyphs not loaded when measured";
    EXPECT_TRUE(GlyphAt(100, 100));
    ClearScreen();
    DrawText("ab/cd", 5, 100, 100, 1);
    EXPECT_EQ(ProbeFond(108, 118), Mapped({255, 255, 255}));
}

TEST(Text, GlyphsFiftyWideOrMoreAdvanceButAreNotMeasured)
{
    LoadStage(StageWorld());
    // "Wa/b": the box spans only 'a' (8 pixels); 'a' is drawn after W's 60.
    DrawLoaded("Wa/b", 200, 200, 1);
    EXPECT_EQ(ProbeFond(204, 218), Mapped({255, 255, 255}));
    EXPECT_EQ(ProbeFond(207, 218), Mapped({0, 0, 0}));
    EXPECT_EQ(ProbeFond(212, 218), kNothing);
    EXPECT_EQ(ProbeFond(230, 205), Mapped(kWideGlyphColour));
    EXPECT_TRUE(GlyphAt(260, 200));
    EXPECT_TRUE(GlyphAt(200, 225));
}

TEST(Text, EmptyOrUnknownTextsDrawNothingNotEvenABox)
{
    LoadStage(StageWorld());
    ClearScreen();
    DrawText("", 0, 50, 50, 1);
    DrawText("xyz", 3, 50, 50, 1);  // bytes beyond the font: no glyph, no advance
    for (int32_t x = 45; x < 60; ++x) {
        EXPECT_EQ(ProbeFond(x, 52), kNothing);
    }
    ASSERT_EQ(SetTextSlot("T_Missing", 50, 50, 1000, 0, 1), 1);
    EXPECT_EQ(textSlots[1].text, 0);
    SlotFrame(10);
    SlotFrame(10);
    EXPECT_EQ(ProbeFond(52, 52), kNothing);
    EXPECT_EQ(textSlots[1].active, 1) << "stays active for its duration";
}

TEST(Text, SlotsAreTakenInOrderAndExpireAfterTheirDuration)
{
    LoadStage(StageWorld());
    EXPECT_EQ(SetTextSlot("T_Label", 10, 300, 100, 0, 0), 1);
    EXPECT_EQ(SetTextSlot("T_Label", 10, 350, 0, 0, 0), 2);
    EXPECT_EQ(SetTextSlot("T_Label", 10, 400, 100, 7, 0), 7) << "a given index is used as is";
    SlotFrame(0);  // loads the glyphs
    SlotFrame(1);
    EXPECT_EQ(textSlots[1].start, GetTicks() - 1) << "started by the first frame that drew it";
    EXPECT_TRUE(GlyphAt(10, 300));
    EXPECT_TRUE(GlyphAt(10, 350)) << "duration 0: drawn a last time when it expires";
    EXPECT_EQ(textSlots[2].active, 0);
    SlotFrame(1);
    EXPECT_FALSE(GlyphAt(10, 350));
    SlotFrame(98);  // 100 ms since the start: not yet more than the duration
    EXPECT_EQ(textSlots[1].active, 1);
    SlotFrame(1);
    EXPECT_EQ(textSlots[1].active, 0);
    EXPECT_TRUE(GlyphAt(10, 300)) << "drawn in the frame that clears it";
    SlotFrame(1);
    EXPECT_FALSE(GlyphAt(10, 300));
    EXPECT_EQ(SetTextSlot("T_Label", 0, 0, 10, 0, 0), 1) << "a freed slot is taken again";
}

TEST(Text, AllSlotsBusyDropsTheText)
{
    LoadStage(StageWorld());
    for (int i = 1; i < kTextSlotCount; ++i) {
        ASSERT_EQ(SetTextSlot("T_Label", 0, 0, 1000, 0, 0), i);
    }
    Objet& sign = FindObject("O_Sign");
    EXPECT_EQ(sign.SayText("T_Label", 1000, 1), 0);
    EXPECT_EQ(sign.nTextSlot, 0);
    ClearTextSlot(40);
    EXPECT_EQ(sign.SayText("T_Label", 1000, 1), 40);
    EXPECT_EQ(textSlots[40].box, 1);
    ClearTextSlot(0);  // out of range: nothing happens
    ClearTextSlot(kTextSlotCount);
    EXPECT_EQ(textSlots[40].active, 1);
}

TEST(Text, SayTextAnchorsAtTheObjectAndReusesItsSlot)
{
    LoadStage(StageWorld());
    Objet& a = FindObject("O_Sign");   // (400, 100), text offset (0, -20)
    Objet& b = FindObject("O_Chest");
    EXPECT_EQ(a.SayText("T_Label", 0, 1), 1);
    EXPECT_EQ(textSlots[1].x, 400);
    EXPECT_EQ(textSlots[1].y, 80);
    EXPECT_EQ(textSlots[1].text, FindRessourceIndex("T_Label"));
    SlotFrame(1);
    SlotFrame(1);
    ASSERT_EQ(textSlots[1].active, 0);
    EXPECT_EQ(b.SayText("T_AbCd", 5000, 1), 1) << "B takes the freed slot";
    a.ptCurrent = {10, 20};
    EXPECT_EQ(a.SayText("T_AbCd", 5000, 0), 1) << "A's next line replaces B's";
    EXPECT_EQ(textSlots[1].x, 10);
    EXPECT_EQ(textSlots[1].y, 0);
    EXPECT_EQ(textSlots[1].box, 0);
    SlotFrame(1);
    SlotFrame(1);
    a.ptCurrent = {300, 300};  // the text stays where it was said
    SlotFrame(1);
    EXPECT_TRUE(GlyphAt(10, 0));
    EXPECT_TRUE(GlyphAt(10, 25));
}

TEST(Text, ProgressiveTextRevealsCharacterByCharacter)
{
    LoadStage(StageWorld());
    int32_t slot = SetTextSlot("T_Label", 10, 10, 1000, 0, 0);  // "abc"
    SetTextReveal(slot, 300);
    EXPECT_EQ(textSlots[slot].progressive, 1);
    SlotFrame(0);
    EXPECT_FALSE(GlyphAt(10, 10)) << "nothing at the start";
    SlotFrame(100);
    EXPECT_TRUE(GlyphAt(10, 10));
    EXPECT_FALSE(GlyphAt(18, 10));
    SlotFrame(100);
    EXPECT_TRUE(GlyphAt(18, 10));
    EXPECT_FALSE(GlyphAt(26, 10));
    SlotFrame(100);
    SlotFrame(500);
    EXPECT_TRUE(GlyphAt(26, 10)) << "fully shown after the reveal time";

    // A reveal time of 0 shows the whole text at once.
    int32_t other = SetTextSlot("T_Label", 10, 100, 1000, 0, 0);
    SetTextReveal(other, 0);
    SlotFrame(0);
    EXPECT_TRUE(GlyphAt(26, 100));
    // Setting a slot again makes it plain.
    SetTextSlot("T_Label", 10, 100, 1000, other, 0);
    EXPECT_EQ(textSlots[other].progressive, 0);
}

TEST(Text, HigherSlotsAreDrawnOverLowerOnes)
{
    LoadStage(StageWorld());
    SetTextSlot("T_AbCd", 100, 110, 1000, 0, 0);
    SetTextSlot("T_AbCd", 104, 100, 1000, 0, 1);
    SlotFrame(0);
    SlotFrame(1);
    // The box of slot 2, between its two lines, covers slot 1's first line.
    EXPECT_EQ(ProbeFond(106, 115), Mapped({255, 255, 255}));
    EXPECT_TRUE(GlyphAt(100, 110)) << "left of the box";
}
