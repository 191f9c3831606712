// The values and queue names the console program accepts.
#include "console/SettingValues.h"

#include <host_calls.h>
#include <host_text.h>

#include <gtest/gtest.h>

namespace
{
TEST(SettingValuesTest, IntervalsInTenthsFromPointOneToTwoHundredForty)
{
    const struct
    {
        const char* text;
        DWORD milliseconds;
    } cases[] = {
        {"0.1", 100},    {"0.5", 500},      {"1", 1000},     {"2.5", 2500},
        {"240", 240000}, {"240.0", 240000}, {"007.5", 7500}, {"000000000000000000012", 12000},
        {"off", 0},      {"OFF", 0},        {"Off", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseIntervalSetting(c.text), c.milliseconds) << c.text;
}

TEST(SettingValuesTest, AnyOtherIntervalIsRefusedNotClamped)
{
    for (const char* text : {"",      "0",
                             "0.0",   "0.05",
                             "240.1", "241",
                             "250",   "99999999999999999999999",
                             "1.25",  "1.2.3",
                             "5.",    ".5",
                             "1,5",   "-1",
                             "+1",    " 1",
                             "1 ",    "1e2",
                             "0x10",  "inf",
                             "nan",   "of",
                             "offf",  "o ff",
                             "2.5s",  "\xef\xbc\x91",
                             "2.-"})
        EXPECT_FALSE(ParseIntervalSetting(text).has_value()) << '"' << text << '"';
}

TEST(SettingValuesTest, TimeoutsInWholeSecondsFromFiveToSixHundred)
{
    const struct
    {
        const char* text;
        std::optional<DWORD> milliseconds;
    } cases[] = {
        {"5", 5000},
        {"600", 600000},
        {"0060", 60000},
        {"4", std::nullopt},
        {"601", std::nullopt},
        {"0", std::nullopt},
        {"", std::nullopt},
        {"30.0", std::nullopt},
        {"30.5", std::nullopt},
        {"-5", std::nullopt},
        {"1e3", std::nullopt},
        {"off", std::nullopt},
        {"99999999999999999999", std::nullopt},
        {"60 ", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseTimeoutSetting(c.text), c.milliseconds) << '"' << c.text << '"';
}

TEST(SettingValuesTest, OnlyNamesThatOpenOneQueueAreQueueNames)
{
    const struct
    {
        const char* name;
        bool accepted;
    } cases[] = {
        {"Office Laser", true},
        {"\\\\printhost\\Office Laser", true},
        {"--", true},
        {"\xe4\xba\x8b\xe5\x8b\x99\xe6\x89\x80", true}, // a Japanese name
        {"", false},                                    // the local print server
        {"\\\\printhost", false},                       // that print server
        {"\\\\printhost\\", false},
        {"\\\\\\Office", false},
        {"\\\\printhost\\Office\\Laser", false},
        {"Office\\Laser", false},
        {"Office Laser,Job 12", false},
        {",XcvMonitor Local Port", false},
        {"\\\\printhost\\Office,LocalOnly", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsQueueName(c.name), c.accepted) << '"' << c.name << '"';
}

TEST(SettingValuesTest, TheMachineIsTheServerPartOfTheName)
{
    EXPECT_EQ(MachineOf("Office Laser"), "");
    EXPECT_EQ(MachineOf("\\\\printhost\\Office Laser"), "\\\\printhost");
    EXPECT_TRUE(SameMachine("\\\\PrintHost", "\\\\printhost"));
    EXPECT_TRUE(SameMachine("", ""));
    EXPECT_FALSE(SameMachine("\\\\printhost2", "\\\\printhost"));
    EXPECT_FALSE(SameMachine("", "\\\\printhost"));
}

// In code page 932 the second byte of a character can be 0x5C, the backslash's byte.
TEST(SettingValuesTest, DoubleByteCharactersAreReadWhole)
{
    host::ResetAll();
    host::text::UseShiftJisLeadBytes(true);
    const std::string software = "\x83\x5c\x83\x74\x83\x67"; // "software" in katakana
    EXPECT_TRUE(IsQueueName(software));
    EXPECT_TRUE(IsQueueName("\\\\printhost\\" + software));
    EXPECT_TRUE(IsQueueName("\\\\" + software + "\\Laser"));
    EXPECT_EQ(MachineOf("\\\\" + software + "\\Laser"), "\\\\" + software);
    EXPECT_FALSE(IsQueueName(software + "\\Laser"));
    // Trail bytes are no letters: 0x83 0x41 and 0x83 0x61 are different characters.
    EXPECT_FALSE(SameMachine("\\\\\x83\x41", "\\\\\x83\x61"));
    EXPECT_TRUE(SameMachine("\\\\\x83\x41X", "\\\\\x83\x41x"));
    host::ResetAll();
    EXPECT_FALSE(IsQueueName(software));
}
} // namespace
