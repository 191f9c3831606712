// The values and queue names the console program accepts.
#include "console/SettingValues.h"

#include <host_text.h>

#include <gtest/gtest.h>

namespace
{
using host::text::FromAnsi;

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
        EXPECT_EQ(ParseIntervalSetting(FromAnsi(c.text)), c.milliseconds) << c.text;
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
        EXPECT_FALSE(ParseIntervalSetting(FromAnsi(text)).has_value()) << '"' << text << '"';
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
        EXPECT_EQ(ParseTimeoutSetting(FromAnsi(c.text)), c.milliseconds) << '"' << c.text << '"';
}
} // namespace
