// Queues selected by their driver or its language monitor, on this computer or a print server,
// and what is said of each queue's driver.
#include "ConsoleSession.h"

namespace
{
using namespace consoletest;

const char kFrontDesk[] = "\\\\printhost\\Front Desk";
const char kBackOffice[] = "\\\\printhost\\Back Office";

// This computer: Office Laser and Annex on the driver with a language monitor, Plain on one
// without; printhost: one queue on each driver, which this computer has connections to.
class SelectionTest : public ConsoleSession
{
  protected:
    void SetUp() override
    {
        ConsoleSession::SetUp();
        host::spooler::AddDriver(L"Plain Driver", L"");
        AddQueue("Annex");
        AddQueue("Plain", true, "Plain Driver");
        AddQueue(kFrontDesk);
        AddQueue(kBackOffice, true, "Plain Driver");
        host::services::AddMachine(L"\\\\printhost");
    }

    // The queues that a --json run wrote objects for, in order.
    std::vector<std::string> QueuesOut() const
    {
        std::vector<std::string> queues;
        for (const std::string& line : Lines(Out()))
            if (line.rfind("{\"queue\":\"", 0) == 0)
                queues.push_back(line.substr(10, line.find("\",") - 10));
        return queues;
    }
};

struct Selected
{
    std::vector<std::string> args; // after the command, before --json
    std::vector<std::string> queues;
};

TEST_F(SelectionTest, PicksTheQueuesOfOneMachineWhoseDriverOrMonitorMatches)
{
    const Selected cases[] = {
        {{"--driver", "laser*"}, {"Annex", "Office Laser"}},
        {{"--driver", "Plain Driver"}, {"Plain"}},
        {{"--monitor", "Laser Monitor"}, {"Annex", "Office Laser"}},
        // A driver without a language monitor never matches, not even "*".
        {{"--monitor", "*"}, {"Annex", "Office Laser"}},
        {{"--driver", "*", "--server", "printhost"},
         {"\\\\\\\\printhost\\\\Back Office", "\\\\\\\\printhost\\\\Front Desk"}},
        {{"--server", "\\\\PRINTHOST", "--monitor", "laser*"}, {"\\\\\\\\printhost\\\\Front Desk"}},
    };
    const struct
    {
        std::vector<std::string> command;
        int status;
    } commands[] = {
        {{"show"}, kExitDone},
        {{"list"}, kExitDone},
        {{"check", "--timeout", "60"}, kExitDiffers},
        {{"set", "--timeout", "60", "--no-restart"}, kExitDone},
    };
    for (const auto& command : commands)
        for (const Selected& c : cases)
        {
            SetUp();
            std::vector<std::string> args = command.command;
            args.push_back("--json");
            args.insert(args.end(), c.args.begin(), c.args.end());
            EXPECT_EQ(Run(args), command.status) << args[0] << " " << c.args[1];
            EXPECT_EQ(QueuesOut(), c.queues) << args[0] << " " << c.args[1];
        }
}

TEST_F(SelectionTest, ListWithoutASelectionShowsEveryQueueOfTheMachine)
{
    EXPECT_EQ(Run({"list", "--json"}), kExitDone);
    EXPECT_EQ(QueuesOut(), (std::vector<std::string>{"Annex", "Office Laser", "Plain",
                                                     "\\\\\\\\printhost\\\\Back Office",
                                                     "\\\\\\\\printhost\\\\Front Desk"}));
    EXPECT_EQ(Run({"list", "--json", "--server", "printhost"}), kExitDone);
    EXPECT_EQ(QueuesOut(), (std::vector<std::string>{"\\\\\\\\printhost\\\\Back Office",
                                                     "\\\\\\\\printhost\\\\Front Desk"}));
}

// A machine without a matching queue is compliant; one that cannot tell is not.
TEST_F(SelectionTest, NoMatchIsNoErrorButAMachineThatCannotListIs)
{
    const struct
    {
        std::vector<std::string> args;
        std::function<void()> arrange;
        int status;
        const char* error;
        const char* json;
    } cases[] = {
        {{"--driver", "Nothing*"},
         [] {},
         kExitDone,
         "This computer: no printer queue has a driver whose name matches 'Nothing*'.",
         ""},
        {{"--monitor", "Plain*", "--server", "printhost"},
         [] {},
         kExitDone,
         "\\\\printhost: no printer queue has a driver whose language monitor matches 'Plain*'.",
         ""},
        {{"--driver", "*", "--server", "nowhere"},
         [] { host::spooler::FailEnumeration(RPC_S_SERVER_UNAVAILABLE, L"\\\\nowhere"); },
         kExitNotOpened,
         "\\\\nowhere: the printer queues could not be listed (error 1722: The RPC server is "
         "unavailable).",
         "{\"server\":\"\\\\\\\\nowhere\",\"error\":1722}\n"},
        {{"--monitor", "*"},
         [] { host::spooler::FailDriverEnumeration(ERROR_ACCESS_DENIED); },
         kExitNotOpened,
         "This computer: the printer drivers could not be listed (error 5: Access is denied).",
         "{\"server\":\"\",\"error\":5}\n"},
    };
    for (const auto& c : cases)
    {
        SetUp();
        c.arrange();
        std::vector<std::string> args = {"set", "--interval", "off"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        EXPECT_EQ(Run(args), c.status) << c.error;
        EXPECT_EQ(Err(), std::string(c.error) + "\n");
        EXPECT_EQ(Out(), "") << c.error;
        args.push_back("--json");
        EXPECT_EQ(Run(args), c.status) << c.error;
        EXPECT_EQ(Out(), c.json) << c.error;
        EXPECT_EQ(host::spooler::Calls("OpenPrinterW"), 0) << c.error;
        EXPECT_EQ(Restarts(), 0) << c.error;
    }
}

TEST_F(SelectionTest, SetOnAServerStoresThereAndRestartsItsSpoolerOnce)
{
    EXPECT_EQ(Run({"set", "--driver", "*", "--server", "printhost", "--timeout", "45"}), kExitDone);
    EXPECT_EQ(GetDword(kFrontDesk, kTimeout), 45000u);
    EXPECT_EQ(GetDword(kBackOffice, kTimeout), 45000u);
    EXPECT_FALSE(GetDword(kQueueName, kTimeout));
    EXPECT_EQ(CountLogged(kRestartRemote), 1);
    EXPECT_EQ(CountLogged(kRestartLocal), 0);
}

// What each queue's driver is said to be, in text and JSON.
TEST_F(SelectionTest, EveryQueueTellsItsDriverAndLanguageMonitor)
{
    host::spooler::AddQueue(L"Ghost", true, L"Removed Driver");
    const struct
    {
        const char* queue;
        DWORD driversError; // of the driver list
        const char* line;
        const char* json;
        bool noted; // by check and set: no language monitor reads the values
    } cases[] = {
        {kQueueName, ERROR_SUCCESS, kLaserDriverLine, kLaserDriverJson, false},
        {"Plain", ERROR_SUCCESS, "  Driver: Plain Driver, which has no language monitor",
         "\"driver\":\"Plain Driver\",\"languageMonitor\":null", true},
        {"Ghost", ERROR_SUCCESS,
         "  Driver: Removed Driver; its language monitor could not be read (error 1797)",
         "\"driver\":\"Removed Driver\",\"languageMonitor\":null,\"driverError\":1797", false},
        {kQueueName, RPC_S_SERVER_UNAVAILABLE,
         "  Driver: Laser Driver; its language monitor could not be read (error 1722: The RPC "
         "server is unavailable)",
         "\"driver\":\"Laser Driver\",\"languageMonitor\":null,\"driverError\":1722", false},
    };
    for (const auto& c : cases)
    {
        host::spooler::FailDriverEnumeration(c.driversError);
        EXPECT_EQ(Run({"show", c.queue}), kExitDone) << c.line;
        EXPECT_EQ(Lines(Out())[1], c.line);
        EXPECT_EQ(Run({"show", c.queue, "--json"}), kExitDone) << c.line;
        EXPECT_EQ(Out().find("{\"queue\":\"" + std::string(c.queue) + "\"," + c.json + ","), 0u)
            << Out();
        const std::string note = std::string(c.queue) +
                                 ": the values are read by no language monitor on this queue: "
                                 "its driver, Plain Driver, has none.\n";
        for (const std::vector<std::string>& run :
             {std::vector<std::string>{"check", c.queue, "--timeout", "60"},
              {"set", c.queue, "--timeout", "60", "--no-restart"}})
        {
            Run(run);
            EXPECT_EQ(Out().find(note) != std::string::npos, c.noted) << run[0] << " " << c.line;
        }
    }
}

// One listing and one driver list per machine (and a listing per restart), and per queue no more
// than it needs: open, a read of each value, the stores that differ, close.
TEST_F(SelectionTest, CallsGrowWithTheQueuesOnlyByWhatEachQueueNeeds)
{
    const int kDrivers = 20;
    const int kQueues = 200;
    for (int i = 0; i < kDrivers; ++i)
        host::spooler::AddDriver(L"Driver " + std::to_wstring(i), L"Monitor");
    for (int i = 0; i < kQueues; ++i)
        AddQueue("Queue " + std::to_string(i), true, "Driver " + std::to_string(i % kDrivers));
    const char* const functions[] = {"EnumPrintersW", "EnumPrinterDriversW", "OpenPrinterW",
                                     "GetPrinterW",   "GetPrinterDataExW",   "SetPrinterDataExW",
                                     "ClosePrinter"};
    const struct
    {
        std::vector<std::string> args;
        std::vector<int> calls; // of each function above
    } cases[] = {
        // The queues listed again before the restart, for the documents in flight.
        {{"set", "--driver", "Driver*", "--timeout", "60", "--json"},
         {4, 2, kQueues, 0, 2 * kQueues, kQueues, kQueues}},
        // The same again finds everything stored: it writes nothing.
        {{"set", "--driver", "Driver*", "--timeout", "60", "--json"},
         {2, 2, kQueues, 0, 2 * kQueues, 0, kQueues}},
        {{"check", "--monitor", "Monitor", "--timeout", "60"},
         {2, 2, kQueues, 0, 2 * kQueues, 0, kQueues}},
        // This computer's queues and its connections to printhost's: two machines' drivers.
        {{"list", "--json"}, {2, 4, kQueues + 5, 0, 2 * (kQueues + 5), 0, kQueues + 5}},
        // Named queues tell their driver themselves.
        {{"show", "Queue 1", "Queue 2"}, {0, 2, 2, 2, 4, 0, 2}},
    };
    for (const auto& c : cases)
    {
        std::vector<int> before;
        for (const char* function : functions)
            before.push_back(host::spooler::Calls(function));
        Run(c.args);
        for (size_t i = 0; i < std::size(functions); ++i)
            EXPECT_EQ(host::spooler::Calls(functions[i]) - before[i], c.calls[i])
                << c.args[0] << " " << c.args[1] << ": " << functions[i];
    }
    EXPECT_EQ(Restarts(), 1);
}
} // namespace
