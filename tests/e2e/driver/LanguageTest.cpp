// The cases whose texts depend on the user's language. The driver runs them once per language
// (--language=en and --language=ja, under LANG=ja_JP.UTF-8), since Wine 8 gives a started
// program the starting process's language whatever its environment says.
#include "AccessibleName.h"
#include "Controls.h"
#include "Fixtures.h"
#include "Session.h"
#include "Windows.h"

#include <optional>
#include <vector>

namespace e2e
{
namespace
{
TEST(LanguageOfTheRun, IsTheOneTheTextsAreCheckedIn)
{
    EXPECT_EQ(GetUserDefaultUILanguage(), Texts().language)
        << "the locale of the requested language is missing (LOCPATH, LANG)";
}

// Starts that end with one message box and no dialog.
struct RefusedStart
{
    const char* name;
    std::vector<std::string> arguments;
    Store store;
    const char* UiTexts::*text;
    long status;
};

using LanguageRefusedStart = ProgramTableTest<RefusedStart>;

TEST_P(LanguageRefusedStart, ShowsItsMessageAloneAndEndsWithItsStatus)
{
    const RefusedStart& row = GetParam();
    ToolRun run(row.arguments, {row.store, ""});
    ASSERT_TRUE(run.Started());
    const MessageBoxSeen box = run.WaitForMessageBox();
    ASSERT_NE(box.window, nullptr) << "no message box";
    EXPECT_EQ(box.caption, Texts().errorCaption);
    EXPECT_EQ(box.text, Texts().*row.text);
    EXPECT_EQ(run.VisibleWindows().size(), 1u) << "something besides the message box is shown";
    ASSERT_TRUE(run.Dismiss(box));
    EXPECT_EQ(run.WaitForExit(), row.status);
}

// Anything but the driver's two arguments asks to be started from the driver (status 2); a queue
// that does not exist cannot be accessed (status 3).
INSTANTIATE_TEST_SUITE_P(
    Starts, LanguageRefusedStart,
    testing::Values(
        RefusedStart{"NoArguments", {}, Store::StandIn, &UiTexts::startFromDriver, 2},
        RefusedStart{"OneArgument", {"x"}, Store::StandIn, &UiTexts::startFromDriver, 2},
        RefusedStart{
            "ThreeArguments", {"x", kTestQueue, "z"}, Store::StandIn, &UiTexts::startFromDriver, 2},
        RefusedStart{"UnknownQueueStandIn",
                     {"x", "No Such Printer"},
                     Store::StandIn,
                     &UiTexts::notAccessible,
                     3},
        RefusedStart{"UnknownQueueWineSpooler",
                     {"x", "No Such Printer"},
                     Store::WineSpooler,
                     &UiTexts::notAccessible,
                     3}),
    RowName());

using LanguageDialog = ProgramTest;

TEST_F(LanguageDialog, ComesFromTheTemplateOfTheLanguage)
{
    OpenDialog open;
    ASSERT_TRUE(open.Shown()) << "no dialog";
    const Controls& controls = open.controls;
    EXPECT_EQ(TextOf(controls.dialog), "Language Monitor Setting Tool");
    EXPECT_EQ(TextOf(controls.queue), kTestQueue);
    EXPECT_EQ(TextOf(controls.enable), Texts().enable);
    EXPECT_EQ(TextOf(controls.cancel), Texts().cancel);
    EXPECT_EQ(TextOf(controls.intervalUnit), Texts().unit);
    PostClick(controls.cancel);
    EXPECT_EQ(open.run.WaitForExit(), 1);
}

// Every input reads to a screen reader as what a user sees it by: the caption of Enable, OK and
// Cancel, and for a box and its spin the label on the box's row. The labels are found here by
// the template's order: each precedes its box, the interval's its unit.
TEST_F(LanguageDialog, NamesEveryInputAfterItsLabelForScreenReaders)
{
    OpenDialog open;
    ASSERT_TRUE(open.Shown()) << "no dialog";
    const Controls& c = open.controls;
    // Known divergence: 64-bit Wine 8 gives another process no accessible object for any control,
    // a plain button included, so there is nothing of the program's own to see.
    if (sizeof(void*) == 8 && AccessibleName(c.ok) == "<no object>")
        GTEST_SKIP() << "64-bit Wine passes no accessible object between processes";
    const HWND intervalLabel = GetWindow(c.intervalUnit, GW_HWNDPREV);
    const HWND timeoutLabel = GetWindow(c.timeout, GW_HWNDPREV);
    const struct
    {
        HWND input;
        HWND label;
    } inputs[] = {{c.enable, c.enable},
                  {c.queue, GetWindow(c.queue, GW_HWNDPREV)},
                  {c.interval, intervalLabel},
                  {c.intervalSpin, intervalLabel},
                  {c.timeout, timeoutLabel},
                  {c.timeoutSpin, timeoutLabel},
                  {c.ok, c.ok},
                  {c.cancel, c.cancel}};
    for (const auto& row : inputs)
    {
        const std::string label = TextOf(row.label);
        ASSERT_FALSE(label.empty()) << "control " << GetDlgCtrlID(row.input);
        EXPECT_EQ(AccessibleName(row.input), label) << "control " << GetDlgCtrlID(row.input);
    }
}

using LanguageStoreFailure = ProgramTest;

// Wine's own spooler refuses the key "\", so there every read gives the default and every store
// fails: the program must say so and let the user go on.
TEST_F(LanguageStoreFailure, IsReportedAndTheDialogStaysOpen)
{
    ASSERT_TRUE(StartSpooler());
    const DWORD spooler = SpoolerProcessId();
    OpenDialog open(kTestQueue, {Store::WineSpooler, ""});
    ASSERT_TRUE(open.Shown()) << "no dialog";
    const Controls& controls = open.controls;
    EXPECT_EQ(TextOf(controls.interval), "0.5");
    EXPECT_EQ(TextOf(controls.timeout), "180");

    PostClick(controls.ok);
    const MessageBoxSeen box = open.run.WaitForMessageBox();
    ASSERT_NE(box.window, nullptr) << "no message box";
    EXPECT_EQ(box.caption, Texts().errorCaption);
    EXPECT_EQ(box.text, Texts().saveFailed);
    ASSERT_TRUE(open.run.Dismiss(box));
    ASSERT_TRUE(Settle(controls.queue));
    EXPECT_TRUE(IsWindowVisible(controls.dialog));
    EXPECT_EQ(SpoolerProcessId(), spooler) << "the spooler was restarted";

    PostClick(controls.cancel);
    EXPECT_EQ(open.run.WaitForExit(), 1);
}

struct RestartFailure
{
    const char* name;
    bool spoolerLeftStopped;
};

using LanguageRestartFailure = ProgramTableTest<RestartFailure>;

// A spooler that stops but is disabled cannot start again: printing is stopped, and the warning
// must say so. One that cannot be stopped keeps running with the old settings: the warning says
// they take effect later.
TEST_P(LanguageRestartFailure, IsReportedAsWhatItLeftAfterStoringAndTheDialogCloses)
{
    const bool leftStopped = GetParam().spoolerLeftStopped;
    StoreSettings(700, 180000);
    ASSERT_TRUE(StartSpooler());
    std::optional<SpoolerDisabled> disabled;
    std::optional<SpoolerStandIn> stubborn;
    if (leftStopped)
        ASSERT_TRUE(disabled.emplace().Applied()) << "the spooler's start type cannot be changed";
    else
        ASSERT_TRUE(stubborn.emplace(BesideTheTool("spooler-standin.exe")).Running())
            << "the stubborn spooler did not start";
    OpenDialog open;
    ASSERT_TRUE(open.Shown()) << "no dialog";

    const MessageBoxSeen box = StoreNewValuesThroughOk(open.run, open.controls);
    ASSERT_NE(box.window, nullptr) << "no message box";
    EXPECT_EQ(box.caption, Texts().errorCaption);
    EXPECT_EQ(box.text, leftStopped ? Texts().spoolerStopped : Texts().restartFailed);
    ASSERT_TRUE(open.run.Dismiss(box));
    EXPECT_EQ(open.run.WaitForExit(), 0);
    EXPECT_EQ(StoredValue(kTestQueue, kIntervalValue), 1500u);
    EXPECT_EQ(StoredValue(kTestQueue, kTimeoutValue), 20000u);
    EXPECT_EQ(SpoolerProcessId() == 0, leftStopped);
}

INSTANTIATE_TEST_SUITE_P(Spoolers, LanguageRestartFailure,
                         testing::Values(RestartFailure{"StoppedAndDisabled", true},
                                         RestartFailure{"NotStoppable", false}),
                         RowName());
} // namespace
} // namespace e2e
