// The dialogue panel on a small fixture world: three answer objects in the
// dialogue scene, the character, answer texts and their sounds.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/core/clock.h"
#include "engine/render/text.h"
#include "engine/script/dialogue.h"
#include "engine/script/primitives.h"
#include "engine/script/bound_names.h"
#include "engine/sound/mixer.h"
#include "support/fixture_world.h"
#include "support/sound_files.h"
#include "support/test_env.h"

namespace {
// What the callback saw when it was called.
struct CallbackCall {
    int32_t index;
    uint32_t elapsed;        // ms since the click
    TextSlot line;           // the character's text slot
    uint32_t soundLength;    // the sound on the effect channel
    bool answersShown;       // the three answer texts still on screen
};
std::vector<CallbackCall> calls;
uint32_t clickTick = 0;
bool endInCallback = false;

const TextSlot& SlotOf(const char* objectName)
{
    return textSlots[FindObject(objectName).nTextSlot];
}

void RecordChoice(int32_t index)
{
    bool shown = SlotOf("O_paneau_select_1").active && SlotOf("O_paneau_select_2").active &&
                 SlotOf("O_paneau_select_3").active;
    calls.push_back({index, GetTicks() - clickTick, SlotOf("O_perso"),
                     soundChannels[kEffectChannel].length, shown});
    if (endInCallback) {
        FindObject("O_barman").SayText("RT_LINE", 3000, 1);  // a last line, then the end
        EndDialogue();
    }
}

class DialogueTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        StartTestScreen();
        FixtureWorld w;
        w.AddScene("S_Room");
        w.AddScene("S_Dialogue");
        w.AddObject("O_perso", "S_Room", "", {100, 200}).text = {10, -30};
        w.AddObject("O_barman", "S_Room", "", {400, 200});
        for (int i = 1; i <= 3; ++i) {
            FixtureObject& o = w.AddObject("O_paneau_select_" + std::to_string(i), "S_Dialogue", "",
                                           {20, 380 + 25 * i});
            o.isClickable = 1;
            o.text = {5, 2};
        }
        w.AddObject("O_panel_deco", "S_Dialogue", "", {0, 380}).isClickable = 1;
        for (const char* t : {"RT_A1", "RT_A2", "RT_A3", "RT_D_NULL", "RT_LINE"}) {
            w.AddText(t, std::string("text of ") + t);
        }
        const std::pair<const char*, int> sounds[] = {
            {"RS_A1", 10}, {"RS_A2", 20}, {"RS_A3", 30}, {"RS_NULL", 1}};
        for (const auto& s : sounds) {
            FixtureResource r;
            r.name = s.first;
            r.type = "Wav";
            r.filePath = std::string("sons\\") + s.first + ".wav";
            w.resources.push_back(r);
        }
        LoadFixtureWorld(w);
        std::filesystem::create_directory("sons");
        for (const auto& s : sounds) {
            WriteFile(std::string("sons/") + s.first + ".wav", OutputFormatWav(s.second, 0));
        }

        SetPersoObject("O_perso");
        PlacePerso(100, 200);  // standing: frames do not walk it away
        SetWalkTarget(100, 200);
        SetDialogueScene("S_Dialogue");
        SetChoiceObject1("O_paneau_select_1");
        SetChoiceObject2("O_paneau_select_2");
        SetChoiceObject3("O_paneau_select_3");
        for (int i = 1; i < kTextSlotCount; ++i) {
            ClearTextSlot(i);
        }
        for (SoundChannel& c : soundChannels) {
            std::free(c.buffer);
            c = SoundChannel{};
        }
        EndDialogue();
        calls.clear();
        endInCallback = false;
        UseSteppingClock(1000, 16);
    }
    void TearDown() override { UsePlatformClock(); }

    static void Click(const char* objectName)
    {
        clickTick = GetTicks();
        OnChoiceClicked(FindObject(objectName));
    }
};

TEST_F(DialogueTest, ClickOnAnAnswerSpeaksItPlaysItsSoundWaitsAndCallsBack)
{
    struct Case {
        const char* object;
        const char* text;
        uint32_t soundLength;
        int32_t index;
    };
    const Case cases[] = {
        {"O_paneau_select_1", "RT_A1", 40, 0},
        {"O_paneau_select_2", "RT_A2", 80, 1},
        {"O_paneau_select_3", "RT_D_NULL", 4, 2},  // an empty slot is an answer like any other
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.object);
        calls.clear();
        BeginDialogue();
        SetChoices("RT_A1", "RS_A1", "RT_A2", "RS_A2", "RT_D_NULL", "RS_NULL", RecordChoice);
        Click(c.object);

        ASSERT_EQ(calls.size(), 1u);
        const CallbackCall& call = calls[0];
        EXPECT_EQ(call.index, c.index);
        EXPECT_GE(call.elapsed, 2000u);
        EXPECT_LT(call.elapsed, 2000u + 16u);
        EXPECT_TRUE(call.line.active);
        EXPECT_EQ(call.line.text, FindRessourceIndex(c.text));
        EXPECT_EQ(call.line.box, 1);
        EXPECT_EQ(call.line.duration, 2000u);
        EXPECT_EQ(call.line.x, 110);
        EXPECT_EQ(call.line.y, 170);
        EXPECT_EQ(call.soundLength, c.soundLength);
        EXPECT_TRUE(call.answersShown);
    }
}

TEST_F(DialogueTest, WithoutACallbackOrOnAnotherObjectAClickDoesNothing)
{
    BeginDialogue();
    SetChoices("RT_A1", "RS_A1", "RT_A2", "RS_A2", "RT_A3", "RS_A3", nullptr);
    for (const char* name : {"O_paneau_select_1", "O_paneau_select_2", "O_paneau_select_3"}) {
        Click(name);
    }
    SetChoices("RT_A1", "RS_A1", "RT_A2", "RS_A2", "RT_A3", "RS_A3", RecordChoice);
    Click("O_panel_deco");

    EXPECT_TRUE(calls.empty());
    EXPECT_EQ(FindObject("O_perso").nTextSlot, 0);  // never spoke
    EXPECT_EQ(soundChannels[kEffectChannel].buffer, nullptr);
    EXPECT_EQ(GetTicks(), clickTick);  // no frame ran
}

TEST_F(DialogueTest, SetChoicesShowsTheAnswersWithoutChangingTheMode)
{
    SetChoices("RT_A1", "RS_A1", "RT_A2", "RS_A2", "RT_A3", "RS_A3", RecordChoice);
    EXPECT_FALSE(IsInDialogue());
    const char* texts[] = {"RT_A1", "RT_A2", "RT_A3"};
    for (int i = 0; i < 3; ++i) {
        std::string name = "O_paneau_select_" + std::to_string(i + 1);
        SCOPED_TRACE(name);
        const TextSlot& slot = SlotOf(name.c_str());
        EXPECT_TRUE(slot.active);
        EXPECT_EQ(slot.text, FindRessourceIndex(texts[i]));
        EXPECT_EQ(slot.duration, 200000u);
        EXPECT_EQ(slot.box, 0);
        EXPECT_EQ(slot.x, 25);
        EXPECT_EQ(slot.y, 380 + 25 * (i + 1) + 2);
    }
    BeginDialogue();
    EXPECT_TRUE(IsInDialogue());
}

TEST_F(DialogueTest, EndDialogueWithdrawsTheAnswersButNotTheLastLine)
{
    BeginDialogue();
    endInCallback = true;
    SetChoices("RT_A1", "RS_A1", "RT_A2", "RS_A2", "RT_A3", "RS_A3", RecordChoice);
    Click("O_paneau_select_2");

    ASSERT_EQ(calls.size(), 1u);
    EXPECT_FALSE(IsInDialogue());
    EXPECT_EQ(dialogue.callback, nullptr);
    for (const char* name : {"O_paneau_select_1", "O_paneau_select_2", "O_paneau_select_3"}) {
        EXPECT_EQ(SlotOf(name).duration, 0u) << name;
    }
    EXPECT_TRUE(SlotOf("O_barman").active);

    // The answers disappear within the next frames, the last line stays its time.
    WaitMs(50);
    for (const char* name : {"O_paneau_select_1", "O_paneau_select_2", "O_paneau_select_3"}) {
        EXPECT_FALSE(SlotOf(name).active) << name;
    }
    EXPECT_TRUE(SlotOf("O_barman").active);
    WaitMs(3000);
    EXPECT_FALSE(SlotOf("O_barman").active);

    // The stored answers stay until the next SetChoices; clicks do nothing now.
    EXPECT_STREQ(dialogue.text2, "RT_A2");
    Click("O_paneau_select_1");
    EXPECT_EQ(calls.size(), 1u);
}

TEST_F(DialogueTest, LongNamesAreCutToTheRecord)
{
    const std::string longName(400, 'x');
    SetChoices(longName.c_str(), longName.c_str(), "RT_A2", "RS_A2", "RT_A3", "RS_A3", nullptr);
    EXPECT_EQ(std::string(dialogue.text1), longName.substr(0, kChoiceNameSize - 1));
    EXPECT_EQ(std::string(dialogue.sound1), longName.substr(0, kChoiceNameSize - 1));
}
}
