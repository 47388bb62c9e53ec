// Fixture of the configuration reader tests: a scratch folder, no archive, and
// helpers that load a text as the configuration.
#pragma once
#include <gtest/gtest.h>

#include <string>

#include "engine/archive/archive.h"
#include "engine/config/config_reader.h"
#include "engine/world/world.h"
#include "support/test_env.h"

// What every load of cfg.dat prints.
const std::string kLoadLines =
    "M_loadConfigFileInMem (cfg.dat)\nM_loadConfigFileInMem ok\n";

class ConfigReader : public testing::Test {
protected:
    void SetUp() override
    {
        MakeScratchDir();
        CloseArchive();
    }

    // Writes text as cfg.dat and loads it; *printed gets standard output.
    void Load(const std::string& text, std::string* printed = nullptr)
    {
        WriteFile("cfg.dat", text);
        testing::internal::CaptureStdout();
        EXPECT_EQ(M_loadConfig("cfg.dat"), 1);
        std::string out = testing::internal::GetCapturedStdout();
        if (printed != nullptr) {
            *printed = out;
        }
    }

    // Loads text as the lines only (no world tables) and resets the cursor.
    void Lines(const std::string& text)
    {
        WriteFile("cfg.dat", text);
        ASSERT_EQ(M_loadConfigFileInMem("cfg.dat"), 0);
        ConfigLines.cursor = ConfigCursor();
    }

    std::string Get(const char* section, const char* key, const char* def = "<default>")
    {
        char value[256];
        M_getConfigString(section, key, def, value, 255);
        return value;
    }
};
