// Stored milliseconds as the console program writes them.
#include "console/SettingText.h"

#include <gtest/gtest.h>

namespace
{
TEST(SettingTextTest, SecondsAreTheUnsignedMillisecondsOverAThousandExactly)
{
    const struct
    {
        DWORD milliseconds;
        int minDecimals;
        const char* seconds;
    } cases[] = {
        {2500, 1, "2.5"},
        {1000, 1, "1.0"},
        {0, 1, "0.0"},
        {49, 1, "0.049"},
        {150, 1, "0.15"},
        {250000, 1, "250.0"},
        {60000, 0, "60"},
        {180500, 0, "180.5"},
        {5, 0, "0.005"},
        {4294967295, 1, "4294967.295"},
        {4294967295, 0, "4294967.295"},
        {0, 0, "0"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ExactSeconds(c.milliseconds, c.minDecimals), c.seconds) << c.milliseconds;
}
} // namespace
