// The cases whose texts depend on the user's language. The driver runs them once per language
// (--language=en and --language=ja, under LANG=ja_JP.UTF-8), since Wine 8 gives a started
// program the starting process's language whatever its environment says.
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

struct WrongStart
{
    const char* name;
    std::vector<std::string> arguments;
};

using LanguageWrongStart = ProgramTableTest<WrongStart>;

TEST_P(LanguageWrongStart, AsksToBeStartedFromTheDriverAndEndsWithStatus2)
{
    ToolRun run(GetParam().arguments);
    ASSERT_TRUE(run.Started());
    const MessageBoxSeen box = run.WaitForMessageBox();
    ASSERT_NE(box.window, nullptr) << "no message box";
    EXPECT_EQ(box.caption, Texts().errorCaption);
    EXPECT_EQ(box.text, Texts().startFromDriver);
    EXPECT_EQ(run.VisibleWindows().size(), 1u) << "something besides the message box is shown";
    ASSERT_TRUE(run.Dismiss(box));
    EXPECT_EQ(run.WaitForExit(), 2);
}

INSTANTIATE_TEST_SUITE_P(Starts, LanguageWrongStart,
                         testing::Values(WrongStart{"NoArguments", {}},
                                         WrongStart{"OneArgument", {"x"}},
                                         WrongStart{"ThreeArguments", {"x", kTestQueue, "z"}}),
                         RowName());

struct UnknownQueue
{
    const char* name;
    Store store;
    const char* queue;
};

using LanguageUnknownQueue = ProgramTableTest<UnknownQueue>;

TEST_P(LanguageUnknownQueue, IsReportedWithoutADialogAndEndsWithStatus3)
{
    ToolRun run({"x", GetParam().queue}, {GetParam().store, ""});
    ASSERT_TRUE(run.Started());
    const MessageBoxSeen box = run.WaitForMessageBox();
    ASSERT_NE(box.window, nullptr) << "no message box";
    EXPECT_EQ(box.caption, Texts().errorCaption);
    EXPECT_EQ(box.text, Texts().notAccessible);
    EXPECT_EQ(run.VisibleWindows().size(), 1u) << "something besides the message box is shown";
    ASSERT_TRUE(run.Dismiss(box));
    EXPECT_EQ(run.WaitForExit(), 3);
}

INSTANTIATE_TEST_SUITE_P(Queues, LanguageUnknownQueue,
                         testing::Values(UnknownQueue{"StandIn", Store::StandIn, "No Such Printer"},
                                         UnknownQueue{"WineSpooler", Store::WineSpooler,
                                                      "No Such Printer"}),
                         RowName());

using LanguageDialog = ProgramTest;

TEST_F(LanguageDialog, ComesFromTheTemplateOfTheLanguage)
{
    ToolRun run({"x", kTestQueue});
    const HWND dialog = run.Dialog();
    ASSERT_NE(dialog, nullptr) << "no dialog";
    const Controls controls(dialog);
    EXPECT_EQ(TextOf(dialog), "Language Monitor Setting Tool");
    EXPECT_EQ(TextOf(controls.queue), kTestQueue);
    EXPECT_EQ(TextOf(controls.enable), Texts().enable);
    EXPECT_EQ(TextOf(controls.cancel), Texts().cancel);
    EXPECT_EQ(TextOf(controls.intervalUnit), Texts().unit);
    PostClick(controls.cancel);
    EXPECT_EQ(run.WaitForExit(), 1);
}

using LanguageStoreFailure = ProgramTest;

// Wine's own spooler refuses the key "\", so there every read gives the default and every store
// fails: the program must say so and let the user go on.
TEST_F(LanguageStoreFailure, IsReportedAndTheDialogStaysOpen)
{
    ASSERT_TRUE(StartSpooler());
    const DWORD spooler = SpoolerProcessId();
    ToolRun run({"x", kTestQueue}, {Store::WineSpooler, ""});
    const HWND dialog = run.Dialog();
    ASSERT_NE(dialog, nullptr) << "no dialog";
    const Controls controls(dialog);
    EXPECT_EQ(TextOf(controls.interval), "0.5");
    EXPECT_EQ(TextOf(controls.timeout), "180");

    PostClick(controls.ok);
    const MessageBoxSeen box = run.WaitForMessageBox();
    ASSERT_NE(box.window, nullptr) << "no message box";
    EXPECT_EQ(box.caption, Texts().errorCaption);
    EXPECT_EQ(box.text, Texts().saveFailed);
    ASSERT_TRUE(run.Dismiss(box));
    ASSERT_TRUE(Settle(controls.queue));
    EXPECT_TRUE(IsWindowVisible(dialog));
    EXPECT_EQ(SpoolerProcessId(), spooler) << "the spooler was restarted";

    PostClick(controls.cancel);
    EXPECT_EQ(run.WaitForExit(), 1);
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
    std::optional<SpoolerThatWillNotStop> stubborn;
    if (leftStopped)
        ASSERT_TRUE(disabled.emplace().Applied()) << "the spooler's start type cannot be changed";
    else
        ASSERT_TRUE(stubborn.emplace(BesideTheTool("stubborn-service.exe")).Running())
            << "the stubborn spooler did not start";
    ToolRun run({"x", kTestQueue});
    const HWND dialog = run.Dialog();
    ASSERT_NE(dialog, nullptr) << "no dialog";

    const MessageBoxSeen box = StoreNewValuesThroughOk(run, Controls(dialog));
    ASSERT_NE(box.window, nullptr) << "no message box";
    EXPECT_EQ(box.caption, Texts().errorCaption);
    EXPECT_EQ(box.text, leftStopped ? Texts().spoolerStopped : Texts().restartFailed);
    ASSERT_TRUE(run.Dismiss(box));
    EXPECT_EQ(run.WaitForExit(), 0);
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
