// Reading the console program's command line.
#include "console/CommandLine.h"

#include <host_text.h>

#include <gtest/gtest.h>

namespace
{
using Args = std::vector<std::string>;
using Queues = std::vector<std::string>;
using host::text::FromAnsi;
using host::text::ToAnsi;

std::string Joined(const Args& args)
{
    std::string text;
    for (const auto& a : args)
        text += "[" + a + "]";
    return text;
}

// The command line as the program gets it (UTF-16), from the tests' UTF-8.
ParsedCommandLine Parse(const Args& args)
{
    std::vector<std::wstring> wide;
    for (const std::string& arg : args)
        wide.push_back(FromAnsi(arg));
    return ParseCommandLine(wide);
}

Queues Narrow(const std::vector<std::wstring>& queues)
{
    Queues narrow;
    for (const std::wstring& queue : queues)
        narrow.push_back(ToAnsi(queue));
    return narrow;
}

TEST(CommandLineTest, CommandsWithTheirQueuesAndOptions)
{
    const struct
    {
        Args args;
        Verb verb;
        Queues queues;
        bool json;
        std::optional<DWORD> interval;
        std::optional<DWORD> timeout;
        bool restart;
        std::optional<DWORD> whenIdle = std::nullopt;
    } cases[] = {
        {{"show", "A"}, Verb::kShow, {"A"}, false, {}, {}, true},
        {{"SHOW", "A", "B", "--json"}, Verb::kShow, {"A", "B"}, true, {}, {}, true},
        {{"show", "--JSON", "A"}, Verb::kShow, {"A"}, true, {}, {}, true},
        {{"list"}, Verb::kList, {}, false, {}, {}, true},
        {{"list", "--json"}, Verb::kList, {}, true, {}, {}, true},
        {{"check", "A", "--interval", "off", "--json"}, Verb::kCheck, {"A"}, true, 0, {}, true},
        {{"Check", "A", "B", "--timeout=60"}, Verb::kCheck, {"A", "B"}, false, {}, 60000, true},
        {{"set", "A", "--timeout", "9", "--json"}, Verb::kSet, {"A"}, true, {}, 9000, true},
        // A queue named again, in any ASCII case, is the same queue and is handled once.
        {{"set", "Annex", "A", "annex", "ANNEX", "--timeout", "9"},
         Verb::kSet,
         {"Annex", "A"},
         false,
         {},
         9000,
         true},
        {{"show", "\\\\printhost\\Q", "\\\\PRINTHOST\\q", "Q"},
         Verb::kShow,
         {"\\\\printhost\\Q", "Q"},
         false,
         {},
         {},
         true},
        // Only ASCII letters have a case here: these are two queues.
        {{"show", "Büro", "BÜro"}, Verb::kShow, {"Büro", "BÜro"}, false, {}, {}, true},
        {{"set", "A", "--interval", "2.5"}, Verb::kSet, {"A"}, false, 2500, {}, true},
        {{"set", "--timeout=60", "A", "B"}, Verb::kSet, {"A", "B"}, false, {}, 60000, true},
        {{"set", "A", "--interval=off", "--timeout", "5", "--no-restart"},
         Verb::kSet,
         {"A"},
         false,
         0,
         5000,
         false},
        {{"set", "--Interval", "OFF", "A"}, Verb::kSet, {"A"}, false, 0, {}, true},
        {{"set", "A", "--timeout=9", "--when-idle=6"}, Verb::kSet, {"A"}, false, {}, 9000, true, 6},
        {{"restart"}, Verb::kRestart, {}, false, {}, {}, true},
        {{"Restart", "--WHEN-IDLE=0", "--json"}, Verb::kRestart, {}, true, {}, {}, true, 0},
        {{"restart", "--when-idle", "86400"}, Verb::kRestart, {}, false, {}, {}, true, 86400},
        // After "--" everything names a queue, even what looks like an option.
        {{"set", "--timeout", "9", "--", "--json", "-x"},
         Verb::kSet,
         {"--json", "-x"},
         false,
         {},
         9000,
         true},
        {{"show", "--", "--"}, Verb::kShow, {"--"}, false, {}, {}, true},
        {{"--help"}, Verb::kHelp, {}, false, {}, {}, true},
        {{"help"}, Verb::kHelp, {}, false, {}, {}, true},
        {{"HELP", "set", "--bogus"}, Verb::kHelp, {}, false, {}, {}, true},
        {{"set", "A", "/?"}, Verb::kHelp, {}, false, {}, {}, true},
        {{"-H", "whatever", "--interval", "0"}, Verb::kHelp, {}, false, {}, {}, true},
    };
    for (const auto& c : cases)
    {
        const ParsedCommandLine parsed = Parse(c.args);
        ASSERT_EQ(parsed.error, CommandLineError::kNone) << Joined(c.args);
        EXPECT_EQ(parsed.command.verb, c.verb) << Joined(c.args);
        EXPECT_EQ(Narrow(parsed.command.queues), c.queues) << Joined(c.args);
        EXPECT_EQ(parsed.command.json, c.json) << Joined(c.args);
        EXPECT_EQ(parsed.command.interval, c.interval) << Joined(c.args);
        EXPECT_EQ(parsed.command.timeout, c.timeout) << Joined(c.args);
        EXPECT_EQ(parsed.command.restart, c.restart) << Joined(c.args);
        EXPECT_EQ(parsed.command.whenIdle, c.whenIdle) << Joined(c.args);
    }
}

TEST(CommandLineTest, MistakesAreNamedWithTheArgumentAtFault)
{
    using E = CommandLineError;
    const struct
    {
        Args args;
        E error;
        std::string argument;
    } cases[] = {
        {{}, E::kNoCommand, ""},
        {{"remove", "A"}, E::kUnknownCommand, "remove"},
        {{"A"}, E::kUnknownCommand, "A"},
        {{"--json", "show", "A"}, E::kUnknownCommand, "--json"},
        {{"check", "A"}, E::kNothingToSet, ""},
        {{"check", "--timeout", "60"}, E::kNoQueue, ""},
        {{"check", "A", "--timeout", "60", "--no-restart"}, E::kNotUnderstood, "--no-restart"},
        {{"check", "A", "--timeout", "4"}, E::kBadTimeout, "4"},
        {{"show"}, E::kNoQueue, ""},
        {{"show", "--json"}, E::kNoQueue, ""},
        {{"show", "A", "--interval", "1"}, E::kNotUnderstood, "--interval"},
        {{"show", "A", "--json=yes"}, E::kNotUnderstood, "--json=yes"},
        {{"show", "A", "-j"}, E::kNotUnderstood, "-j"},
        {{"show", "A", "--json", "--json"}, E::kRepeatedOption, "--json"},
        {{"list", "A"}, E::kNotUnderstood, "A"},
        {{"set", "A"}, E::kNothingToSet, ""},
        {{"set", "A", "--no-restart"}, E::kNothingToSet, ""},
        {{"set", "--timeout", "60"}, E::kNoQueue, ""},
        {{"set", "A", "--json", "--timeout", "60", "--JSON"}, E::kRepeatedOption, "--JSON"},
        {{"set", "A", "--timeout"}, E::kMissingValue, "--timeout"},
        {{"set", "A", "--interval"}, E::kMissingValue, "--interval"},
        // The program's own words are never a value: the option before them has none.
        {{"set", "A", "--interval", "--timeout", "5"}, E::kMissingValue, "--interval"},
        {{"set", "A", "--interval", "--help", "off"}, E::kMissingValue, "--interval"},
        {{"show", "--driver", "--json"}, E::kMissingValue, "--driver"},
        {{"show", "--monitor", "--"}, E::kMissingValue, "--monitor"},
        {{"list", "--server", "-H"}, E::kMissingValue, "--server"},
        {{"check", "--driver", "--Timeout=5"}, E::kMissingValue, "--driver"},
        {{"set", "A", "--interval", "1", "--interval", "2"}, E::kRepeatedOption, "--interval"},
        {{"set", "A", "--timeout=5", "--TIMEOUT", "6"}, E::kRepeatedOption, "--TIMEOUT"},
        {{"set", "A", "--no-restart", "--no-restart", "--timeout", "5"},
         E::kRepeatedOption,
         "--no-restart"},
        {{"set", "A", "--no-restart=1", "--timeout", "5"}, E::kNotUnderstood, "--no-restart=1"},
        {{"set", "A", "--interval", "0"}, E::kBadInterval, "0"},
        {{"set", "A", "--interval=1,5"}, E::kBadInterval, "1,5"},
        {{"set", "A", "--interval", "１"}, E::kBadInterval, "１"}, // full-width 1
        {{"set", "A", "--timeout", "６０"}, E::kBadTimeout, "６０"},
        {{"set", "A", "--interval="}, E::kBadInterval, ""},
        {{"set", "A", "--timeout", "601"}, E::kBadTimeout, "601"},
        // The first mistake wins, so a bad value is reported even before a missing queue.
        {{"set", "--timeout", "1", "A"}, E::kBadTimeout, "1"},
        {{"set", "A", "", "--timeout", "5"}, E::kBadQueueName, ""},
        {{"set", "\\\\printhost", "--timeout", "5"}, E::kBadQueueName, "\\\\printhost"},
        {{"show", "--", "A,Job 3"}, E::kBadQueueName, "A,Job 3"},
        {{"show", "--driver", "a", "--monitor", "b"}, E::kTwoSelections, ""},
        {{"show", "A", "--driver", "a"}, E::kQueuesAndSelection, "--driver"},
        {{"set", "A", "--server", "printhost", "--timeout", "5"},
         E::kQueuesAndSelection,
         "--server"},
        {{"show", "--server", "printhost"}, E::kNoQueue, ""},
        {{"check", "--monitor", "m"}, E::kNothingToSet, ""},
        {{"show", "--driver="}, E::kEmptyPattern, "--driver"},
        {{"list", "--monitor", ""}, E::kEmptyPattern, "--monitor"},
        {{"show", "--driver", "La[bs*"}, E::kBadPattern, "La[bs*"},
        {{"list", "--server", "\\\\a\\b"}, E::kBadServer, "\\\\a\\b"},
        {{"list", "--server="}, E::kBadServer, ""},
        {{"list", "--driver"}, E::kMissingValue, "--driver"},
        {{"list", "--driver", "a", "--DRIVER", "b"}, E::kRepeatedOption, "--DRIVER"},
        // Only restart takes more than one server.
        {{"list", "--server", "a", "--server", "b"}, E::kRepeatedOption, "--server"},
        {{"restart", "--when-idle", "86401"}, E::kBadWhenIdle, "86401"},
        {{"restart", "--when-idle"}, E::kMissingValue, "--when-idle"},
        {{"set", "A", "--timeout=5", "--no-restart", "--when-idle=6"}, E::kWaitWithoutRestart, ""},
        {{"check", "A", "--timeout=5", "--when-idle=6"}, E::kNotUnderstood, "--when-idle=6"},
        {{"restart", "--interval", "1"}, E::kNotUnderstood, "--interval"},
    };
    for (const auto& c : cases)
    {
        const ParsedCommandLine parsed = Parse(c.args);
        EXPECT_EQ(parsed.error, c.error) << Joined(c.args);
        EXPECT_EQ(ToAnsi(parsed.argument), c.argument) << Joined(c.args);
    }
}
TEST(CommandLineTest, QueuesSelectedByDriverOrMonitorOnThisComputerOrAServer)
{
    const struct
    {
        Args args;
        Selection selection;
        const char* pattern;
        Queues servers;
    } cases[] = {
        {{"list"}, Selection::kNone, "", {}},
        {{"list", "--server", "printhost"}, Selection::kNone, "", {"\\\\printhost"}},
        {{"list", "--server=\\\\printhost", "--driver", "Laser*"},
         Selection::kDriver,
         "Laser*",
         {"\\\\printhost"}},
        {{"show", "--MONITOR", "Laser Monitor"}, Selection::kMonitor, "Laser Monitor", {}},
        {{"set", "--driver", "*", "--timeout", "60"}, Selection::kDriver, "*", {}},
        {{"check", "--interval", "off", "--monitor=L?M", "--server", "プリントサーバー"},
         Selection::kMonitor,
         "L?M",
         {"\\\\プリントサーバー"}},
        // Each server once, in the order first named, in any ASCII case and either spelling.
        {{"restart", "--server", "a", "--SERVER=\\\\Host", "--server", "A", "--server", "host"},
         Selection::kNone,
         "",
         {"\\\\a", "\\\\Host"}},
    };
    for (const auto& c : cases)
    {
        const ParsedCommandLine parsed = Parse(c.args);
        ASSERT_EQ(parsed.error, CommandLineError::kNone) << Joined(c.args);
        EXPECT_EQ(parsed.command.selection, c.selection) << Joined(c.args);
        EXPECT_EQ(ToAnsi(parsed.command.pattern), c.pattern) << Joined(c.args);
        EXPECT_EQ(Narrow(parsed.command.servers), c.servers) << Joined(c.args);
        EXPECT_TRUE(parsed.command.queues.empty()) << Joined(c.args);
    }
}
} // namespace
