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
                                "\"heldBy\":null,\"leftStopped\":[],\"documents\":0,"
                                "\"restartError\":null}",
                            }));
    // Problems still go to standard error as text; nothing else does.
    EXPECT_EQ(Lines(Err())[0], "Nowhere: there is no such printer queue. Check its name.");
    EXPECT_EQ(Lines(Err())[1],
              "Refusing: the settings could not be stored (error 5: Access is denied).");
}

// The restart command and set's restarts say the same of each: restart in text, set in JSON.
TEST_F(SetCommandTest, WhatARestartCameToIsSaidWithItsErrorAndTheDocumentsInFlight)
{
    using namespace host::services;
    const std::string here = "This computer: ";
    const std::string restarting = here + "restarting the print spooler...\n";
    const std::string restarted = restarting + here + "the print spooler was restarted.\n";
    const std::string notRestarted = here + "the print spooler could not be restarted (error ";
    const std::string later = " The settings stored there take effect when the print spooler or "
                              "the computer is restarted.\n";
    const std::string none = "\"dependents\":[],\"heldBy\":null,\"leftStopped\":[],";
    const auto printing = [](int documents) {
        for (int i = 0; i < documents; ++i)
            host::spooler::AddDocument(kQueue, i % 2 ? JOB_STATUS_SPOOLING : JOB_STATUS_PRINTING);
    };
    const struct
    {
        const char* what;
        std::function<void()> arrange;
        int status;
        std::string out, error;
        std::string json; // the machine's object after its name
        std::vector<std::string> options = {};
    } cases[] = {
        {"documents interrupted", [&] { printing(2); }, kExitDone,
         restarted + here +
             "the restart interrupted the documents being printed or sent there: 2. Windows "
             "prints those it had received in full again from the beginning.\n",
         "", "\"restart\":\"done\"," + none + "\"documents\":2,\"restartError\":null"},
        {"still busy when the wait ran out",
         [&] { printing(1); },
         kExitRestartFailed,
         here + "documents are being printed or sent there: 1. Waiting up to 2 s until there "
                "are none...\n",
         here +
             "the print spooler was not restarted: after 2 s, documents were still being "
             "printed or sent there: 1." +
             later,
         "\"restart\":\"busy\"," + none + "\"documents\":1,\"restartError\":null",
         {"--when-idle", "2"}},
        {"documents that cannot be counted are not waited for",
         [&] {
             printing(1);
             host::spooler::FailDocumentListing(kQueue, ERROR_ACCESS_DENIED);
         },
         kExitDone,
         restarted,
         "",
         "\"restart\":\"done\"," + none + "\"documents\":null,\"restartError\":null",
         {"--when-idle", "60"}},
        {"stopped and not started again",
         [] { AddService(L"Spooler", SERVICE_RUNNING, kStartRefused); }, kExitRestartFailed,
         restarting,
         here + "the print spooler was stopped and could not be started again (error 1058). "
                "Printing is stopped there until the print spooler is started or the computer "
                "is restarted.\n",
         "\"restart\":\"spooler-stopped\"," + none + "\"documents\":0,\"restartError\":1058"},
        {"still stopping when the wait ran out",
         [] { AddService(L"Spooler", SERVICE_RUNNING, kStopNeverEnds); }, kExitRestartFailed,
         restarting,
         here + "the restart of the print spooler did not finish in time: it was still stopping "
                "or starting (error 1053). Check that it runs again.\n",
         "\"restart\":\"failed\"," + none + "\"documents\":0,\"restartError\":1053"},
        // The spooler was not stopped, so the documents were not interrupted.
        {"a service that depends on it did not stop",
         [&] {
             AddService(L"Fax", SERVICE_RUNNING, kStopRefused, {L"Spooler"});
             printing(1);
         },
         kExitRestartFailed, restarting,
         notRestarted + "1061)." + later + here +
             "Fax, a service that depends on the print spooler, did not stop, so the print "
             "spooler was not stopped either.\n",
         "\"restart\":\"failed\",\"dependents\":[\"Fax\"],\"heldBy\":\"Fax\",\"leftStopped\":[],"
         "\"documents\":0,\"restartError\":1061"},
        {"a service that depends on it did not start again",
         [] { AddService(L"Fax", SERVICE_RUNNING, kStartRefused, {L"Spooler"}); },
         kExitRestartFailed, restarted,
         here + "these services that depend on the print spooler were stopped for the restart "
                "and did not start again: Fax (error 1058).\n",
         "\"restart\":\"failed\",\"dependents\":[\"Fax\"],\"heldBy\":null,\"leftStopped\":[\"Fax\"]"
         ","
         "\"documents\":0,\"restartError\":1058"},
    };
    for (const auto& c : cases)
    {
        SetUp();
        c.arrange();
        std::vector<std::string> args = {"restart"};
        args.insert(args.end(), c.options.begin(), c.options.end());
        EXPECT_EQ(Run(args), c.status) << c.what;
        EXPECT_EQ(Out(), c.out) << c.what;
        EXPECT_EQ(Err(), c.error) << c.what;
        SetUp();
        c.arrange();
        args = {"set", kQueueName, "--timeout", "30", "--json"};
        args.insert(args.end(), c.options.begin(), c.options.end());
        EXPECT_EQ(Run(args), c.status) << c.what;
        EXPECT_EQ(StoredTimeout(), 30000u) << c.what;
        EXPECT_EQ(Lines(Out()).back(), "{\"machine\":\"\"," + c.json + "}") << c.what;
    }
}

// A break during the wait ends the run at once: the wait is in no unbroken step, and a spooler
// still busy at its end is not touched.
TEST_F(SetCommandTest, TheWaitForIdleHoldsNoBreak)
{
    host::spooler::AddDocument(kQueue, JOB_STATUS_PRINTING);
    EXPECT_EQ(Run({"restart", "--when-idle", "2"}), kExitRestartFailed);
    EXPECT_EQ(host::CallLog(), (std::vector<std::string>{"Sleep 1000", "Sleep 1000"}));
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
    const auto set = [](std::vector<std::string> queues) {
        queues.insert(queues.begin(), {"set", "--timeout", "30"});
        return queues;
    };
    const struct
    {
        const char* what;
        std::vector<std::string> args;
        bool serverAvailable;
        int status;
        int localRestarts;
        int remoteRestarts;
    } cases[] = {
        {"remote only", set({kRemote}), true, kExitDone, 0, 1},
        {"one server, two spellings", set({kRemote, "\\\\PRINTHOST\\Back Office"}), true, kExitDone,
         0, 1},
        {"local and remote", set({kQueueName, kRemote, "Annex"}), true, kExitDone, 1, 1},
        {"server down", set({kRemote, kQueueName}), false, kExitRestartFailed, 1, 0},
        // restart stores nothing, and restarts this computer's spooler or each server's once.
        {"restart here", {"restart"}, true, kExitDone, 1, 0},
        {"twice", {"restart", "--server=printhost", "--server=PRINTHOST"}, true, kExitDone, 0, 1},
        {"restart one down", {"restart", "--server", "printhost"}, false, kExitRestartFailed, 0, 0},
    };
    for (const auto& c : cases)
    {
        SetUp();
        AddQueue("Annex");
        AddQueue(kRemote);
        AddQueue("\\\\PRINTHOST\\Back Office");
        if (c.serverAvailable)
            host::services::AddMachine(L"\\\\printhost");
        EXPECT_EQ(Run(c.args), c.status) << c.what;
        EXPECT_EQ(CountLogged(kRestartLocal), c.localRestarts) << c.what;
        EXPECT_EQ(CountLogged(kRestartRemote), c.remoteRestarts) << c.what;
        EXPECT_EQ(GetDword(kRemote, kTimeout),
                  c.args.front() == "set" ? std::optional<DWORD>(30000) : std::nullopt)
            << c.what;
    }
    EXPECT_EQ(Err(), "\\\\printhost: the print spooler could not be restarted (error 1722: The RPC "
                     "server is unavailable). The settings stored there take effect when the print "
                     "spooler or the computer is restarted.\n");
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
                     "このコンピュータ: 印刷スプーラを再起動できませんでした（エラー 5: "
                     "アクセスが拒否されました）。保存した設定は、"
                     "印刷スプーラまたはコンピュータの再起動後に有効になります。\n"
                     "保存できなかったキュー:\n"
                     "  Nowhere\n");
}
} // namespace
