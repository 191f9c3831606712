#include "console/Commands.h"

#include "console/CommandLine.h"
#include "console/ConsoleWrite.h"
#include "console/Json.h"
#include "console/Messages.h"
#include "console/QueueList.h"
#include "console/SettingValues.h"
#include "printer/PrinterInfo.h"
#include "resource.h"
#include "service/SpoolerRestart.h"
#include "settings/NumberText.h"

#include <algorithm>
#include <memory>
#include <optional>

namespace
{
struct Settings
{
    DWORD interval;
    DWORD timeout;
};

// Seconds as the dialog shows them.
std::string IntervalSeconds(DWORD milliseconds)
{
    return FormatFixed(MillisecondsToSeconds(milliseconds), 1);
}

std::string TimeoutSeconds(DWORD milliseconds)
{
    return FormatFixed(MillisecondsToSeconds(milliseconds), 0);
}

std::string DefaultMark(DWORD value, DWORD defaultValue)
{
    return value == defaultValue ? Message(IDS_CMD_DEFAULT_MARK) : "";
}

// The settings lines of a queue, for standard output or, after a failed store, standard error.
std::string SettingsLines(const Settings& settings)
{
    std::string text;
    if (settings.interval != 0)
        text += Message(IDS_CMD_STATUS_ON) + "\n" +
                Message(IDS_CMD_INTERVAL,
                        {IntervalSeconds(settings.interval), std::to_string(settings.interval),
                         DefaultMark(settings.interval, CPrinterInfo::kDefaultStatusInterval)}) +
                "\n";
    else
        text += Message(IDS_CMD_STATUS_OFF) + "\n" + Message(IDS_CMD_INTERVAL_OFF) + "\n";
    return text +
           Message(IDS_CMD_TIMEOUT,
                   {TimeoutSeconds(settings.timeout), std::to_string(settings.timeout),
                    DefaultMark(settings.timeout, CPrinterInfo::kDefaultIoTimeout)}) +
           "\n";
}

std::string JsonBool(bool value)
{
    return value ? "true" : "false";
}

std::string JsonObject(const std::string& queue, const std::optional<Settings>& settings)
{
    std::string json = "{\"queue\":" + JsonString(queue) + ",\"opened\":";
    if (!settings)
        return json + "false}";
    const DWORD interval = settings->interval;
    const DWORD timeout = settings->timeout;
    return json + "true,\"backgroundStatus\":" + JsonBool(interval != 0) +
           ",\"intervalSeconds\":" + IntervalSeconds(interval) +
           ",\"intervalMs\":" + std::to_string(interval) +
           ",\"intervalDefault\":" + JsonBool(interval == CPrinterInfo::kDefaultStatusInterval) +
           ",\"timeoutSeconds\":" + TimeoutSeconds(timeout) +
           ",\"timeoutMs\":" + std::to_string(timeout) +
           ",\"timeoutDefault\":" + JsonBool(timeout == CPrinterInfo::kDefaultIoTimeout) + "}";
}

// The printer and service modules take names as UTF-16; this program's are in the ANSI code page.
std::wstring Wide(const std::string& text)
{
    const int length =
        MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length > 0 ? length : 0), L'\0');
    if (length > 0)
        MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), &wide[0],
                            length);
    return wide;
}

std::optional<Settings> ReadSettings(const CPrinterInfo& printer)
{
    try
    {
        return Settings{printer.GetStatusInterval(), printer.GetIoTimeout()};
    }
    catch (...)
    {
        return std::nullopt;
    }
}

// Reading needs no more than the right to print.
std::optional<Settings> ReadSettings(const std::string& queue)
{
    try
    {
        const CPrinterInfo printer(Wide(queue).c_str(), PRINTER_ACCESS_USE);
        return ReadSettings(printer);
    }
    catch (...)
    {
        return std::nullopt;
    }
}

std::string StoredDescription(const Command& command)
{
    std::vector<std::string> parts;
    if (command.interval)
        parts.push_back(*command.interval == 0 ? Message(IDS_CMD_STORED_STATUS_OFF)
                                               : Message(IDS_CMD_STORED_INTERVAL,
                                                         {IntervalSeconds(*command.interval)}));
    if (command.timeout)
        parts.push_back(Message(IDS_CMD_STORED_TIMEOUT, {TimeoutSeconds(*command.timeout)}));
    std::string text = parts[0];
    for (size_t i = 1; i < parts.size(); ++i)
        text += Message(IDS_CMD_SEPARATOR) + parts[i];
    return text;
}

int StoreOn(const std::string& queue, const Command& command)
{
    std::unique_ptr<CPrinterInfo> printer;
    try
    {
        printer = std::make_unique<CPrinterInfo>(Wide(queue).c_str(), PRINTER_ALL_ACCESS);
    }
    catch (...)
    {
        ComplainLine(IDS_CMD_OPEN_FAILED_FULL, {queue});
        return kExitNotOpened;
    }
    try
    {
        // Only the values given are stored, all or nothing; one not given stays exactly as it is.
        const DWORD result = printer->Store(command.interval, command.timeout);
        if (result == ERROR_SUCCESS)
        {
            SayLine(IDS_CMD_STORED, {queue, StoredDescription(command)});
            return kExitDone;
        }
        ComplainLine(IDS_CMD_STORE_FAILED, {queue, std::to_string(result)});
    }
    catch (...)
    {
        ComplainLine(IDS_CMD_STORE_BROKE, {queue});
    }
    // Says what the queue holds after the failure, whatever the store left behind.
    if (const auto now = ReadSettings(*printer))
    {
        ComplainLine(IDS_CMD_STORED_NOW, {queue});
        WriteToConsole(ConsoleStream::kError, SettingsLines(*now));
    }
    return kExitStoreFailed;
}

int Restart(const std::string& machine)
{
    const std::string where = machine.empty() ? Message(IDS_CMD_THIS_COMPUTER) : machine;
    SayLine(IDS_CMD_RESTARTING, {where});
    if (RestartSpooler(machine.empty() ? nullptr : Wide(machine).c_str()) ==
        RestartOutcome::Restarted)
    {
        SayLine(IDS_CMD_RESTARTED, {where});
        return kExitDone;
    }
    ComplainLine(IDS_CMD_RESTART_FAILED, {where});
    return kExitRestartFailed;
}

int Rank(int status)
{
    switch (status)
    {
    case kExitDone:
        return 0;
    case kExitRestartFailed:
        return 1;
    case kExitNotOpened:
        return 2;
    case kExitStoreFailed:
        return 3;
    default:
        return 4;
    }
}

UINT ErrorMessage(CommandLineError error)
{
    switch (error)
    {
    case CommandLineError::kNoCommand:
        return IDS_CMD_NO_COMMAND;
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
int ShowQueues(const std::vector<std::string>& queues, bool json)
{
    int status = kExitDone;
    bool first = true;
    for (const std::string& queue : queues)
    {
        const std::optional<Settings> settings = ReadSettings(queue);
        if (!settings)
        {
            ComplainLine(IDS_CMD_OPEN_FAILED_READ, {queue});
            status = WorseStatus(status, kExitNotOpened);
        }
        if (json)
            WriteToConsole(ConsoleStream::kOutput, JsonObject(queue, settings) + "\n");
        else if (settings)
            WriteToConsole(ConsoleStream::kOutput, (first ? "" : "\n") +
                                                       Message(IDS_CMD_QUEUE, {queue}) + "\n" +
                                                       SettingsLines(*settings));
        first = first && !settings;
    }
    return status;
}

int ListAllQueues(bool json)
{
    const QueueList list = ListQueues();
    if (list.error != ERROR_SUCCESS)
    {
        ComplainLine(IDS_CMD_LIST_FAILED, {std::to_string(list.error)});
        return kExitNotOpened;
    }
    if (list.names.empty() && !json)
        SayLine(IDS_CMD_NO_QUEUES);
    return ShowQueues(list.names, json);
}

int SetQueues(const Command& command)
{
    int status = kExitDone;
    std::vector<std::string> notStored;
    // Where something was stored, each machine once, in the order first named; "" is this one.
    std::vector<std::string> machines;
    for (const std::string& queue : command.queues)
    {
        const int result = StoreOn(queue, command);
        status = WorseStatus(status, result);
        if (result != kExitDone)
        {
            notStored.push_back(queue);
            continue;
        }
        const std::string machine = MachineOf(queue);
        if (std::none_of(machines.begin(), machines.end(),
                         [&](const std::string& m) { return SameMachine(m, machine); }))
            machines.push_back(machine);
    }
    if (!command.restart && !machines.empty())
        SayLine(IDS_CMD_NOT_RESTARTED);
    else
        for (const std::string& machine : machines)
            status = WorseStatus(status, Restart(machine));

    if (command.queues.size() > 1)
    {
        SayLine(IDS_CMD_SUMMARY, {std::to_string(command.queues.size() - notStored.size()),
                                  std::to_string(command.queues.size())});
        if (!notStored.empty())
        {
            std::string lines = Message(IDS_CMD_NOT_STORED_ON) + "\n";
            for (const std::string& queue : notStored)
                lines += "  " + queue + "\n";
            WriteToConsole(ConsoleStream::kError, lines);
        }
    }
    return status;
}

} // namespace

int WorseStatus(int a, int b)
{
    return Rank(a) >= Rank(b) ? a : b;
}

int RunSettingToolCmd(const std::vector<std::string>& arguments)
{
    const ParsedCommandLine parsed = ParseCommandLine(arguments);
    if (parsed.error != CommandLineError::kNone)
    {
        ComplainLine(ErrorMessage(parsed.error), {parsed.argument});
        ComplainLine(IDS_CMD_SYNTAX);
        ComplainLine(IDS_CMD_USAGE_HINT);
        return kExitUsage;
    }
    const Command& command = parsed.command;
    switch (command.verb)
    {
    case Verb::kShow:
        return ShowQueues(command.queues, command.json);
    case Verb::kList:
        return ListAllQueues(command.json);
    case Verb::kSet:
        return SetQueues(command);
    default:
        WriteToConsole(ConsoleStream::kOutput, Message(IDS_CMD_HELP_INTRO) + "\n\n" +
                                                   Message(IDS_CMD_SYNTAX) + "\n\n" +
                                                   Message(IDS_CMD_HELP_COMMANDS) + "\n\n" +
                                                   Message(IDS_CMD_HELP_NOTES) + "\n");
        return kExitDone;
    }
}
