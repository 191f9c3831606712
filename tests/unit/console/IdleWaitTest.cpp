// The wait for idle before a restart, on a clock and counts of the test's own.
#include "console/IdleWait.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
using Looks = std::vector<std::optional<DWORD>>;

// Gives the counts in turn, each look taking lookMs by the clock, and each pause as long as asked.
class CTestWatch final : public CIdleWatch
{
  public:
    CTestWatch(const Looks& looks, ULONGLONG lookMs) : m_looks(looks), m_lookMs(lookMs) {}
    std::optional<DWORD> Count() override
    {
        m_clock += m_lookMs;
        return m_looks.at(looks++);
    }
    ULONGLONG Now() override { return m_clock; }
    void Pause(DWORD milliseconds) override
    {
        pauses.push_back(milliseconds);
        m_clock += milliseconds;
    }

    size_t looks = 1; // the first is the caller's
    std::vector<DWORD> pauses;

  private:
    const Looks& m_looks;
    const ULONGLONG m_lookMs;
    ULONGLONG m_clock = 5000;
};

TEST(IdleWaitTest, LooksAgainEverySecondUntilIdleOrTheClockSaysTheTimeIsUp)
{
    const std::optional<DWORD> unknown;
    const struct
    {
        const char* what;
        DWORD seconds;
        Looks looks;      // the first before the wait, then one after each pause
        ULONGLONG lookMs; // how long each look again takes
        std::optional<DWORD> left;
        std::vector<DWORD> pauses;
    } cases[] = {
        {"idle at once", 60, {0}, 0, 0, {}},
        {"ends early", 60, {3, 2, 0}, 0, 0, {1000, 1000}},
        {"gives up", 3, {2, 2, 2, 1}, 0, 1, {1000, 1000, 1000}},
        // By the clock, not by the pauses; the last look falls on the end.
        {"slow looks", 3, {2, 2, 2}, 1400, 2, {1000, 600}},
        {"no time to wait", 0, {4}, 0, 4, {}},
        {"a count that cannot be made", 60, {1, unknown}, 0, unknown, {1000}},
    };
    for (const auto& c : cases)
    {
        CTestWatch watch(c.looks, c.lookMs);
        EXPECT_EQ(WaitUntilIdle(c.looks.front(), c.seconds, watch), c.left) << c.what;
        EXPECT_EQ(watch.pauses, c.pauses) << c.what;
        EXPECT_EQ(watch.looks, c.looks.size()) << c.what;
    }
}
} // namespace
