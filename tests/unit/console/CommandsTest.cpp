// The console program's commands on the in-memory spooler and service manager.
#include "../HostSession.h"

#include "console/Commands.h"
#include "console/Messages.h"

#include <host_console.h>
#include <host_text.h>

#include <winspool.h>

namespace
{
using host::text::FromAnsi;

const char kRemote[] = "\\\\printhost\\Front Desk";
const char kRestartLocal[] = "ControlService Spooler 1";
const char kRestartRemote[] = "ControlService Spooler@\\\\printhost 1";

class CommandsTest : public HostSession
{
  protected:
    // The name as this program's narrow arguments carry it.
    static constexpr const char* kQueue = "Office Laser";

    static int Run(const std::vector<std::string>& args) { return RunSettingToolCmd(args); }
    static const std::string& Out() { return host::console::Output(); }
    static const std::string& Err() { return host::console::Errors(); }
    static void AddStoredQueue(const std::string& name, DWORD interval, DWORD timeout)
    {
        const std::wstring queue = FromAnsi(name);
        host::spooler::AddQueue(queue);
        host::spooler::SetDword(queue, L"BackgroundStatusInterval", interval);
        host::spooler::SetDword(queue, L"QuenloTimeout", timeout);
    }
    static std::optional<DWORD> Interval(const std::string& queue)
    {
        return host::spooler::GetDword(FromAnsi(queue), L"BackgroundStatusInterval");
    }
    static std::optional<DWORD> Timeout(const std::string& queue)
    {
        return host::spooler::GetDword(FromAnsi(queue), L"QuenloTimeout");
    }
    static int Restarts() { return CountLogged(kRestartLocal) + CountLogged(kRestartRemote); }
};

TEST(MessagesTest, ArgumentsGoInOnceWhereverThePatternPutsThem)
{
    const struct
    {
        const char* pattern;
        std::vector<std::string> arguments;
        const char* text;
    } cases[] = {
        {"%1: %2", {"a", "b"}, "a: b"},
        {"%2 of %1", {"a", "b"}, "b of a"},
        {"%1", {"100%2 %1"}, "100%2 %1"},
        {"%3 and %", {"a"}, "%3 and %"},
        {"50%", {}, "50%"},
        {"%0%1%", {"x"}, "%0x%"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Substitute(c.pattern, c.arguments), c.text) << c.pattern;
}

TEST(MessagesTest, TheMostSeriousOutcomeWinsAndNoneClaimsMoreThanHappened)
{
    const struct
    {
        int a;
        int b;
        int worse;
    } cases[] = {
        {0, 0, 0}, {0, 5, 5}, {5, 3, 3}, {3, 5, 3}, {3, 4, 4},
        {4, 3, 4}, {5, 4, 4}, {4, 0, 4}, {2, 4, 2},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WorseStatus(c.a, c.b), c.worse) << c.a << " " << c.b;
}

TEST_F(CommandsTest, ShowGivesSecondsAsTheDialogDoesAndMillisecondsAndDefaults)
{
    AddStoredQueue("Stored", 2500, 60000);
    AddStoredQueue("Off", 0, 600000);
    AddStoredQueue("Odd", 0xFFFFFFFF, 2000);
    EXPECT_EQ(Run({"show", kQueue, "Stored", "Off", "Odd"}), kExitDone);
    EXPECT_EQ(Out(), "Printer queue: Office Laser\n"
                     "  Background status: on\n"
                     "  Interval: 0.5 s (500 ms, default)\n"
                     "  Timeout: 180 s (180000 ms, default)\n"
                     "\n"
                     "Printer queue: Stored\n"
                     "  Background status: on\n"
                     "  Interval: 2.5 s (2500 ms)\n"
                     "  Timeout: 60 s (60000 ms)\n"
                     "\n"
                     "Printer queue: Off\n"
                     "  Background status: off\n"
                     "  Interval: off (0 ms)\n"
                     "  Timeout: 600 s (600000 ms)\n"
                     "\n"
                     "Printer queue: Odd\n"
                     "  Background status: on\n"
                     "  Interval: -0.0 s (4294967295 ms)\n"
                     "  Timeout: 2 s (2000 ms)\n");
    EXPECT_EQ(Err(), "");
}

TEST_F(CommandsTest, ShowInJapanese)
{
    host::SetUiLanguage(0x0411);
    Store(0, 30000);
    EXPECT_EQ(Run({"show", kQueue}), kExitDone);
    EXPECT_EQ(Out(), "プリンタキュー: Office Laser\n"
                     "  プリンタステータス: 無効\n"
                     "  インターバル: オフ（0 ミリ秒）\n"
                     "  タイムアウト: 30 秒（30000 ミリ秒）\n");
    Run({"show", "Nowhere"});
    EXPECT_EQ(Err(), "Nowhere: プリンタキューを開けませんでした。名前を確認してください。\n");
}

TEST_F(CommandsTest, ShowJsonGivesOneObjectPerQueueAndLine)
{
    AddStoredQueue("Say \"Hi\"\t", 100, 5000);
    EXPECT_EQ(Run({"show", "--json", kQueue, "Nowhere", "Say \"Hi\"\t"}), kExitNotOpened);
    EXPECT_EQ(Out(),
              "{\"queue\":\"Office Laser\",\"opened\":true,\"backgroundStatus\":true,"
              "\"intervalSeconds\":0.5,\"intervalMs\":500,\"intervalDefault\":true,"
              "\"timeoutSeconds\":180,\"timeoutMs\":180000,\"timeoutDefault\":true}\n"
              "{\"queue\":\"Nowhere\",\"opened\":false}\n"
              "{\"queue\":\"Say \\\"Hi\\\"\\u0009\",\"opened\":true,\"backgroundStatus\":true,"
              "\"intervalSeconds\":0.1,\"intervalMs\":100,\"intervalDefault\":false,"
              "\"timeoutSeconds\":5,\"timeoutMs\":5000,\"timeoutDefault\":false}\n");
    EXPECT_EQ(Err(), "Nowhere: the printer queue could not be opened. Check its name.\n");
}

TEST_F(CommandsTest, ShowAndListOnlyReadWithTheRightToPrint)
{
    host::spooler::AddQueue(L"Print Only", false);
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"show", kQueue, "Print Only"}, {"list"}, {"list", "--json"}})
    {
        host::console::Reset();
        EXPECT_EQ(Run(args), kExitDone) << args[0];
        EXPECT_NE(Out().find("Print Only"), std::string::npos) << args[0];
        for (const DWORD access : host::spooler::DesiredAccesses())
            EXPECT_EQ(access, static_cast<DWORD>(PRINTER_ACCESS_USE)) << args[0];
    }
    EXPECT_EQ(host::spooler::StoreCount(), 0);
    EXPECT_EQ(Restarts(), 0);
}

TEST_F(CommandsTest, ListShowsLocalQueuesAndConnections)
{
    AddStoredQueue("Annex", 1000, 9000);
    host::spooler::AddConnection(FromAnsi(kRemote));
    host::spooler::AddQueueAfterNextEnumeration(L"Late Arrival");
    EXPECT_EQ(Run({"list", "--json"}), kExitDone);
    std::vector<std::string> listed;
    for (size_t start = 0; start < Out().size();)
    {
        const size_t end = Out().find('\n', start);
        const std::string line = Out().substr(start, end - start);
        listed.push_back(line.substr(0, line.find(",\"opened\":true")));
        start = end + 1;
    }
    // The queue added after the size was asked for is listed too.
    EXPECT_EQ(listed, (std::vector<std::string>{
                          "{\"queue\":\"Annex\"",
                          "{\"queue\":\"Late Arrival\"",
                          "{\"queue\":\"Office Laser\"",
                          "{\"queue\":\"\\\\\\\\printhost\\\\Front Desk\"",
                      }));
}

TEST_F(CommandsTest, ListSaysWhenThereIsNothingOrTheSpoolerRefuses)
{
    host::spooler::Reset();
    EXPECT_EQ(Run({"list"}), kExitDone);
    EXPECT_EQ(Out(), "There are no printer queues.\n");
    host::console::Reset();
    EXPECT_EQ(Run({"list", "--json"}), kExitDone);
    EXPECT_EQ(Out(), "");

    host::spooler::FailEnumeration(ERROR_ACCESS_DENIED);
    host::console::Reset();
    EXPECT_EQ(Run({"list"}), kExitNotOpened);
    EXPECT_EQ(Out(), "");
    EXPECT_EQ(Err(), "The printer queues could not be listed (error 5).\n");
}

TEST_F(CommandsTest, SetStoresExactlyTheValuesGivenAndRestartsOnce)
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
        std::vector<std::string> args = {"set", kQueue};
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

TEST_F(CommandsTest, AnInvalidCommandLineOpensAndStoresNothing)
{
    const struct
    {
        std::vector<std::string> args;
        const char* firstLine;
    } cases[] = {
        {{"set", kQueue, "Annex", "--interval", "0.05", "--timeout", "60"},
         "The interval '0.05' is not valid: give 0.1 to 240.0 seconds with at most one decimal "
         "after a full stop, or off."},
        {{"set", kQueue, "--timeout", "60", "--interval", "2,5"},
         "The interval '2,5' is not valid: give 0.1 to 240.0 seconds with at most one decimal "
         "after a full stop, or off."},
        {{"set", kQueue, "--timeout", "4"},
         "The timeout '4' is not valid: give 5 to 600 whole seconds."},
        {{"set", kQueue, "", "--timeout", "60"},
         "'' is not a printer queue name. Name a queue as NAME or \\\\server\\NAME."},
        {{"set", kQueue}, "Give --interval, --timeout or both."},
        {{"set", kQueue, "--timeout"}, "--timeout needs a value."},
        {{"show"}, "Name at least one printer queue."},
        {{}, "Give a command: show, list or set."},
        {{"delete", kQueue}, "The argument 'delete' is not understood here."},
    };
    for (const auto& c : cases)
    {
        SetUp();
        EXPECT_EQ(Run(c.args), kExitUsage) << c.firstLine;
        EXPECT_EQ(Err().substr(0, Err().find('\n')), c.firstLine);
        EXPECT_NE(Err().find("\nUsage:\n  SettingToolCmd show QUEUE... [--json]\n"),
                  std::string::npos);
        EXPECT_NE(Err().find("\nNothing was stored."), std::string::npos);
        EXPECT_EQ(Out(), "");
        EXPECT_TRUE(host::spooler::DesiredAccesses().empty()) << c.firstLine;
        EXPECT_TRUE(host::CallLog().empty()) << c.firstLine;
    }
}

TEST_F(CommandsTest, HelpGoesToStandardOutput)
{
    for (const char* help : {"--help", "-h", "/?"})
    {
        host::console::Reset();
        EXPECT_EQ(Run({help}), kExitDone);
        EXPECT_EQ(Out().find("Shows and changes the language monitor settings"), 0u);
        EXPECT_NE(Out().find("\n  --no-restart  stores without restarting"), std::string::npos);
        EXPECT_NE(Out().find("\nExit status: 0 done;"), std::string::npos);
        EXPECT_EQ(Err(), "");
    }
    host::SetUiLanguage(0x0411);
    host::console::Reset();
    Run({"--help"});
    EXPECT_NE(Out().find("終了コード: 0 完了"), std::string::npos);
}

// Each queue's outcome, the exit status and the restarts when some queues fail.
TEST_F(CommandsTest, AQueueThatFailsDoesNotStopTheOthersAndTheWorstOutcomeWins)
{
    const struct
    {
        const char* what;
        std::function<void()> arrange;
        std::vector<std::string> queues;
        int status;
        std::vector<std::string> stored; // queues that now hold 7000 / 42000
        int restarts;
    } cases[] = {
        {"all good", [] {}, {kQueue, "Annex"}, kExitDone, {kQueue, "Annex"}, 1},
        {"one missing", [] {}, {"Nowhere", kQueue, "Annex"}, kExitNotOpened, {kQueue, "Annex"}, 1},
        {"no full access",
         [] { host::spooler::AddQueue(L"Print Only", false); },
         {kQueue, "Print Only", "Annex"},
         kExitNotOpened,
         {kQueue, "Annex"},
         1},
        {"timeout refused",
         [] { host::spooler::FailStores(L"Annex", L"QuenloTimeout", 5); },
         {"Annex", kQueue},
         kExitStoreFailed,
         {kQueue},
         1},
        {"store and open failures",
         [] { host::spooler::FailStores(L"Annex", L"BackgroundStatusInterval", 1722); },
         {"Nowhere", "Annex", kQueue},
         kExitStoreFailed,
         {kQueue},
         1},
        {"nothing stored, no restart", [] {}, {"Nowhere", "Elsewhere"}, kExitNotOpened, {}, 0},
        {"restart fails",
         [] { host::services::DenyManager(); },
         {kQueue, "Annex"},
         kExitRestartFailed,
         {kQueue, "Annex"},
         0},
        {"restart fails and a queue is missing",
         [] { host::services::DenyServices(); },
         {kQueue, "Nowhere"},
         kExitNotOpened,
         {kQueue},
         0},
        {"unexpected read failure",
         [] {
             // SetSettings reads the interval before storing it.
             host::spooler::ThrowOnNextRead();
         },
         {"Annex", kQueue},
         kExitStoreFailed,
         {kQueue},
         1},
    };
    for (const auto& c : cases)
    {
        SetUp();
        AddStoredQueue("Annex", 1000, 9000);
        c.arrange();
        std::vector<std::string> args = {"set", "--interval", "7", "--timeout", "42"};
        args.insert(args.end(), c.queues.begin(), c.queues.end());
        EXPECT_EQ(Run(args), c.status) << c.what;
        for (const std::string& queue : {std::string(kQueue), std::string("Annex")})
        {
            const bool stored =
                std::find(c.stored.begin(), c.stored.end(), queue) != c.stored.end();
            const bool wasStored = queue != "Annex";
            // A queue not stored keeps exactly what it held.
            EXPECT_EQ(Interval(queue), stored      ? 7000
                                       : wasStored ? std::nullopt
                                                   : std::optional<DWORD>(1000))
                << c.what << ": " << queue;
            EXPECT_EQ(Timeout(queue), stored      ? 42000
                                      : wasStored ? std::nullopt
                                                  : std::optional<DWORD>(9000))
                << c.what << ": " << queue;
        }
        EXPECT_EQ(CountLogged(kRestartLocal), c.restarts) << c.what;
        const size_t failed = c.queues.size() - c.stored.size();
        EXPECT_NE(Out().find("Stored on " + std::to_string(c.stored.size()) + " of " +
                             std::to_string(c.queues.size()) + " queues.\n"),
                  std::string::npos)
            << c.what;
        EXPECT_EQ(Err().find("Not stored on:\n") != std::string::npos, failed > 0) << c.what;
        for (const std::string& queue : c.queues)
        {
            const bool stored =
                std::find(c.stored.begin(), c.stored.end(), queue) != c.stored.end();
            EXPECT_EQ(Err().find("\n  " + queue + "\n") != std::string::npos, !stored)
                << c.what << ": " << queue;
        }
        EXPECT_EQ(host::spooler::OpenHandles(), 0) << c.what;
    }
}

TEST_F(CommandsTest, AFailedStoreSaysWhatTheQueueHoldsNow)
{
    Store(1000, 9000);
    host::spooler::FailStores(FromAnsi(kQueue), L"QuenloTimeout", 5);
    EXPECT_EQ(Run({"set", kQueue, "--interval", "3", "--timeout", "30"}), kExitStoreFailed);
    EXPECT_EQ(Err(), "Office Laser: the settings could not be stored (error 5).\n"
                     "Office Laser: stored there now:\n"
                     "  Background status: on\n"
                     "  Interval: 1.0 s (1000 ms)\n"
                     "  Timeout: 9 s (9000 ms)\n");
    EXPECT_EQ(Out(), "");
    EXPECT_EQ(Restarts(), 0);
}

TEST_F(CommandsTest, NoRestartStoresAndSaysTheSettingsWaitForARestart)
{
    EXPECT_EQ(Run({"set", kQueue, "--timeout", "60", "--no-restart"}), kExitDone);
    EXPECT_EQ(StoredTimeout(), 60000u);
    EXPECT_EQ(Out(), "Office Laser: settings stored (timeout 60 s).\n"
                     "The print spooler was not restarted (--no-restart). The settings take effect "
                     "when the print spooler or the computer is restarted.\n");
    EXPECT_EQ(host::CallLog(), (std::vector<std::string>{"SetPrinterDataEx QuenloTimeout"}));
}

TEST_F(CommandsTest, EachMachineWhereSomethingWasStoredIsRestartedOnce)
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
        {"local and remote", {kQueue, kRemote, "Annex"}, true, kExitDone, 1, 1},
        {"server down", {kRemote, kQueue}, false, kExitRestartFailed, 1, 0},
    };
    for (const auto& c : cases)
    {
        SetUp();
        host::spooler::AddQueue(L"Annex");
        host::spooler::AddConnection(FromAnsi(kRemote));
        host::spooler::AddQueue(L"\\\\PRINTHOST\\Back Office");
        if (c.serverAvailable)
            host::services::AddMachine(L"\\\\printhost");
        std::vector<std::string> args = {"set", "--timeout", "30"};
        args.insert(args.end(), c.queues.begin(), c.queues.end());
        EXPECT_EQ(Run(args), c.status) << c.what;
        EXPECT_EQ(CountLogged(kRestartLocal), c.localRestarts) << c.what;
        EXPECT_EQ(CountLogged(kRestartRemote), c.remoteRestarts) << c.what;
        EXPECT_EQ(Timeout(kRemote), 30000u) << c.what;
    }
    EXPECT_NE(Err().find("\\\\printhost: the print spooler could not be restarted."),
              std::string::npos);
}

TEST_F(CommandsTest, SetInJapanese)
{
    host::SetUiLanguage(0x0411);
    host::spooler::AddQueue(L"Annex");
    host::services::DenyManager();
    EXPECT_EQ(Run({"set", kQueue, "Nowhere", "--interval", "0.5", "--timeout", "10"}),
              kExitNotOpened);
    EXPECT_EQ(Out(),
              "Office Laser: 設定を保存しました（インターバル 0.5 秒、タイムアウト 10 秒）。\n"
              "このコンピュータ: 印刷スプーラを再起動しています...\n"
              "2 個のキューのうち 1 個に保存しました。\n");
    EXPECT_EQ(Err(),
              "Nowhere: プリンタキューをフルアクセスで開けなかったため、何も保存していません。"
              "名前と、管理者として実行していることを確認してください。\n"
              "このコンピュータ: 印刷スプーラを再起動できませんでした。保存した設定は、"
              "印刷スプーラまたはコンピュータの再起動後に有効になります。\n"
              "保存できなかったキュー:\n"
              "  Nowhere\n");
}
} // namespace
