#include <gtest/gtest.h>

#include <string>

#include "engine/script/bound_names.h"

TEST(SpecialNames, SettersCutAt255Characters)
{
    struct Case {
        void (*setter)(const char*);
        const char* slot;
    };
    const Case cases[] = {
        {SetStartScene, specialNames.StartScene},
        {SetFontRes, specialNames.FontRes},
        {SetWalkRightRes, specialNames.WalkRightRes},
        {SetChoiceObject3, specialNames.ChoiceObject3},
    };
    const std::string longName(300, 'n');
    for (const Case& c : cases) {
        c.setter(longName.c_str());
        EXPECT_EQ(std::string(c.slot), std::string(255, 'n'));
        c.setter("short");
        EXPECT_EQ(std::string(c.slot), "short");
        EXPECT_EQ(c.slot[6], '\0');  // rest of the slot cleared
        EXPECT_EQ(c.slot[254], '\0');
    }
}
