// The number rules: full stop as decimal point, double-precision products, halfway values away
// from zero, positions clamped before they are narrowed to 16 bits.
#include "settings/NumberText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace
{
TEST(NumberText, EveryIntervalTextFrom0_1To240_0GivesItsExactTenths)
{
    for (int tenths = 1; tenths <= 2400; ++tenths)
    {
        const std::string text = std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
        EXPECT_EQ(ClampedPosition(ParseDecimal(text) * 10.0, 1, 2400), tenths) << text;
    }
}

TEST(NumberText, ParseReadsTheLongestLeadingNumber)
{
    const struct
    {
        const char* text;
        double expected;
    } cases[] = {
        {"1.2.3", 1.2}, {".", 0.0},     {"", 0.0},        {".5", 0.5},     {"0.", 0.0},
        {"05", 5.0},    {"2.55", 2.55}, {"240.0", 240.0}, {"12..5", 12.0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseDecimal(c.text), c.expected) << '"' << c.text << '"';
}

TEST(NumberText, ParseOfNumbersBeyondADoubleMatchesAtof)
{
    EXPECT_TRUE(std::isinf(ParseDecimal(std::string(400, '9'))));
    EXPECT_EQ(ParseDecimal("0." + std::string(400, '0') + "1"), 0.0);
}

TEST(NumberText, FormatRoundsHalfwayAwayFromZeroOnTheExactBinaryValue)
{
    const struct
    {
        double value;
        int decimals;
        const char* expected;
    } cases[] = {
        {0.25, 1, "0.3"},
        {2.5, 0, "3"},
        {180.5, 0, "181"},
        {0.15f, 1, "0.2"}, // 0.15000000596
        {0.45f, 1, "0.4"}, // 0.44999998808
        {0.7f, 1, "0.7"},  // 0.69999998808
        {0.049f, 1, "0.0"},
        {0.05, 1, "0.1"}, // just above 0.05
        {240.0, 1, "240.0"},
        {0.0, 1, "0.0"},
        {3.0, 0, "3"},
        {4.4999, 0, "4"},
        {-0.001f, 1, "-0.0"},
        {-2.5, 0, "-3"},
        {2147483.75, 1, "2147483.8"},
        {9007199254740993.0, 1, "9007199254740992.0"}, // beyond 2^53: already whole
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatFixed(c.value, c.decimals), c.expected) << c.value;
}

TEST(NumberText, PositionsTruncateTowardZeroAndClampBeforeNarrowing)
{
    const struct
    {
        double value;
        short expected;
    } cases[] = {
        {25.5, 25},       {7.0, 7},       {6.9999, 6},     {0.0, 1},      {-5.0, 1},
        {65537, 2400},    {70000, 2400},  {2000000, 2400}, {1e300, 2400}, {NAN, 1},
        {INFINITY, 2400}, {-INFINITY, 1}, {2400.9, 2400},  {1.0, 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ClampedPosition(c.value, 1, 2400), c.expected) << c.value;
}

TEST(NumberText, StoredMillisecondsBecomeSinglePrecisionSeconds)
{
    EXPECT_EQ(MillisecondsToSeconds(700), 0.7f);
    EXPECT_EQ(MillisecondsToSeconds(150), 0.15f);
    EXPECT_EQ(MillisecondsToSeconds(180500), 180.5f);
    EXPECT_EQ(MillisecondsToSeconds(0xFFFFFFFF), -0.001f); // read as a signed number
    // Single precision lands just below 0.7, so the truncated tenths are one low.
    EXPECT_EQ(ClampedPosition(MillisecondsToSeconds(700) * 10.0, 1, 2400), 6);
}
} // namespace
