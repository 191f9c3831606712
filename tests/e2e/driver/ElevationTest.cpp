// Elevation on demand, played under Wine. Wine never filters a token, so the program is started
// with the limited linked token of the driver's own; the stand-in store then refuses it full
// access, as Windows refuses a filtered administrator, and the stand-in shell (or Wine's own)
// answers its "runas".
#include "Controls.h"
#include "Fixtures.h"
#include "Prefix.h"
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

// A queue whose name survives only a wide relaunch: outside code page 932 and 1252, with a
// surrogate pair, and with quotes that the relaunch's parameters must escape.
const char kWideQueue[] = "Relaunch \"Q\" Принтер 🖨";

// The consent run, in both languages (so also under code page 932).
class LanguageElevation : public testing::Test
{
  protected:
    static void SetUpTestSuite() { s_added = AddQueue(kWideQueue); }
    static void TearDownTestSuite() { DeleteQueue(kWideQueue); }
    void SetUp() override { ASSERT_TRUE(s_added) << "AddPrinterW failed for " << kWideQueue; }

  private:
    static inline bool s_added = false;
};

TEST_F(LanguageElevation, AfterConsentTheDialogRunsInTheRelaunchedProgramAndOkStores)
{
    const StoredValuesKeeper keeper(kWideQueue);
    SetStoredValue(kWideQueue, kIntervalValue, 700);
    SetStoredValue(kWideQueue, kTimeoutValue, 180000);
    ASSERT_TRUE(StartSpooler());
    // A first argument whose quoting matters: were it passed on wrongly, the queue name after it
    // would not arrive whole.
    ToolRun run({"C:\\Vendor \"Driver\"\\", kWideQueue}, Limited(RunAs::Consent));
    const HWND dialog = run.Dialog();
    ASSERT_NE(dialog, nullptr) << "no dialog";
    const std::vector<DWORD> relaunches = run.Relaunches();
    ASSERT_EQ(relaunches.size(), 1u);
    EXPECT_EQ(OwnerOf(dialog), relaunches[0]) << "the dialog is not the relaunched program's";
    EXPECT_TRUE(run.Running()) << "the first program did not wait";
    for (HWND window : TopLevelWindows(run.ProcessId()))
        EXPECT_FALSE(IsWindowVisible(window)) << "the first program shows a window itself";

    const Controls c(dialog);
    EXPECT_EQ(TextOf(c.queue), kWideQueue);
    SetText(c.timeout, "90");
    PostClick(c.ok);
    EXPECT_EQ(run.WaitForExit(kRestartTimeoutMs), 0) << "the relaunch's status is not passed on";
    EXPECT_EQ(StoredValue(kWideQueue, kTimeoutValue), 90000u);
    EXPECT_EQ(StoredValue(kWideQueue, kIntervalValue), 700u);
}

// Runs that end in "The choosen printer could not be accessed…", shown once, and exit status 3.
struct Refusal
{
    const char* name;
    const char* queue;
    RunAs runAs;
    bool fromRelaunch; // shown by the one relaunched program, not by the first
};

using LanguageElevationRefused = ProgramTableTest<Refusal>;

TEST_P(LanguageElevationRefused, ShowsTheMessageOnceAndEndsWith3)
{
    const Refusal& row = GetParam();
    ToolRun run({"x", row.queue}, Limited(row.runAs));
    const MessageBoxSeen box = run.WaitForMessageBox();
    ASSERT_NE(box.window, nullptr) << "no message";
    EXPECT_EQ(box.text, Texts().notAccessible);
    EXPECT_EQ(box.caption, Texts().errorCaption);
    const std::vector<DWORD> relaunches = run.Relaunches();
    if (row.fromRelaunch)
    {
        ASSERT_EQ(relaunches.size(), 1u);
        EXPECT_EQ(OwnerOf(box.window), relaunches[0]) << "the message is not the relaunch's";
        EXPECT_TRUE(ChildProcesses(relaunches[0]).empty()) << "the relaunch relaunched again";
    }
    else
    {
        EXPECT_TRUE(relaunches.empty());
        EXPECT_EQ(OwnerOf(box.window), run.ProcessId());
    }
    ASSERT_TRUE(run.Dismiss(box));
    // A second message would keep the program from ending.
    EXPECT_EQ(run.WaitForExit(), 3);
}

// Wine's own "runas" starts the program limited again: the relaunch is denied too and reports
// it, but never relaunches itself.
INSTANTIATE_TEST_SUITE_P(
    Runs, LanguageElevationRefused,
    testing::Values(Refusal{"ConsentDeclined", kTestQueue, RunAs::Decline, false},
                    Refusal{"WinesOwnRunAsStillLimited", kTestQueue, RunAs::Wine, true},
                    Refusal{"NoPromptForAQueueThatDoesNotExist", kNoSuchQueue, RunAs::Consent,
                            false}),
    RowName());

using Elevation = ProgramTest;

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
