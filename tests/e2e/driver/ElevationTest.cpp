// Elevation on demand, played under Wine. Wine never filters a token, so the program is started
// with the limited linked token of the driver's own; the stand-in store then refuses it full
// access, as Windows refuses a filtered administrator, and the stand-in shell (or Wine's own)
// answers its "runas".
#include "Controls.h"
#include "Fixtures.h"
#include "Session.h"
#include "Wait.h"
#include "Windows.h"

#include <vector>

namespace e2e
{
namespace
{
const char kNoSuchQueue[] = "No Such Printer";

DWORD OwnerOf(HWND window)
{
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    return processId;
}

RunOptions Limited(RunAs runAs)
{
    RunOptions options;
    options.token = Token::Limited;
    options.runAs = runAs;
    return options;
}

using Elevation = ProgramTest;

TEST_F(Elevation, AfterConsentTheDialogRunsInTheRelaunchedProgramAndOkStores)
{
    StoreSettings(700, 180000);
    ASSERT_TRUE(StartSpooler());
    ToolRun run({"x", kTestQueue}, Limited(RunAs::Consent));
    const HWND dialog = run.Dialog();
    ASSERT_NE(dialog, nullptr) << "no dialog";
    const std::vector<DWORD> relaunches = run.Relaunches();
    ASSERT_EQ(relaunches.size(), 1u);
    EXPECT_EQ(OwnerOf(dialog), relaunches[0]) << "the dialog is not the relaunched program's";
    EXPECT_TRUE(run.Running()) << "the first program did not wait";
    for (HWND window : TopLevelWindows(run.ProcessId()))
        EXPECT_FALSE(IsWindowVisible(window)) << "the first program shows a window itself";

    const Controls c(dialog);
    SetText(c.timeout, "90");
    PostClick(c.ok);
    EXPECT_EQ(run.WaitForExit(kRestartTimeoutMs), 0) << "the relaunch's status is not passed on";
    EXPECT_EQ(StoredValue(kTestQueue, kTimeoutValue), 90000u);
    EXPECT_EQ(StoredValue(kTestQueue, kIntervalValue), 700u);
}

TEST_F(Elevation, ADeclinedPromptShowsTheMessageOnceAndEndsWith3)
{
    ToolRun run({"x", kTestQueue}, Limited(RunAs::Decline));
    const MessageBoxSeen box = run.WaitForMessageBox();
    ASSERT_NE(box.window, nullptr) << "no message";
    EXPECT_EQ(box.text, Texts().notAccessible);
    EXPECT_EQ(box.caption, Texts().errorCaption);
    EXPECT_EQ(OwnerOf(box.window), run.ProcessId());
    EXPECT_TRUE(run.Relaunches().empty());
    ASSERT_TRUE(run.Dismiss(box));
    // A second message would keep the program from ending.
    EXPECT_EQ(run.WaitForExit(), 3);
}

TEST_F(Elevation, WinesOwnRunAsEndsInOneRelaunchAndOneMessage)
{
    // Wine's "runas" starts the program limited again; the relaunch is denied too and reports it,
    // but never relaunches itself.
    ToolRun run({"x", kTestQueue}, Limited(RunAs::Wine));
    const MessageBoxSeen box = run.WaitForMessageBox();
    ASSERT_NE(box.window, nullptr) << "no message";
    EXPECT_EQ(box.text, Texts().notAccessible);
    const std::vector<DWORD> relaunches = run.Relaunches();
    ASSERT_EQ(relaunches.size(), 1u);
    EXPECT_EQ(OwnerOf(box.window), relaunches[0]) << "the message is not the relaunch's";
    EXPECT_TRUE(ChildProcesses(relaunches[0]).empty()) << "the relaunch relaunched again";
    ASSERT_TRUE(run.Dismiss(box));
    EXPECT_EQ(run.WaitForExit(), 3);
}

TEST_F(Elevation, NoPromptForAQueueThatDoesNotExist)
{
    ToolRun run({"x", kNoSuchQueue}, Limited(RunAs::Consent));
    const MessageBoxSeen box = run.WaitForMessageBox();
    ASSERT_NE(box.window, nullptr) << "no message";
    EXPECT_EQ(box.text, Texts().notAccessible);
    EXPECT_EQ(OwnerOf(box.window), run.ProcessId());
    EXPECT_TRUE(run.Relaunches().empty());
    ASSERT_TRUE(run.Dismiss(box));
    EXPECT_EQ(run.WaitForExit(), 3);
}

TEST_F(Elevation, NoPromptWhenAlreadyElevated)
{
    RunOptions options;
    options.runAs = RunAs::Consent;
    ToolRun run({"x", kTestQueue}, options);
    const HWND dialog = run.Dialog();
    ASSERT_NE(dialog, nullptr) << "no dialog";
    EXPECT_EQ(OwnerOf(dialog), run.ProcessId());
    EXPECT_TRUE(run.Relaunches().empty());
    PostClick(Controls(dialog).cancel);
    EXPECT_EQ(run.WaitForExit(), 1);
}
} // namespace
} // namespace e2e
