// The values and queue names the console program accepts.
#include "console/SettingValues.h"

#include <host_text.h>

#include <gtest/gtest.h>

namespace
{
using host::text::FromAnsi;
using host::text::Utf16;

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
        {"事務所", true},
        {"Büro – 2F", true},
        {"\\\\プリントサーバー\\プリンタ①", true},
        {"Quote \"Q\" Printer", true},
        {"Emoji 🖨 Printer", true},
        {"", false},              // the local print server
        {"\\\\printhost", false}, // that print server
        {"\\\\printhost\\", false},
        {"\\\\\\Office", false},
        {"\\\\printhost\\Office\\Laser", false},
        {"Office\\Laser", false},
        {"Office Laser,Job 12", false},
        {",XcvMonitor Local Port", false},
        {"\\\\printhost\\Office,LocalOnly", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsQueueName(FromAnsi(c.name)), c.accepted) << '"' << c.name << '"';
}

TEST(SettingValuesTest, TheMachineIsTheServerPartOfTheName)
{
    EXPECT_EQ(MachineOf(L"Office Laser"), L"");
    EXPECT_EQ(MachineOf(L"\\\\printhost\\Office Laser"), L"\\\\printhost");
    EXPECT_EQ(MachineOf(Utf16(u"\\\\プリントサーバー\\Laser")), Utf16(u"\\\\プリントサーバー"));
}

TEST(SettingValuesTest, NamesAreTheSameWhateverTheCaseOfTheirAsciiLetters)
{
    EXPECT_TRUE(SameName(L"\\\\PrintHost", L"\\\\printhost"));
    EXPECT_TRUE(SameName(L"", L""));
    EXPECT_FALSE(SameName(L"\\\\printhost2", L"\\\\printhost"));
    EXPECT_FALSE(SameName(L"", L"\\\\printhost"));
    EXPECT_FALSE(SameName(Utf16(u"Büro"), Utf16(u"BÜro")));
    // A surrogate pair is compared unit by unit, never folded.
    EXPECT_TRUE(SameName(Utf16(u"🖨 A"), Utf16(u"🖨 a")));
    EXPECT_FALSE(SameName(Utf16(u"🖨"), Utf16(u"🖧")));
}
} // namespace
