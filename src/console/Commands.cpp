#include "console/Commands.h"

#include "console/CommandFlows.h"
#include "console/CommandLine.h"
#include "console/Messages.h"
#include "resource.h"

namespace
{
int Rank(int status)
{
    switch (status)
    {
    case kExitDone:
        return 0;
    case kExitDiffers:
        return 1;
    case kExitRestartFailed:
        return 2;
    case kExitNotOpened:
        return 3;
    case kExitStoreFailed:
        return 4;
    default:
        return 5;
    }
}

UINT ErrorMessage(CommandLineError error)
{
    switch (error)
    {
    case CommandLineError::kNoCommand:
        return IDS_CMD_NO_COMMAND;
    case CommandLineError::kUnknownCommand:
        return IDS_CMD_UNKNOWN_COMMAND;
    case CommandLineError::kMissingValue:
        return IDS_CMD_MISSING_VALUE;
    case CommandLineError::kRepeatedOption:
        return IDS_CMD_REPEATED_OPTION;
    case CommandLineError::kNoQueue:
        return IDS_CMD_NO_QUEUE;
    case CommandLineError::kNothingToSet:
        return IDS_CMD_NOTHING_TO_SET;
    case CommandLineError::kBadQueueName:
        return IDS_CMD_BAD_QUEUE_NAME;
    case CommandLineError::kBadInterval:
        return IDS_CMD_BAD_INTERVAL;
    case CommandLineError::kBadTimeout:
        return IDS_CMD_BAD_TIMEOUT;
    default:
        return IDS_CMD_NOT_UNDERSTOOD;
    }
}
} // namespace

int WorseStatus(int a, int b)
{
    return Rank(a) >= Rank(b) ? a : b;
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
