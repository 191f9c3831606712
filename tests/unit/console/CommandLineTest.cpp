// Reading the console program's command line.
#include "console/CommandLine.h"

#include <gtest/gtest.h>

namespace
{
using Args = std::vector<std::string>;
using Queues = std::vector<std::string>;

std::string Joined(const Args& args)
{
    std::string text;
    for (const auto& a : args)
        text += "[" + a + "]";
    return text;
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
    } cases[] = {
        {{"show", "A"}, Verb::kShow, {"A"}, false, {}, {}, true},
        {{"SHOW", "A", "B", "--json"}, Verb::kShow, {"A", "B"}, true, {}, {}, true},
        {{"show", "--JSON", "A"}, Verb::kShow, {"A"}, true, {}, {}, true},
        {{"list"}, Verb::kList, {}, false, {}, {}, true},
        {{"list", "--json"}, Verb::kList, {}, true, {}, {}, true},
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
        {{"set", "A", "/?"}, Verb::kHelp, {}, false, {}, {}, true},
        {{"-H", "whatever", "--interval", "0"}, Verb::kHelp, {}, false, {}, {}, true},
    };
    for (const auto& c : cases)
    {
        const ParsedCommandLine parsed = ParseCommandLine(c.args);
        ASSERT_EQ(parsed.error, CommandLineError::kNone) << Joined(c.args);
        EXPECT_EQ(parsed.command.verb, c.verb) << Joined(c.args);
        EXPECT_EQ(parsed.command.queues, c.queues) << Joined(c.args);
        EXPECT_EQ(parsed.command.json, c.json) << Joined(c.args);
        EXPECT_EQ(parsed.command.interval, c.interval) << Joined(c.args);
        EXPECT_EQ(parsed.command.timeout, c.timeout) << Joined(c.args);
        EXPECT_EQ(parsed.command.restart, c.restart) << Joined(c.args);
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
        {{"remove", "A"}, E::kNotUnderstood, "remove"},
        {{"A"}, E::kNotUnderstood, "A"},
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
        {{"set", "A", "--json", "--timeout", "60"}, E::kNotUnderstood, "--json"},
        {{"set", "A", "--timeout"}, E::kMissingValue, "--timeout"},
        {{"set", "A", "--interval"}, E::kMissingValue, "--interval"},
        {{"set", "A", "--interval", "1", "--interval", "2"}, E::kRepeatedOption, "--interval"},
        {{"set", "A", "--timeout=5", "--TIMEOUT", "6"}, E::kRepeatedOption, "--TIMEOUT"},
        {{"set", "A", "--no-restart", "--no-restart", "--timeout", "5"},
         E::kRepeatedOption,
         "--no-restart"},
        {{"set", "A", "--no-restart=1", "--timeout", "5"}, E::kNotUnderstood, "--no-restart=1"},
        {{"set", "A", "--interval", "0"}, E::kBadInterval, "0"},
        {{"set", "A", "--interval=1,5"}, E::kBadInterval, "1,5"},
        {{"set", "A", "--interval", "--timeout", "5"}, E::kBadInterval, "--timeout"},
        {{"set", "A", "--interval="}, E::kBadInterval, ""},
        {{"set", "A", "--timeout", "601"}, E::kBadTimeout, "601"},
        // The first mistake wins, so a bad value is reported even before a missing queue.
        {{"set", "--timeout", "1", "A"}, E::kBadTimeout, "1"},
        {{"set", "A", "", "--timeout", "5"}, E::kBadQueueName, ""},
        {{"set", "\\\\printhost", "--timeout", "5"}, E::kBadQueueName, "\\\\printhost"},
        {{"show", "--", "A,Job 3"}, E::kBadQueueName, "A,Job 3"},
    };
    for (const auto& c : cases)
    {
        const ParsedCommandLine parsed = ParseCommandLine(c.args);
        EXPECT_EQ(parsed.error, c.error) << Joined(c.args);
        EXPECT_EQ(parsed.argument, c.argument) << Joined(c.args);
    }
}
} // namespace
