#include "console/Commands.h"

#include "console/CommandFlows.h"
#include "console/CommandLine.h"
#include "console/Messages.h"
#include "resource.h"

#include <algorithm>
#include <iterator>

namespace
{
void WriteHelp(CConsoleOutput& out)
{
    out.Write(ConsoleStream::kOutput,
              Message(IDS_CMD_HELP_INTRO) + L"\n\n" + Message(IDS_CMD_SYNTAX) + L"\n\n" +
                  Message(IDS_CMD_HELP_COMMANDS) + L"\n\n" + Message(IDS_CMD_HELP_NOTES) + L"\n");
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
    const Command& command = parsed.command;
    CReport report(out, command.json);
    if (parsed.error != CommandLineError::kNone)
    {
        for (const UINT line :
             {static_cast<UINT>(parsed.error), UINT(IDS_CMD_SYNTAX), UINT(IDS_CMD_USAGE_HINT)})
            report.Complain(line, {parsed.argument});
        return kExitUsage;
    }
    if (command.verb == Verb::kHelp)
    {
        WriteHelp(out);
        return kExitDone;
    }
    if (command.verb == Verb::kRestart)
        return RestartSpoolers(command.servers.empty() ? std::vector<std::wstring>{L""}
                                                       : command.servers,
                               command.whenIdle, report);
    CDriverMonitors monitors;
    std::vector<Target> targets;
    const int selected = SelectTargets(command, monitors, report, targets);
    if (targets.empty())
        return selected;
    switch (command.verb)
    {
    case Verb::kCheck:
        return CheckQueues(command, targets, monitors, report);
    case Verb::kSet:
        return SetQueues(command, targets, monitors, report);
    default:
        return ShowQueues(targets, monitors, report);
    }
}
