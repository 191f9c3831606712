// What the dialog makes of a stored value, as show reports it.
#include "../DialogSession.h"

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
        {0, {L"off", 0}},
        {2500, {L"2.5", 2500}},
        {100, {L"0.1", 100}},
        {240000, {L"240.0", 240000}},
        {49, {L"0.5", 500}}, // 0.049 s shows as 0.0, which the box replaces
        {1, {L"0.5", 500}},
        {50, {L"0.1", 100}},  // 0.05 s rounds up to the lowest tenth
        {150, {L"0.2", 200}}, // just above 0.15 in single precision: rounds up
        {450, {L"0.4", 400}}, // just below 0.45: rounds down
        {240040, {L"240.0", 240000}},
        {250000, {L"240.0", 240000}},
        {0x7FFFFFFF, {L"240.0", 240000}},
        {0x80000000, {L"0.5", 500}}, // negative when read as signed
        {4294967295, {L"0.5", 500}},
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
    } cases[] =
        {
            {180000, {L"180", 180000}},   {5000, {L"5", 5000}},
            {600000, {L"600", 600000}},   {0, {L"0", std::nullopt}},
            {3000, {L"3", std::nullopt}}, {4499, {L"4", std::nullopt}},
            {4500, {L"5", 5000}}, // halfway rounds up to a valid text
            {180500, {L"181", 181000}},   {600499, {L"600", 600000}},
            {700000, {L"600", 600000}},   {0x7FFFFFFF, {L"600", 600000}},
            {4294967295, {L"5", 5000}}, // "-0": not a number for the box
            {0xFFFFFFF0, {L"5", 5000}},
        };
    for (const auto& c : cases)
        EXPECT_EQ(TimeoutInDialog(c.stored), c.view) << c.stored;
}
// The account above held against the dialog itself: what its boxes show after it has started,
// and what OK stores (nothing, with the dialog still open, when OK refuses a box).
class DialogViewAgainstTheDialogTest : public DialogSession
{
  protected:
    struct Seen
    {
        std::wstring interval; // "off" when Enable is clear
        std::wstring timeout;
        bool stored; // OK closed the dialog; it refuses a box by staying open
    };

    static Seen OpenAndPressOk(DWORD interval, DWORD timeout)
    {
        Store(interval, timeout);
        Seen seen{};
        RunDialog([&](DialogUser& user) {
            seen.interval =
                user.Checked(IDC_BACKGROUND_ENABLE) ? user.Text(IDC_INTERVAL_EDIT) : L"off";
            seen.timeout = user.Text(IDC_TIMEOUT_EDIT);
            user.Click(IDOK);
            seen.stored = !user.IsOpen();
            if (!seen.stored)
                user.Click(IDCANCEL);
        });
        return seen;
    }
};

TEST_F(DialogViewAgainstTheDialogTest, IntervalsComeUpAndAreStoredAsShowSays)
{
    std::vector<DWORD> intervals = {240000,     240040,     240050,    250000,
                                    0x7FFFFFFF, 0x80000000, 0xFFFFFFFF};
    for (DWORD ms = 0; ms <= 3000; ++ms)
        intervals.push_back(ms);
    for (DWORD ms = 3000; ms <= 260000; ms += 97)
        intervals.push_back(ms);
    for (const DWORD ms : intervals)
    {
        SetUp();
        const Seen seen = OpenAndPressOk(ms, 60000);
        const DialogView view = IntervalInDialog(ms);
        ASSERT_EQ(seen.interval, view.shown) << ms;
        ASSERT_TRUE(seen.stored) << ms;
        ASSERT_EQ(StoredInterval(), view.okStores) << ms;
    }
}

TEST_F(DialogViewAgainstTheDialogTest, TimeoutsComeUpAndAreStoredAsShowSays)
{
    std::vector<DWORD> timeouts = {180500,     600000,     600499,     600500,    700000,
                                   0x7FFFFFFF, 0x80000000, 0xFFFFFFF0, 0xFFFFFFFF};
    for (DWORD ms = 0; ms <= 8000; ++ms)
        timeouts.push_back(ms);
    for (DWORD ms = 8000; ms <= 700000; ms += 997)
        timeouts.push_back(ms);
    for (const DWORD ms : timeouts)
    {
        SetUp();
        const Seen seen = OpenAndPressOk(1000, ms);
        const DialogView view = TimeoutInDialog(ms);
        ASSERT_EQ(seen.timeout, view.shown) << ms;
        ASSERT_EQ(seen.stored, view.okStores.has_value()) << ms;
        ASSERT_EQ(StoredTimeout(), view.okStores.value_or(ms)) << ms;
    }
}
} // namespace
