// What the dialog makes of a stored value, as show reports it.
#include "console/DialogView.h"

#include <gtest/gtest.h>

namespace
{
TEST(DialogViewTest, IntervalsOutOfRangeOrBelowATenthComeUpAsTheDialogsReplacement)
{
    const struct
    {
        DWORD stored;
        DialogView view;
    } cases[] = {
        {0, {"off", 0}},
        {2500, {"2.5", 2500}},
        {100, {"0.1", 100}},
        {240000, {"240.0", 240000}},
        {49, {"0.5", 500}}, // 0.049 s shows as 0.0, which the box replaces
        {1, {"0.5", 500}},
        {50, {"0.1", 100}},  // 0.05 s rounds up to the lowest tenth
        {150, {"0.2", 200}}, // just above 0.15 in single precision: rounds up
        {450, {"0.4", 400}}, // just below 0.45: rounds down
        {240040, {"240.0", 240000}},
        {250000, {"240.0", 240000}},
        {0x7FFFFFFF, {"240.0", 240000}},
        {0x80000000, {"0.5", 500}}, // negative when read as signed
        {4294967295, {"0.5", 500}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IntervalInDialog(c.stored), c.view) << c.stored;
}

TEST(DialogViewTest, TimeoutsBelowFourAndAHalfSecondsAreTextsThatOkRefuses)
{
    const struct
    {
        DWORD stored;
        DialogView view;
    } cases[] = {
        {180000, {"180", 180000}},     {5000, {"5", 5000}},         {600000, {"600", 600000}},
        {0, {"0", std::nullopt}},      {3000, {"3", std::nullopt}}, {4499, {"4", std::nullopt}},
        {4500, {"5", 5000}}, // halfway rounds up to a valid text
        {180500, {"181", 181000}},     {600499, {"600", 600000}},   {700000, {"600", 600000}},
        {0x7FFFFFFF, {"600", 600000}}, {4294967295, {"5", 5000}}, // "-0": not a number for the box
        {0xFFFFFFF0, {"5", 5000}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TimeoutInDialog(c.stored), c.view) << c.stored;
}
} // namespace
