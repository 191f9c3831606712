// OK stores what the spins hold and restarts the spooler; refusals and failures keep the stored
// pair as it was; Cancel changes nothing.
#include "DialogSession.h"

namespace
{
using host::services::Behaviour;

class ApplySettingsTest : public DialogSession
{
  protected:
    void SetUp() override
    {
        DialogSession::SetUp();
        Store(700, 180000);
    }

    static bool Restarted() { return Logged("StartService Spooler"); }

    // The texts of the message boxes shown, each checked to be the dialog's own error box.
    static std::vector<std::wstring> Messages()
    {
        std::vector<std::wstring> texts;
        for (const auto& box : host::MessageBoxes())
        {
            EXPECT_EQ(box.caption, L"Error");
            EXPECT_NE(box.owner, nullptr);
            texts.push_back(box.text);
        }
        return texts;
    }
};

const wchar_t kSaveFailed[] = L"The settings could not be saved to the printer. Check that you "
                              L"may change this printer's settings, then try again.";
const wchar_t kRestartFailed[] = L"The settings were saved, but the print spooler could not be "
                                 L"restarted. They take effect when the print spooler or the "
                                 L"computer is restarted.";
const wchar_t kSpoolerStopped[] = L"The settings were saved, but the print spooler was stopped and "
                                  L"could not be started again. Printing is stopped until the "
                                  L"print spooler is started or the computer is restarted.";

TEST_F(ApplySettingsTest, OkStoresTheSpinsAndRestartsTheSpooler)
{
    const struct
    {
        const char* what;
        std::function<void(DialogUser&)> change;
        DWORD interval, timeout;
    } cases[] = {
        {"unchanged", [](DialogUser&) {}, 700, 180000},
        {"2.55 stores its spin", [](DialogUser& u) { u.Paste(IDC_INTERVAL_EDIT, L"2.55"); }, 2500,
         180000},
        {"spin moved", [](DialogUser& u) { u.ClickSpinUp(IDC_TIMEOUT_SPIN); }, 700, 181000},
        {"Enable cleared", [](DialogUser& u) { u.Click(IDC_BACKGROUND_ENABLE); }, 0, 180000},
        {"an unfinished interval with Enable cleared",
         [](DialogUser& u) {
             u.Paste(IDC_INTERVAL_EDIT, L"0.");
             u.Click(IDC_BACKGROUND_ENABLE);
         },
         0, 180000},
        {"box replaced by 0.5 stores 0.5",
         [](DialogUser& u) { u.Paste(IDC_INTERVAL_EDIT, L"abc"); }, 500, 180000},
        {"pasted huge interval", [](DialogUser& u) { u.Paste(IDC_INTERVAL_EDIT, L"6553.7"); },
         240000, 180000},
        {"leading zero timeout", [](DialogUser& u) { u.Paste(IDC_TIMEOUT_EDIT, L"05"); }, 700,
         5000},
    };
    for (const auto& c : cases)
    {
        host::CallLog().clear();
        Store(700, 180000);
        const INT_PTR result = RunDialog([&](DialogUser& user) {
            c.change(user);
            user.Click(IDOK);
        });
        EXPECT_EQ(result, IDOK) << c.what;
        EXPECT_EQ(StoredInterval(), c.interval) << c.what;
        EXPECT_EQ(StoredTimeout(), c.timeout) << c.what;
        EXPECT_TRUE(Restarted()) << c.what;
    }
    EXPECT_TRUE(host::MessageBoxes().empty());
}

TEST_F(ApplySettingsTest, TheValuesAreStoredThenTheSpoolerRestartsUnderTheWaitCursor)
{
    RunDialog([](DialogUser& user) { user.Click(IDOK); });
    const auto& log = host::CallLog();
    const auto stop = std::find(log.begin(), log.end(), "ControlService Spooler 1");
    ASSERT_NE(stop, log.end());
    EXPECT_EQ(std::count(log.begin(), stop, "SetPrinterDataEx BackgroundStatusInterval"), 1);
    EXPECT_EQ(std::count(log.begin(), stop, "SetPrinterDataEx QuenloTimeout"), 1);
    EXPECT_EQ(std::count(stop, log.end(), "Sleep 3000"), 1);
    // The wait cursor shows for the whole restart, and only then.
    const std::vector<std::string> cursor = {"BeginWaitCursor", "EndWaitCursor"};
    std::vector<std::string> seen;
    std::copy_if(log.begin(), log.end(), std::back_inserter(seen), [](const std::string& call) {
        return call.find("WaitCursor") != std::string::npos;
    });
    EXPECT_EQ(seen, cursor);
    EXPECT_LT(std::find(log.begin(), log.end(), "BeginWaitCursor"), stop);
    EXPECT_GT(std::find(log.begin(), log.end(), "EndWaitCursor"),
              std::find(log.begin(), log.end(), "StartService Spooler"));
}

TEST_F(ApplySettingsTest, StoringWhatIsShownKeepsValuesThatRoundUp)
{
    Store(150, 180000);
    RunDialog([](DialogUser& user) { user.Click(IDOK); });
    EXPECT_EQ(StoredInterval(), 200u);
}

TEST_F(ApplySettingsTest, AnUnfinishedTextIsRefusedWithTheFocusOnItsBoxAndNothingStored)
{
    const struct
    {
        int edit;
        const wchar_t* text;
    } cases[] = {
        {IDC_INTERVAL_EDIT, L""}, {IDC_INTERVAL_EDIT, L"0"}, {IDC_INTERVAL_EDIT, L"0."},
        {IDC_TIMEOUT_EDIT, L""},  {IDC_TIMEOUT_EDIT, L"0"},  {IDC_TIMEOUT_EDIT, L"4"},
    };
    for (const auto& c : cases)
    {
        const INT_PTR result = RunDialog([&](DialogUser& user) {
            user.Paste(IDC_INTERVAL_EDIT, L"2.5"); // a valid interval that must not get stored
            user.Paste(c.edit, c.text);
            user.Click(IDOK);
            EXPECT_TRUE(user.HasFocusWithAllSelected(c.edit)) << c.text;
            EXPECT_TRUE(user.IsOpen()) << "dialog closed on " << c.text;
            user.Click(IDCANCEL);
        });
        EXPECT_EQ(result, IDCANCEL);
        EXPECT_EQ(host::spooler::StoreCount(), 0) << c.text;
        EXPECT_FALSE(Logged("ControlService Spooler 1")) << c.text;
    }
}

TEST_F(ApplySettingsTest, ASecondOkAfterCorrectingTheTimeoutStoresBoth)
{
    RunDialog([](DialogUser& user) {
        user.Paste(IDC_INTERVAL_EDIT, L"1.5");
        user.Paste(IDC_TIMEOUT_EDIT, L"3");
        user.Click(IDOK);
        user.Type(IDC_TIMEOUT_EDIT, L"30");
        user.Click(IDOK);
    });
    EXPECT_EQ(StoredInterval(), 1500u);
    EXPECT_EQ(StoredTimeout(), 30000u);
    EXPECT_TRUE(Restarted());
}

TEST_F(ApplySettingsTest, AFailedStoreIsReportedLeavesThePairAsItWasAndKeepsTheDialogOpen)
{
    for (const wchar_t* failing : {L"BackgroundStatusInterval", L"QuenloTimeout"})
    {
        host::ResetAll();
        host::spooler::AddQueue(kQueue);
        host::services::AddService(L"Spooler", SERVICE_RUNNING);
        Store(700, 180000);
        host::spooler::FailStores(kQueue, failing, ERROR_ACCESS_DENIED);
        const INT_PTR result = RunDialog([](DialogUser& user) {
            user.Paste(IDC_INTERVAL_EDIT, L"2.5");
            user.Paste(IDC_TIMEOUT_EDIT, L"30");
            user.Click(IDOK);
            EXPECT_TRUE(user.IsOpen());
            EXPECT_EQ(user.Text(IDC_INTERVAL_EDIT), L"2.5"); // what was typed is still there
            user.Click(IDCANCEL);
        });
        EXPECT_EQ(result, IDCANCEL) << failing;
        EXPECT_EQ(Messages(), std::vector<std::wstring>{kSaveFailed}) << failing;
        EXPECT_EQ(StoredInterval(), 700u) << failing;
        EXPECT_EQ(StoredTimeout(), 180000u) << failing;
        EXPECT_FALSE(Logged("ControlService Spooler 1")) << failing;
    }
}

TEST_F(ApplySettingsTest, AFailedRestartIsReportedAfterTheSettingsAreStoredAsWhatItLeft)
{
    const struct
    {
        const char* what;
        std::function<void()> arrange;
        bool startRequested;
        const wchar_t* message;
    } cases[] = {
        {"no rights on the service manager", [] { host::services::DenyManager(); }, false,
         kRestartFailed},
        {"no rights on the spooler", [] { host::services::DenyServices(); }, false, kRestartFailed},
        {"stop refused: still running",
         [] {
             host::services::AddService(L"Spooler", SERVICE_RUNNING,
                                        Behaviour{0, 0, false, true, false});
         },
         false, kRestartFailed},
        {"stop never completes: start skipped",
         [] {
             host::services::AddService(L"Spooler", SERVICE_RUNNING, Behaviour{-1, 0});
         },
         false, kSpoolerStopped},
        {"start never completes",
         [] {
             host::services::AddService(L"Spooler", SERVICE_RUNNING, Behaviour{0, -1});
         },
         true, kSpoolerStopped},
        {"start refused",
         [] {
             host::services::AddService(L"Spooler", SERVICE_RUNNING,
                                        Behaviour{0, 0, false, false, true});
         },
         true, kSpoolerStopped},
    };
    for (const auto& c : cases)
    {
        host::ResetAll();
        host::spooler::AddQueue(kQueue);
        host::services::AddService(L"Spooler", SERVICE_RUNNING);
        c.arrange();
        const INT_PTR result = RunDialog([](DialogUser& user) {
            user.Paste(IDC_TIMEOUT_EDIT, L"30");
            user.Click(IDOK);
        });
        EXPECT_EQ(result, IDOK) << c.what;
        EXPECT_EQ(StoredTimeout(), 30000u) << c.what;
        EXPECT_EQ(Messages(), std::vector<std::wstring>{c.message}) << c.what;
        EXPECT_EQ(Logged("StartService Spooler"), c.startRequested) << c.what;
        EXPECT_EQ(host::services::OpenHandles(), 0) << c.what;
    }
}

TEST_F(ApplySettingsTest, AStoppedSpoolerIsStartedWithoutAWarning)
{
    host::services::AddService(L"Spooler", SERVICE_STOPPED);
    RunDialog([](DialogUser& user) { user.Click(IDOK); });
    EXPECT_FALSE(Logged("ControlService Spooler 1"));
    EXPECT_TRUE(Restarted());
    EXPECT_EQ(host::services::State(L"Spooler"), static_cast<DWORD>(SERVICE_RUNNING));
    EXPECT_TRUE(host::MessageBoxes().empty());
}

TEST_F(ApplySettingsTest, CancelStoresNothingAndLeavesTheSpoolerAlone)
{
    for (const bool viaClose : {false, true})
    {
        host::CallLog().clear();
        const INT_PTR result = RunDialog([&](DialogUser& user) {
            user.Paste(IDC_INTERVAL_EDIT, L"9.9");
            user.Click(IDC_BACKGROUND_ENABLE);
            if (viaClose)
                user.CloseBox();
            else
                user.Click(IDCANCEL);
        });
        EXPECT_EQ(result, IDCANCEL);
        EXPECT_EQ(host::spooler::StoreCount(), 0);
        EXPECT_TRUE(host::CallLog().empty());
        EXPECT_EQ(StoredInterval(), 700u);
    }
}
} // namespace
