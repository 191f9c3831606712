// set: stores what differs, all or nothing per queue, and restarts only where it stored.
#include "ConsoleSession.h"

namespace
{
using namespace consoletest;

const char kRemote[] = "\\\\printhost\\Front Desk";

class SetCommandTest : public ConsoleSession
{
};

TEST_F(SetCommandTest, StoresExactlyTheValuesGivenAndRestartsOnce)
{
    const struct
    {
        std::vector<std::string> options;
        std::optional<DWORD> interval;
        std::optional<DWORD> timeout;
        const char* said;
    } cases[] = {
        {{"--interval", "2.5", "--timeout", "60"}, 2500, 60000, "interval 2.5 s, timeout 60 s"},
        {{"--interval", "off", "--timeout", "600"},
         0,
         600000,
         "background status off, timeout 600 s"},
        // The value not given is not written, so an unset value stays unset.
        {{"--timeout", "5"}, std::nullopt, 5000, "timeout 5 s"},
        {{"--interval", "240.0"}, 240000, std::nullopt, "interval 240.0 s"},
        {{"--interval=OFF"}, 0, std::nullopt, "background status off"},
    };
    for (const auto& c : cases)
    {
        SetUp();
        std::vector<std::string> args = {"set", kQueueName};
        args.insert(args.end(), c.options.begin(), c.options.end());
        EXPECT_EQ(Run(args), kExitDone) << c.said;
        EXPECT_EQ(StoredInterval(), c.interval) << c.said;
        EXPECT_EQ(StoredTimeout(), c.timeout) << c.said;
        EXPECT_EQ(host::spooler::DesiredAccesses(),
                  std::vector<DWORD>{static_cast<DWORD>(PRINTER_ALL_ACCESS)});
        EXPECT_EQ(Out(), std::string("Office Laser: settings stored (") + c.said +
                             ").\n"
                             "This computer: restarting the print spooler...\n"
                             "This computer: the print spooler was restarted.\n");
        EXPECT_EQ(Err(), "") << c.said;
        EXPECT_EQ(Restarts(), 1) << c.said;
        EXPECT_EQ(host::services::State(L"Spooler"), static_cast<DWORD>(SERVICE_RUNNING));
    }
}

TEST_F(SetCommandTest, ASecondIdenticalSetWritesNothingAndRestartsNothing)
{
    const std::vector<std::string> args = {"set", kQueueName,  "--interval",
                                           "2.5", "--timeout", "60"};
    EXPECT_EQ(Run(args), kExitDone);
    const DWORD spooler = host::services::ProcessId(L"Spooler");
    host::CallLog().clear();

    EXPECT_EQ(Run(args), kExitDone);
    EXPECT_EQ(host::services::ProcessId(L"Spooler"), spooler);
    EXPECT_EQ(Restarts(), 0);
    EXPECT_TRUE(host::CallLog().empty());
    EXPECT_EQ(Out(), "Office Laser: unchanged, it already holds these settings.\n");
    EXPECT_EQ(Err(), "");
}

TEST_F(SetCommandTest, OnlyTheValueThatDiffersIsWritten)
{
    const struct
    {
        std::optional<DWORD> interval, timeout; // stored before
        std::vector<std::string> calls;
        const char* said;
    } cases[] = {
        {2500, 90000, {"SetPrinterDataEx QuenloTimeout"}, "timeout 60 s"},
        {1000, 60000, {"SetPrinterDataEx BackgroundStatusInterval"}, "interval 2.5 s"},
        // A value that is missing, or stored in another form, is not what was asked for.
        {std::nullopt, 60000, {"SetPrinterDataEx BackgroundStatusInterval"}, "interval 2.5 s"},
        // The interval as the visit read it is what a failed second store would put back.
        {1000,
         90000,
         {"SetPrinterDataEx BackgroundStatusInterval", "SetPrinterDataEx QuenloTimeout"},
         "interval 2.5 s, timeout 60 s"},
    };
    for (auto c : cases)
    {
        SetUp();
        Store(c.interval, c.timeout);
        host::CallLog().clear();
        EXPECT_EQ(Run({"set", kQueueName, "--interval", "2.5", "--timeout", "60", "--no-restart"}),
                  kExitDone)
            << c.said;
        // A break waits for the stores of a queue.
        c.calls.insert(c.calls.begin(), "EnterCriticalSection");
        c.calls.push_back("LeaveCriticalSection");
        EXPECT_EQ(host::CallLog(), c.calls) << c.said;
        EXPECT_EQ(host::spooler::Calls("GetPrinterDataExW"), 2) << "each value read once";
        EXPECT_EQ(Lines(Out())[0], std::string("Office Laser: settings stored (") + c.said + ").");
        EXPECT_EQ(StoredInterval(), 2500u);
        EXPECT_EQ(StoredTimeout(), 60000u);
    }
    SetUp();
    SetValue(kQueueName, kTimeout, REG_SZ, {'6', 0, '0', 0, 0, 0});
    Store(2500, std::nullopt);
    EXPECT_EQ(Run({"set", kQueueName, "--interval", "2.5", "--timeout", "60"}), kExitDone);
    EXPECT_EQ(StoredTimeout(), 60000u);
}

TEST_F(SetCommandTest, JsonGivesEachQueuesResultAndEachRestart)
{
    AddStoredQueue("Same", 7000, 42000);
    AddQueue("Refusing");
    FailStores("Refusing", kTimeout, 5);
    EXPECT_EQ(Run({"set", "--json", "Same", kQueueName, "Nowhere", "Refusing", "--interval", "7",
                   "--timeout", "42"}),
              kExitStoreFailed);
    EXPECT_EQ(Lines(Out()), (std::vector<std::string>{
                                "{\"queue\":\"Same\"," + std::string(kLaserDriverJson) +
                                    ",\"result\":\"unchanged\",\"written\":[],\"error\":0}",
                                "{\"queue\":\"Office Laser\"," + std::string(kLaserDriverJson) +
                                    ",\"result\":\"stored\","
                                    "\"written\":[\"interval\",\"timeout\"],\"error\":0}",
                                "{\"queue\":\"Nowhere\",\"driver\":null,\"languageMonitor\":null,"
                                "\"result\":\"not-opened\",\"written\":[],"
                                "\"error\":1801}",
                                "{\"queue\":\"Refusing\"," + std::string(kLaserDriverJson) +
                                    ",\"result\":\"store-failed\",\"written\":[],"
                                    "\"error\":5}",
                                "{\"machine\":\"\",\"restart\":\"done\",\"dependents\":[],"
                                "\"heldBy\":null,\"leftStopped\":[]}",
                            }));
    // Problems still go to standard error as text; nothing else does.
    EXPECT_EQ(Lines(Err())[0], "Nowhere: there is no such printer queue. Check its name.");
    EXPECT_EQ(Lines(Err())[1],
              "Refusing: the settings could not be stored (error 5: Access is denied).");
}

TEST_F(SetCommandTest, ARestartThatFailsOrLeavesTheSpoolerStoppedIsSaid)
{
    const struct
    {
        const char* what;
        std::function<void()> arrange;
        const char* json;
        const char* error;
    } cases[] = {
        {"service manager refused", [] { host::services::DenyManager(); }, "failed",
         "This computer: the print spooler could not be restarted. The settings stored there "
         "take effect when the print spooler or the computer is restarted."},
        {"stopped and not started again",
         [] {
             host::services::AddService(L"Spooler", SERVICE_RUNNING, host::services::kStartRefused);
         },
         "spooler-stopped",
         "This computer: The settings were saved, but the print spooler was stopped and could "
         "not be started again. Printing is stopped until the print spooler is started or the "
         "computer is restarted."},
        {"a service that depends on it did not stop",
         [] {
             host::services::AddService(L"Fax", SERVICE_RUNNING, host::services::kStopRefused,
                                        {L"Spooler"});
         },
         "failed\",\"dependents\":[\"Fax\"],\"heldBy\":\"Fax",
         "This computer: the print spooler could not be restarted. The settings stored there "
         "take effect when the print spooler or the computer is restarted.\nThis computer: Fax, a "
         "service that depends on the print spooler, did not stop, so the print spooler was not "
         "stopped either."},
    };
    for (const auto& c : cases)
    {
        SetUp();
        c.arrange();
        EXPECT_EQ(Run({"set", kQueueName, "--timeout", "30"}), kExitRestartFailed) << c.what;
        EXPECT_EQ(Err(), std::string(c.error) + "\n") << c.what;
        EXPECT_EQ(StoredTimeout(), 30000u) << c.what;
        Store(std::nullopt, 60000);
        EXPECT_EQ(Run({"set", kQueueName, "--timeout", "30", "--json"}), kExitRestartFailed);
        EXPECT_EQ(Lines(Out())[1].rfind(
                      std::string("{\"machine\":\"\",\"restart\":\"") + c.json + "\"", 0),
                  0u)
            << c.what;
    }
}

// Each queue's outcome, the exit status and the restarts when some queues fail.
TEST_F(SetCommandTest, AQueueThatFailsDoesNotStopTheOthersAndTheWorstOutcomeWins)
{
    const struct
    {
        const char* what;
        std::function<void()> arrange;
        std::vector<std::string> queues;
        int status;
        std::vector<std::string> stored; // queues that now hold 7000 / 42000
        int restarts;
        const char* summary;
    } cases[] = {
        {"all good",
         [] {},
         {kQueueName, "Annex"},
         kExitDone,
         {kQueueName, "Annex"},
         1,
         "Of 2 queues: 2 stored, 0 unchanged, 0 not stored."},
        {"one missing",
         [] {},
         {"Nowhere", kQueueName, "Annex"},
         kExitNotOpened,
         {kQueueName, "Annex"},
         1,
         "Of 3 queues: 2 stored, 0 unchanged, 1 not stored."},
        {"no full access",
         [] { AddQueue("Print Only", false); },
         {kQueueName, "Print Only", "Annex"},
         kExitNotOpened,
         {kQueueName, "Annex"},
         1,
         "Of 3 queues: 2 stored, 0 unchanged, 1 not stored."},
        {"timeout refused",
         [] { FailStores("Annex", kTimeout, 5); },
         {"Annex", kQueueName},
         kExitStoreFailed,
         {kQueueName},
         1,
         "Of 2 queues: 1 stored, 0 unchanged, 1 not stored."},
        {"store and open failures",
         [] { FailStores("Annex", kInterval, 1722); },
         {"Nowhere", "Annex", kQueueName},
         kExitStoreFailed,
         {kQueueName},
         1,
         "Of 3 queues: 1 stored, 0 unchanged, 2 not stored."},
        {"nothing stored, no restart",
         [] {},
         {"Nowhere", "Elsewhere"},
         kExitNotOpened,
         {},
         0,
         "Of 2 queues: 0 stored, 0 unchanged, 2 not stored."},
        {"one unchanged",
         [] {
             SetDword(kQueueName, kInterval, 7000);
             SetDword(kQueueName, kTimeout, 42000);
         },
         {kQueueName, "Annex"},
         kExitDone,
         {kQueueName, "Annex"},
         1,
         "Of 2 queues: 1 stored, 1 unchanged, 0 not stored."},
        {"restart fails",
         [] { host::services::DenyManager(); },
         {kQueueName, "Annex"},
         kExitRestartFailed,
         {kQueueName, "Annex"},
         0,
         "Of 2 queues: 2 stored, 0 unchanged, 0 not stored."},
        {"restart fails and a queue is missing",
         [] { host::services::DenyServices(); },
         {kQueueName, "Nowhere"},
         kExitNotOpened,
         {kQueueName},
         0,
         "Of 2 queues: 1 stored, 0 unchanged, 1 not stored."},
        // A queue whose settings cannot be read counts as one that could not be opened.
        {"unexpected read failure",
         [] { host::spooler::ThrowOnNextRead(); },
         {"Annex", kQueueName},
         kExitNotOpened,
         {kQueueName},
         1,
         "Of 2 queues: 1 stored, 0 unchanged, 1 not stored."},
    };
    for (const auto& c : cases)
    {
        SetUp();
        AddStoredQueue("Annex", 1000, 9000);
        c.arrange();
        std::vector<std::string> args = {"set", "--interval", "7", "--timeout", "42"};
        args.insert(args.end(), c.queues.begin(), c.queues.end());
        EXPECT_EQ(Run(args), c.status) << c.what;
        for (const std::string& queue : {std::string(kQueueName), std::string("Annex")})
        {
            const bool stored =
                std::find(c.stored.begin(), c.stored.end(), queue) != c.stored.end();
            const auto interval = GetDword(queue, kInterval);
            const auto timeout = GetDword(queue, kTimeout);
            // A queue not stored keeps exactly what it held.
            if (stored)
                EXPECT_EQ(std::make_pair(interval, timeout),
                          std::make_pair(std::optional<DWORD>(7000), std::optional<DWORD>(42000)))
                    << c.what << ": " << queue;
            else if (queue == "Annex")
                EXPECT_EQ(std::make_pair(interval, timeout),
                          std::make_pair(std::optional<DWORD>(1000), std::optional<DWORD>(9000)))
                    << c.what << ": " << queue;
            else
                EXPECT_FALSE(interval || timeout) << c.what << ": " << queue;
        }
        EXPECT_EQ(CountLogged(kRestartLocal), c.restarts) << c.what;
        EXPECT_NE(Out().find(std::string(c.summary) + "\n"), std::string::npos) << c.what;
        const size_t failed = static_cast<size_t>(
            std::count_if(c.queues.begin(), c.queues.end(), [&](const std::string& q) {
                return std::find(c.stored.begin(), c.stored.end(), q) == c.stored.end();
            }));
        EXPECT_EQ(Err().find("Not stored on:\n") != std::string::npos, failed > 0) << c.what;
        EXPECT_EQ(host::spooler::OpenHandles(), 0) << c.what;
    }
}

TEST_F(SetCommandTest, AFailedStoreSaysWhatTheQueueHoldsNow)
{
    Store(1000, 9000);
    FailStores(kQueueName, kTimeout, 5);
    EXPECT_EQ(Run({"set", kQueueName, "--interval", "3", "--timeout", "30"}), kExitStoreFailed);
    EXPECT_EQ(Err(), "Office Laser: the settings could not be stored (error 5: Access is denied).\n"
                     "Office Laser: stored there now:\n"
                     "  Background status: on\n"
                     "  Interval: 1.0 s (1000 ms)\n"
                     "  Timeout: 9 s (9000 ms)\n");
    EXPECT_EQ(Out(), "");
    EXPECT_EQ(Restarts(), 0);
}

TEST_F(SetCommandTest, NoRestartStoresAndSaysTheSettingsWaitForARestart)
{
    EXPECT_EQ(Run({"set", kQueueName, "--timeout", "60", "--no-restart"}), kExitDone);
    EXPECT_EQ(StoredTimeout(), 60000u);
    EXPECT_EQ(Out(), "Office Laser: settings stored (timeout 60 s).\n"
                     "The print spooler was not restarted (--no-restart). The settings take effect "
                     "when the print spooler or the computer is restarted.\n");
    EXPECT_EQ(Restarts(), 0);
    // With nothing to store there is nothing waiting for a restart.
    EXPECT_EQ(Run({"set", kQueueName, "--timeout", "60", "--no-restart"}), kExitDone);
    EXPECT_EQ(Out(), "Office Laser: unchanged, it already holds these settings.\n");
}

TEST_F(SetCommandTest, EachMachineWhereSomethingWasStoredIsRestartedOnce)
{
    const struct
    {
        const char* what;
        std::vector<std::string> queues;
        bool serverAvailable;
        int status;
        int localRestarts;
        int remoteRestarts;
    } cases[] = {
        {"remote only", {kRemote}, true, kExitDone, 0, 1},
        {"one server, two spellings",
         {kRemote, "\\\\PRINTHOST\\Back Office"},
         true,
         kExitDone,
         0,
         1},
        {"local and remote", {kQueueName, kRemote, "Annex"}, true, kExitDone, 1, 1},
        {"server down", {kRemote, kQueueName}, false, kExitRestartFailed, 1, 0},
    };
    for (const auto& c : cases)
    {
        SetUp();
        AddQueue("Annex");
        AddQueue(kRemote);
        AddQueue("\\\\PRINTHOST\\Back Office");
        if (c.serverAvailable)
            host::services::AddMachine(L"\\\\printhost");
        std::vector<std::string> args = {"set", "--timeout", "30"};
        args.insert(args.end(), c.queues.begin(), c.queues.end());
        EXPECT_EQ(Run(args), c.status) << c.what;
        EXPECT_EQ(CountLogged(kRestartLocal), c.localRestarts) << c.what;
        EXPECT_EQ(CountLogged(kRestartRemote), c.remoteRestarts) << c.what;
        EXPECT_EQ(GetDword(kRemote, kTimeout), 30000u) << c.what;
    }
    EXPECT_NE(Err().find("\\\\printhost: the print spooler could not be restarted."),
              std::string::npos);
}

TEST_F(SetCommandTest, NamesInAnyScriptAreStoredOnTheQueueOfThatName)
{
    // With best-fit conversion "Büro" would reach the spooler as "Buro", another queue.
    AddQueue("Büro – 2F");
    AddQueue("Buro – 2F");
    AddQueue("Emoji 🖨 Printer");
    EXPECT_EQ(Run({"set", "Büro – 2F", "Emoji 🖨 Printer", "--timeout", "30", "--no-restart"}),
              kExitDone);
    EXPECT_EQ(GetDword("Büro – 2F", kTimeout), 30000u);
    EXPECT_EQ(GetDword("Emoji 🖨 Printer", kTimeout), 30000u);
    EXPECT_FALSE(GetDword("Buro – 2F", kTimeout));
    EXPECT_EQ(Lines(Out())[0], "Büro – 2F: settings stored (timeout 30 s).");
}

TEST_F(SetCommandTest, SetInJapanese)
{
    host::SetUiLanguage(0x0411);
    AddQueue("Annex");
    host::services::DenyManager();
    EXPECT_EQ(Run({"set", kQueueName, "Nowhere", "--interval", "0.5", "--timeout", "10"}),
              kExitNotOpened);
    EXPECT_EQ(Out(),
              "Office Laser: 設定を保存しました（インターバル 0.5 秒、タイムアウト 10 秒）。\n"
              "このコンピュータ: 印刷スプーラを再起動しています...\n"
              "2 個のキューのうち、保存 1 個、変更なし 0 個、保存できず 1 個。\n");
    EXPECT_EQ(Err(), "Nowhere: そのようなプリンタキューはありません。名前を確認してください。\n"
                     "このコンピュータ: 印刷スプーラを再起動できませんでした。保存した設定は、"
                     "印刷スプーラまたはコンピュータの再起動後に有効になります。\n"
                     "保存できなかったキュー:\n"
                     "  Nowhere\n");
}
} // namespace
