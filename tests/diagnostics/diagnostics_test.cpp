// Diagnostics: the memory report's five lines, the trace file and the timing line.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <sys/stat.h>

#include "engine/core/diagnostics.h"
#include "engine/core/input.h"
#include "engine/core/platform_names.h"
#include "engine/core/startup.h"
#include "support/stage.h"
#include "support/test_env.h"

TEST(Diagnostics, MemoryReportWritesFiveLinesInWholeMebibytes)
{
    MemoryStatus s = {};
    s.load = 42;
    s.availPhys = (3ull << 20) + 12345;  // truncated to 3
    s.totalPhys = 8ull << 30;            // beyond 31 bits of bytes
    s.availPageFile = 0;
    s.totalPageFile = 1ull << 20;
    s.availVirtual = 2047ull << 20;
    s.totalVirtual = 4095ull << 20;
    std::string dir = MakeScratchDir(false);
    std::string path = dir + "/report.txt";
    FILE* out = std::fopen(path.c_str(), "w");
    ASSERT_NE(out, nullptr);
    WriteMemoryReport(out, "debut DoInit", s);
    std::fclose(out);
    EXPECT_EQ(ReadFile(path),
              "----> Bilan m\xe9moire debut DoInit ---\n"
              "MemoryLoad=42%\n"
              "FreePhys      =3 / 8192 Mo\n"
              "FreePageFile  =0 / 1 Mo\n"
              "FreeVirtual   =2047 / 4095 Mo\n");
}

TEST(Diagnostics, TraceFileReceivesReportsOnlyWhenOpen)
{
    MakeScratchDir(true);
    ASSERT_EQ(TraceFile, nullptr);
    MemoryReport("skipped");
    struct stat st;
    EXPECT_NE(stat(kTraceFileName, &st), 0) << "no trace file without -T";

    OpenTrace();
    ASSERT_NE(TraceFile, nullptr);
    MemoryReport("fin doInit");
    CloseTrace();
    EXPECT_EQ(TraceFile, nullptr);
    std::string text = ReadFile(kTraceFileName);
    EXPECT_EQ(text.rfind("----> Bilan m\xe9moire fin doInit ---\nMemoryLoad=", 0), 0u) << text;
    size_t lines = 0;
    for (char c : text) {
        lines += c == '\n';
    }
    EXPECT_EQ(lines, 5u);
    EXPECT_NE(text.find("\nFreePhys      ="), std::string::npos);
    EXPECT_NE(text.find("\nFreePageFile  ="), std::string::npos);
    EXPECT_NE(text.find("\nFreeVirtual   ="), std::string::npos);
}

TEST(Diagnostics, TimingLineShowsTimesAndRatesPerSixHundred)
{
    StartTestScreen();
    struct Case {
        int32_t frame, average;
        const char* text;
    };
    const Case cases[] = {
        {0, 0, "Aff=1ms (moy=1) f=600 (moy=600)"},
        {16, 20, "Aff=16ms (moy=20) f=37 (moy=30)"},
        {700, 1, "Aff=700ms (moy=1) f=0 (moy=600)"},
        {-3, 1, "Aff=-3ms (moy=1) f=-200 (moy=600)"},
    };
    for (const Case& c : cases) {
        DrawTimingLine(c.frame, c.average);
        EXPECT_STREQ(TimingLineText, c.text);
    }
}

TEST(Diagnostics, EveryFrameDrawsTheTimingLineOverTheCursor)
{
    FixtureWorld w = StageWorld();
    for (FixtureResource& r : w.resources) {
        if (r.name == "R_Font") {
            r.name = "R_OtherFont";
        }
    }
    w.AddFont("R_Font", {{'A', {8, 12, kGlyphColour, 0}}});  // only "A" of "Aff=" shows
    LoadStage(w);
    OnMouseMove(4, 4, 0);
    DoFrame();
    // The first frame counts from tick 0: the stepping clock started at 1000.
    EXPECT_STREQ(TimingLineText, "Aff=1020ms (moy=1) f=0 (moy=600)");
    DoFrame();
    EXPECT_STREQ(TimingLineText, "Aff=20ms (moy=10) f=30 (moy=60)");
    EXPECT_EQ(ProbeFond(6, 6), Mapped(kGlyphColour));
    EXPECT_EQ(ProbeFond(10, 10), Mapped(kMouseColour)) << "the cursor under it";
}
