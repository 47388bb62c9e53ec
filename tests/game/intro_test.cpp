// The intro: a cut scene of about 78 seconds that runs inside the change to
// "S_Demo", hiding the character and, until its end, the cursor.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/core/clock.h"
#include "engine/core/frame.h"
#include "engine/render/text.h"
#include "engine/script/primitives.h"
#include "game_driver.h"

namespace {
// The cut scene's waits, then the story pages' waits.
constexpr uint32_t kCutSceneMs = 28050;
constexpr uint32_t kIntroMs = kCutSceneMs + 7 * 5000 + 2 * 6000 + 3000;

const char* const kMoved[] = {"O_Bver", "O_Fver", "O_Gver", "O_ile", "O_periscope",
                              "O_cuvette_WC", "O_fusee", "O_meteorite", "O_sable"};

std::vector<Point> Positions()
{
    std::vector<Point> at;
    for (const char* name : kMoved) {
        at.push_back(FindObject(name).ptCurrent);
    }
    return at;
}
}

using GameIntro = GameTest;

TEST_F(GameIntro, RunsInsideTheSceneChange)
{
    uint32_t start = GetTicks();
    ChangeScene("S_Demo");
    uint32_t elapsed = GetTicks() - start;
    EXPECT_GE(elapsed, kIntroMs);
    EXPECT_LE(elapsed, kIntroMs + 20 * kFrameMs);
    EXPECT_EQ(CurrentScene(), "S_Demo");
    EXPECT_EQ(isCursorShown, 1);
    EXPECT_EQ(isPersoShown, 0);

    // The last page, said 3 s before the end, stays on screen.
    const Objet& page = FindObject("O_Demo_Texte");
    EXPECT_EQ(LastLine("O_Demo_Texte"), "RT_TexteIntro_10");
    const TextSlot& slot = textSlots[page.nTextSlot];
    EXPECT_EQ(slot.active, 1);
    EXPECT_NEAR(static_cast<double>(slot.start - start), kIntroMs - 3000.0, 20.0 * kFrameMs);

    for (const char* name : {"O_prof", "O_photo_ile", "O_photo_kourou", "O_photo_martien", "O_fusee",
                             "O_meteorite", "O_cuvette_WC"}) {
        EXPECT_FALSE(Shown(name)) << name;
    }
    EXPECT_EQ(FindObject("O_ile").ResAnimName, std::string("R_Mouse_Click"));
    // Left moving: the periscope drifts and the sand scrolls.
    EXPECT_EQ(FindObject("O_periscope").ptSpeed.x, -1);
    EXPECT_EQ(FindObject("O_sable").ptScrollSpeed.x, 8);
    EXPECT_EQ(FindObject("O_Gver").ptSpeed.y, 0);
    EXPECT_EQ(FindObject("O_Bver").ptSpeed.y, 0);
}

TEST_F(GameIntro, OtherScenesShowTheCharacterAgain)
{
    ChangeScene("S_Demo");
    ASSERT_EQ(isPersoShown, 0);
    ChangeScene("S_Plage");
    EXPECT_EQ(isPersoShown, 1);
    HidePerso();
    ChangeScene("SceneId_Hall");
    EXPECT_EQ(isPersoShown, 1);
}

// Entering the intro again puts the actors back and plays it the same way.
TEST_F(GameIntro, ReplaysFromTheStart)
{
    ChangeScene("S_Demo");
    std::vector<Point> first = Positions();
    ChangeScene("S_Demo");
    std::vector<Point> second = Positions();
    for (size_t i = 0; i < first.size(); ++i) {
        // Timed moves carry sub-pixel remainders from one run to the next.
        EXPECT_NEAR(first[i].x, second[i].x, 2) << kMoved[i];
        EXPECT_NEAR(first[i].y, second[i].y, 2) << kMoved[i];
    }
}
