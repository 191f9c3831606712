// OK stores what the spins hold and restarts the spooler; refusals and failures keep the stored
// pair as it was; Cancel changes nothing.
#include "DialogSession.h"

#include "resources/ResourceString.h"

#include <host_text.h>

namespace
{
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
            EXPECT_EQ(box.caption, LoadResourceString(IDS_ERROR_CAPTION));
            EXPECT_NE(box.owner, nullptr);
            texts.push_back(box.text);
        }
        return texts;
    }
    // The string's text, alone or (for 0) none.
    static std::vector<std::wstring> Only(UINT id)
    {
        return id != 0 ? std::vector<std::wstring>{LoadResourceString(id)}
                       : std::vector<std::wstring>{};
    }
};

TEST_F(ApplySettingsTest, OkStoresTheSpinsAndRestartsTheSpooler)
{
    const struct
    {
        const char* what;
        std::function<void(DialogUser&)> change;
        DWORD interval, timeout;
    } cases[] = {
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

TEST_F(ApplySettingsTest, TheValuesAreStoredThenTheSpoolerRestartsWhileTheDialogSaysSo)
{
    RunDialog([](DialogUser& user) {
        user.Paste(IDC_TIMEOUT_EDIT, L"30");
        user.Click(IDOK);
    });
    const auto& log = host::CallLog();
    const auto stop = std::find(log.begin(), log.end(), "ControlService Spooler 1");
    ASSERT_NE(stop, log.end());
    EXPECT_EQ(std::count(log.begin(), stop, "SetPrinterDataEx BackgroundStatusInterval"), 1);
    EXPECT_EQ(std::count(log.begin(), stop, "SetPrinterDataEx QuenloTimeout"), 1);
    EXPECT_EQ(std::count(stop, log.end(), "Sleep 3000"), 1);
    // The dialog is busy, saying so, for the whole restart and only then.
    const auto busy =
        std::find(log.begin(), log.end(),
                  "Busy " + host::text::ToAnsi(LoadResourceString(IDS_RESTARTING_SPOOLER)));
    const auto idle = std::find(log.begin(), log.end(), "Busy ends");
    EXPECT_LT(busy, std::find(log.begin(), log.end(), "EnumDependentServices Spooler"));
    EXPECT_GT(idle, std::find(log.begin(), log.end(), "StartService Spooler"));
    EXPECT_NE(idle, log.end());
}

struct Held
{
    const char* name;
    std::optional<host::spooler::Value> interval, timeout; // what the queue holds before OK
    const wchar_t* typedTimeout;                           // null: the box left as shown
    bool changes;
};

class OkWhenTheQueueHolds : public ApplySettingsTest, public ::testing::WithParamInterface<Held>
{
  protected:
    void SetUp() override { DialogSession::SetUp(); }
};

// OK stores what it shows; what the queue already holds in exactly that form is left alone.
TEST_P(OkWhenTheQueueHolds, StoresAndRestartsOnlyWhenAValueDiffersInNumberTypeOrSize)
{
    const Held& row = GetParam();
    if (row.interval)
        host::spooler::SetValue(kQueue, L"\\", L"BackgroundStatusInterval", *row.interval);
    if (row.timeout)
        host::spooler::SetValue(kQueue, L"\\", L"QuenloTimeout", *row.timeout);
    const INT_PTR result = RunDialog([&](DialogUser& user) {
        if (row.typedTimeout != nullptr)
            user.Paste(IDC_TIMEOUT_EDIT, row.typedTimeout);
        user.Click(IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(StoreCalls(), row.changes ? 2 : 0);
    EXPECT_EQ(Logged("ControlService Spooler 1"), row.changes);
    EXPECT_TRUE(StoredInterval() && StoredTimeout()) << "not both 4-byte REG_DWORDs";
    EXPECT_TRUE(host::MessageBoxes().empty());
}

const host::spooler::Value kDword700 = {REG_DWORD, {0xBC, 0x02, 0, 0}};
const host::spooler::Value kDword180000 = {REG_DWORD, {0x20, 0xBF, 0x02, 0}};

INSTANTIATE_TEST_SUITE_P(
    Values, OkWhenTheQueueHolds,
    ::testing::Values(Held{"TheSameNumbers", kDword700, kDword180000, nullptr, false},
                      Held{"NoInterval", std::nullopt, kDword180000, nullptr, true},
                      Held{"IntervalOfAnotherType",
                           host::spooler::Value{REG_BINARY, {0xBC, 0x02, 0, 0}}, kDword180000,
                           nullptr, true},
                      // Three bytes read as the same number, but OK stores four.
                      Held{"TimeoutOfAnotherSize", kDword700,
                           host::spooler::Value{REG_DWORD, {0x20, 0xBF, 0x02}}, nullptr, true},
                      Held{"ATimeoutTyped", kDword700, kDword180000, L"30", true}),
    [](const ::testing::TestParamInfo<Held>& info) { return std::string(info.param.name); });

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
        EXPECT_EQ(StoreCalls(), 0) << c.text;
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
        SetUp();
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
        EXPECT_EQ(Messages(), Only(IDS_SAVE_FAILED)) << failing;
        EXPECT_EQ(StoredInterval(), 700u) << failing;
        EXPECT_EQ(StoredTimeout(), 180000u) << failing;
        EXPECT_FALSE(Logged("ControlService Spooler 1")) << failing;
    }
}

// The restart's outcomes themselves are ServiceTest's; here, one case of each.
TEST_F(ApplySettingsTest, TheRestartIsReportedAfterTheSettingsAreStoredAsWhatItLeft)
{
    using namespace host::services;
    const struct
    {
        const char* what;
        DWORD state;
        Behaviour behaviour;
        void (*deny)();
        DWORD spooler; // its state after OK
        UINT message;  // the string shown, 0 for none
    } cases[] = {
        {"no rights on the service manager",
         SERVICE_RUNNING,
         {},
         DenyManager,
         SERVICE_RUNNING,
         IDS_RESTART_FAILED},
        {"start refused", SERVICE_RUNNING, kStartRefused, nullptr, SERVICE_STOPPED,
         IDS_SPOOLER_STOPPED},
        {"already stopped: started without a warning",
         SERVICE_STOPPED,
         {},
         nullptr,
         SERVICE_RUNNING,
         0},
    };
    for (const auto& c : cases)
    {
        SetUp();
        AddService(L"Spooler", c.state, c.behaviour);
        if (c.deny != nullptr)
            c.deny();
        const INT_PTR result = RunDialog([](DialogUser& user) {
            user.Paste(IDC_TIMEOUT_EDIT, L"30");
            user.Click(IDOK);
        });
        EXPECT_EQ(result, IDOK) << c.what;
        EXPECT_EQ(StoredTimeout(), 30000u) << c.what;
        EXPECT_EQ(Messages(), Only(c.message)) << c.what;
        EXPECT_EQ(State(L"Spooler"), c.spooler) << c.what;
        EXPECT_EQ(OpenHandles(), 0) << c.what;
    }
}

TEST_F(ApplySettingsTest, APrintServersQueueHasThatServersSpoolerRestartedAndItsMessageNamesIt)
{
    const wchar_t kServerQueue[] = L"\\\\printhost\\Front Desk";
    host::spooler::AddQueue(kServerQueue);
    host::services::AddMachine(L"\\\\printhost");
    host::services::AddService(L"Fax", SERVICE_RUNNING, host::services::kStartRefused,
                               {L"Spooler"});
    CPrinterInfo printer(kServerQueue);
    host::SetModalDriver([](DialogUser& user) {
        user.Paste(IDC_TIMEOUT_EDIT, L"30");
        user.Click(IDOK);
    });
    EXPECT_EQ(RunSettingsDialog(printer), IDOK);
    EXPECT_TRUE(Logged("ControlService Spooler@\\\\printhost 1"));
    EXPECT_FALSE(Logged("ControlService Spooler 1"));
    EXPECT_EQ(Messages(), std::vector<std::wstring>{Message(
                              IDS_ON_PRINT_SERVER,
                              {L"\\\\printhost", Message(IDS_DEPENDENTS_LEFT_STOPPED, {L"Fax"})})});
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
        EXPECT_EQ(StoreCalls(), 0);
        EXPECT_TRUE(host::CallLog().empty());
        EXPECT_EQ(StoredInterval(), 700u);
    }
}
} // namespace
