#include "console/Commands.h"

#include "console/CommandFlows.h"
#include "console/CommandLine.h"
#include "console/Messages.h"
#include "resource.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace
{
UINT ErrorMessage(CommandLineError error)
{
    const std::pair<CommandLineError, UINT> messages[] = {
        {CommandLineError::kNoCommand, IDS_CMD_NO_COMMAND},
        {CommandLineError::kUnknownCommand, IDS_CMD_UNKNOWN_COMMAND},
        {CommandLineError::kMissingValue, IDS_CMD_MISSING_VALUE},
        {CommandLineError::kRepeatedOption, IDS_CMD_REPEATED_OPTION},
        {CommandLineError::kNoQueue, IDS_CMD_NO_QUEUE},
        {CommandLineError::kNothingToSet, IDS_CMD_NOTHING_TO_SET},
        {CommandLineError::kBadQueueName, IDS_CMD_BAD_QUEUE_NAME},
        {CommandLineError::kBadInterval, IDS_CMD_BAD_INTERVAL},
        {CommandLineError::kBadTimeout, IDS_CMD_BAD_TIMEOUT},
    };
    for (const auto& [known, message] : messages)
        if (known == error)
            return message;
    return IDS_CMD_NOT_UNDERSTOOD;
}
} // namespace

int WorseStatus(int a, int b)
{
    // From the least serious up; any other status outranks them all.
    const int order[] = {kExitDone, kExitDiffers, kExitRestartFailed, kExitNotOpened,
                         kExitStoreFailed};
    const auto rank = [&](int status) {
        return std::find(std::begin(order), std::end(order), status) - std::begin(order);
    };
    return rank(a) >= rank(b) ? a : b;
}

int RunSettingToolCmd(const std::vector<std::wstring>& arguments, CConsoleOutput& out)
{
    const ParsedCommandLine parsed = ParseCommandLine(arguments);
    if (parsed.error != CommandLineError::kNone)
    {
        ComplainLine(out, ErrorMessage(parsed.error), {parsed.argument});
        ComplainLine(out, IDS_CMD_SYNTAX);
        ComplainLine(out, IDS_CMD_USAGE_HINT);
        return kExitUsage;
    }
    const Command& command = parsed.command;
    CReport report(out, command.json);
    switch (command.verb)
    {
    case Verb::kShow:
        return ShowQueues(command.queues, report);
    case Verb::kList:
        return ListAllQueues(report);
    case Verb::kCheck:
        return CheckQueues(command, report);
    case Verb::kSet:
        return SetQueues(command, report);
    default:
        out.Write(ConsoleStream::kOutput, Message(IDS_CMD_HELP_INTRO) + L"\n\n" +
                                              Message(IDS_CMD_SYNTAX) + L"\n\n" +
                                              Message(IDS_CMD_HELP_COMMANDS) + L"\n\n" +
                                              Message(IDS_CMD_HELP_NOTES) + L"\n");
        return kExitDone;
    }
}
