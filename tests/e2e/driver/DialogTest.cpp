// The dialog as the user sees and works it: the stored values shown, the read-only queue box,
// typed texts checked at once, spin arrows and arrow keys, and the Enable check box.
#include "Controls.h"
#include "Fixtures.h"
#include "Windows.h"

#include <set>
#include <vector>

namespace e2e
{
namespace
{
struct Stored
{
    const char* name;
    std::optional<DWORD> interval;
    std::optional<DWORD> timeout;
    bool enabled;
    const char* intervalText;
    short intervalSpin;
    const char* timeoutText;
    short timeoutSpin;
};

using DialogShows = ProgramTableTest<Stored>;

TEST_P(DialogShows, TheStoredValuesInSeconds)
{
    const Stored& row = GetParam();
    StoreSettings(row.interval, row.timeout);
    const OpenDialog open;
    ASSERT_TRUE(open.Shown()) << "no dialog";
    const Controls& c = open.controls;
    EXPECT_EQ(IsChecked(c.enable), row.enabled);
    EXPECT_EQ(IsWindowEnabled(c.interval) != FALSE, row.enabled);
    EXPECT_EQ(IsWindowEnabled(c.intervalSpin) != FALSE, row.enabled);
    EXPECT_EQ(TextOf(c.interval), row.intervalText);
    EXPECT_EQ(SpinPosition(c.intervalSpin), row.intervalSpin);
    EXPECT_EQ(TextOf(c.timeout), row.timeoutText);
    EXPECT_EQ(SpinPosition(c.timeoutSpin), row.timeoutSpin);
}

INSTANTIATE_TEST_SUITE_P(
    Values, DialogShows,
    testing::Values(Stored{"Stored700And180000", 700, 180000, true, "0.7", 7, "180", 180},
                    Stored{"NothingStoredGivesTheDefaults", {}, {}, true, "0.5", 5, "180", 180},
                    Stored{"StoredZeroIsOff", 0, 30000, false, "0.5", 5, "30", 30},
                    Stored{"HalfwayValuesRoundUp", 250, 180500, true, "0.3", 3, "181", 181},
                    Stored{"SinglePrecisionRoundsDown", 450, 600000, true, "0.4", 4, "600", 600},
                    Stored{"AboveTheRangeShowsTheBound", 250000, 700000, true, "240.0", 2400, "600",
                           600}),
    RowName());

using DialogQueueBox = ProgramTest;

TEST_F(DialogQueueBox, ShowsTheQueueReadOnlyAndOutOfTheTabOrder)
{
    const OpenDialog open;
    ASSERT_TRUE(open.Shown()) << "no dialog";
    const Controls& c = open.controls;
    EXPECT_EQ(TextOf(c.queue), kTestQueue);
    EXPECT_NE(GetWindowLongW(c.queue, GWL_STYLE) & ES_READONLY, 0);

    std::set<HWND> reached;
    HWND item = GetNextDlgTabItem(c.dialog, nullptr, FALSE);
    for (int step = 0; step < 32 && item != nullptr && reached.insert(item).second; ++step)
        item = GetNextDlgTabItem(c.dialog, item, FALSE);
    EXPECT_EQ(reached.count(c.queue), 0u) << "Tab reaches the queue box";
    for (HWND stop : {c.enable, c.interval, c.timeout, c.ok, c.cancel})
        EXPECT_EQ(reached.count(stop), 1u) << "Tab does not reach control " << GetDlgCtrlID(stop);

    PostChar(c.queue, 'x');
    ASSERT_TRUE(Settle(c.queue));
    EXPECT_EQ(TextOf(c.queue), kTestQueue) << "the queue box took a typed key";
}

struct Typed
{
    const char* name;
    Box box;
    const char* text;
    const char* shown;
    short spin;
};

using DialogChecksTypedText = OnTheDialog<ProgramTableTest<Typed>>;

TEST_P(DialogChecksTypedText, AtOnce)
{
    const Typed& row = GetParam();
    SetText(EditOf(open->controls, row.box), row.text);
    EXPECT_EQ(TextOf(EditOf(open->controls, row.box)), row.shown);
    EXPECT_EQ(SpinPosition(SpinOf(open->controls, row.box)), row.spin);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, DialogChecksTypedText,
    testing::Values(Typed{"IntervalLetters", Box::Interval, "abc", "0.5", 5},
                    Typed{"IntervalTwoDecimals", Box::Interval, "2.55", "2.55", 25},
                    Typed{"IntervalTwoPoints", Box::Interval, "1.2.3", "1.2.3", 12},
                    Typed{"IntervalAboveTheRange", Box::Interval, "300", "240.0", 2400},
                    Typed{"IntervalSmallest", Box::Interval, "0.1", "0.1", 1},
                    Typed{"IntervalBelowTheRange", Box::Interval, "0.05", "0.5", 5},
                    Typed{"TimeoutDecimal", Box::Timeout, "7.5", "5", 5},
                    Typed{"TimeoutLeadingZeroBelowTheRange", Box::Timeout, "03", "5", 5},
                    Typed{"TimeoutLeadingZeroInTheRange", Box::Timeout, "05", "05", 5},
                    Typed{"TimeoutAboveTheRange", Box::Timeout, "1000", "600", 600},
                    Typed{"TimeoutNegative", Box::Timeout, "-1", "5", 5},
                    Typed{"TimeoutLeadingSpace", Box::Timeout, " 7", "5", 5}),
    RowName());

struct Keys
{
    const char* name;
    Box box;
    const char* keys;
    std::vector<const char*> texts; // the box's text after each key
    short spin;
};

using DialogChecksEachKey = OnTheDialog<ProgramTableTest<Keys>>;

TEST_P(DialogChecksEachKey, AsItIsTyped)
{
    const Keys& row = GetParam();
    const HWND edit = EditOf(open->controls, row.box);
    SetText(edit, "");
    for (size_t i = 0; row.keys[i] != '\0'; ++i)
    {
        PostChar(edit, row.keys[i]);
        ASSERT_TRUE(Settle(open->controls.queue));
        EXPECT_EQ(TextOf(edit), row.texts.at(i)) << "after key " << i + 1;
    }
    EXPECT_EQ(SpinPosition(SpinOf(open->controls, row.box)), row.spin);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, DialogChecksEachKey,
    testing::Values(
        Keys{"IntervalCannotGoBelowATenth", Box::Interval, "0.0", {"0", "0.", "0.5"}, 5},
        Keys{"IntervalStopsAtTheBound", Box::Interval, "245", {"2", "24", "240.0"}, 2400},
        Keys{"TimeoutPassesThroughOne", Box::Timeout, "120", {"1", "12", "120"}, 120}),
    RowName());

enum class Move
{
    ArrowClick,
    UpKey,
};

struct Step
{
    const char* name;
    Box box;
    Move move;
    const char* shown;
    short spin;
};

using DialogSpinStep = OnTheDialog<ProgramTableTest<Step>>;

TEST_P(DialogSpinStep, MovesByOneAndWritesTheBox)
{
    const Step& row = GetParam();
    const Controls& c = open->controls;
    if (row.move == Move::ArrowClick)
        PostSpinUpClick(SpinOf(c, row.box));
    else
        PostKey(EditOf(c, row.box), VK_UP);
    ASSERT_TRUE(Settle(c.queue));
    EXPECT_EQ(TextOf(EditOf(c, row.box)), row.shown);
    EXPECT_EQ(SpinPosition(SpinOf(c, row.box)), row.spin);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, DialogSpinStep,
    testing::Values(Step{"IntervalArrow", Box::Interval, Move::ArrowClick, "0.8", 8},
                    Step{"IntervalUpKey", Box::Interval, Move::UpKey, "0.8", 8},
                    Step{"TimeoutArrow", Box::Timeout, Move::ArrowClick, "181", 181},
                    Step{"TimeoutUpKey", Box::Timeout, Move::UpKey, "181", 181}),
    RowName());

struct Toggle
{
    const char* name;
    DWORD stored;
    const char* shownAfter;
    short spinAfter;
};

using DialogEnable = ProgramTableTest<Toggle>;

TEST_P(DialogEnable, OffAndOnShowsTheStoredIntervalNotTheTypedOne)
{
    const Toggle& row = GetParam();
    StoreSettings(row.stored, 180000);
    const OpenDialog open;
    ASSERT_TRUE(open.Shown()) << "no dialog";
    const Controls& c = open.controls;
    if (!IsChecked(c.enable))
    {
        PostClick(c.enable);
        ASSERT_TRUE(Settle(c.queue));
    }
    SetText(c.interval, "7.5");
    ASSERT_EQ(SpinPosition(c.intervalSpin), 75);

    PostClick(c.enable);
    ASSERT_TRUE(Settle(c.queue));
    EXPECT_FALSE(IsChecked(c.enable));
    EXPECT_FALSE(IsWindowEnabled(c.interval));
    EXPECT_FALSE(IsWindowEnabled(c.intervalSpin));
    EXPECT_EQ(TextOf(c.interval), "7.5") << "a disabled box keeps its text";

    PostClick(c.enable);
    ASSERT_TRUE(Settle(c.queue));
    EXPECT_TRUE(IsChecked(c.enable));
    EXPECT_TRUE(IsWindowEnabled(c.interval));
    EXPECT_TRUE(IsWindowEnabled(c.intervalSpin));
    EXPECT_EQ(TextOf(c.interval), row.shownAfter);
    EXPECT_EQ(SpinPosition(c.intervalSpin), row.spinAfter);
}

INSTANTIATE_TEST_SUITE_P(Stored, DialogEnable,
                         testing::Values(Toggle{"Stored700", 700, "0.7", 7},
                                         Toggle{"Stored2000", 2000, "2.0", 20},
                                         Toggle{"StoredZero", 0, "0.5", 5}),
                         RowName());
} // namespace
} // namespace e2e
