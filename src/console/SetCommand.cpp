// set: stores on each queue the values that differ from what it holds, all or nothing per queue,
// then restarts the print spooler of each machine where something was stored.
#include "console/CommandFlows.h"
#include "console/Commands.h"
#include "console/Json.h"
#include "console/Messages.h"
#include "console/SettingText.h"
#include "console/SettingValues.h"
#include "resource.h"
#include "service/SpoolerRestart.h"

#include <algorithm>

namespace
{
enum class QueueResult
{
    kStored,
    kUnchanged,
    kNotOpened,
    kStoreFailed,
};

struct QueueOutcome
{
    QueueResult result;
    std::vector<SettingKind> written;
    DWORD error = ERROR_SUCCESS;
};

const char* ResultName(QueueResult result)
{
    switch (result)
    {
    case QueueResult::kStored:
        return "stored";
    case QueueResult::kUnchanged:
        return "unchanged";
    case QueueResult::kNotOpened:
        return "not-opened";
    default:
        return "store-failed";
    }
}

int StatusOf(QueueResult result)
{
    switch (result)
    {
    case QueueResult::kNotOpened:
        return kExitNotOpened;
    case QueueResult::kStoreFailed:
        return kExitStoreFailed;
    default:
        return kExitDone;
    }
}

std::string SetJson(const std::wstring& queue, const QueueOutcome& outcome)
{
    const bool failed = StatusOf(outcome.result) != kExitDone;
    return "{\"queue\":" + JsonString(queue) + ",\"result\":\"" + ResultName(outcome.result) +
           "\",\"written\":" + JsonNames(outcome.written) +
           ",\"error\":" + (failed ? ErrorJson(outcome.error) : "0") + "}";
}

// The values written, for the message that says so.
std::wstring WrittenText(std::optional<DWORD> interval, std::optional<DWORD> timeout)
{
    std::wstring text;
    if (interval)
        text = *interval == 0
                   ? Message(IDS_CMD_STORED_STATUS_OFF)
                   : Message(IDS_CMD_STORED_INTERVAL, {Widened(ExactSeconds(*interval, 1))});
    if (timeout)
        text += (text.empty() ? L"" : Message(IDS_CMD_SEPARATOR)) +
                Message(IDS_CMD_STORED_TIMEOUT, {Widened(ExactSeconds(*timeout, 0))});
    return text;
}

// Only a value that differs from the one asked for is written; the other stays exactly as it is.
std::optional<DWORD> IfDiffering(std::optional<DWORD> asked, const StoredSetting& stored)
{
    return asked && !stored.Holds(*asked) ? asked : std::nullopt;
}

QueueOutcome StoreDiffering(CPrinterInfo& printer, const std::wstring& queue,
                            const Command& command, CReport& report)
{
    const QueueSettings settings = ReadQueueSettings(printer);
    const auto interval = IfDiffering(command.interval, settings.interval);
    const auto timeout = IfDiffering(command.timeout, settings.timeout);
    if (!interval && !timeout)
    {
        report.Say(IDS_CMD_UNCHANGED, {queue});
        return {QueueResult::kUnchanged, {}};
    }
    const DWORD result = printer.Store(interval, timeout);
    if (result != ERROR_SUCCESS)
    {
        report.Complain(IDS_CMD_STORE_FAILED, {queue, NumberArgument(result)});
        return {QueueResult::kStoreFailed, {}, result};
    }
    report.Say(IDS_CMD_STORED, {queue, WrittenText(interval, timeout)});
    QueueOutcome outcome = {QueueResult::kStored, {}};
    if (interval)
        outcome.written.push_back(SettingKind::kInterval);
    if (timeout)
        outcome.written.push_back(SettingKind::kTimeout);
    return outcome;
}

QueueOutcome SetOn(const std::wstring& queue, const Command& command, CReport& report)
{
    const OpenedQueue opened = OpenQueue(queue, PRINTER_ALL_ACCESS);
    if (!opened.printer)
    {
        report.Complain(IDS_CMD_OPEN_FAILED_FULL, {queue});
        return {QueueResult::kNotOpened, {}, opened.error};
    }
    QueueOutcome outcome = {QueueResult::kStoreFailed, {}};
    try
    {
        outcome = StoreDiffering(*opened.printer, queue, command, report);
        if (outcome.result != QueueResult::kStoreFailed)
            return outcome;
    }
    catch (...)
    {
        report.Complain(IDS_CMD_STORE_BROKE, {queue});
    }
    // Says what the queue holds after the failure, whatever the store left behind.
    try
    {
        const QueueSettings now = ReadQueueSettings(*opened.printer);
        report.Complain(IDS_CMD_STORED_NOW, {queue});
        report.Write(ConsoleStream::kError, SettingsLines(now));
    }
    catch (...)
    {
    }
    return outcome;
}

int Restart(const std::wstring& machine, CReport& report)
{
    const std::wstring where = machine.empty() ? Message(IDS_CMD_THIS_COMPUTER) : machine;
    report.Say(IDS_CMD_RESTARTING, {where});
    const RestartOutcome outcome = RestartSpooler(machine.empty() ? nullptr : machine.c_str());
    std::string result;
    switch (outcome)
    {
    case RestartOutcome::Restarted:
        report.Say(IDS_CMD_RESTARTED, {where});
        result = "done";
        break;
    case RestartOutcome::SpoolerStopped:
        report.Complain(IDS_CMD_ON_MACHINE, {where, Message(IDS_SPOOLER_STOPPED)});
        result = "spooler-stopped";
        break;
    default:
        report.Complain(IDS_CMD_RESTART_FAILED, {where});
        result = "failed";
    }
    report.Object("{\"machine\":" + JsonString(machine) + ",\"restart\":\"" + result + "\"}");
    return outcome == RestartOutcome::Restarted ? kExitDone : kExitRestartFailed;
}
} // namespace

int SetQueues(const Command& command, CReport& report)
{
    int status = kExitDone;
    std::vector<std::wstring> notStored;
    size_t unchanged = 0;
    // Where something was stored, each machine once, in the order first named; "" is this one.
    std::vector<std::wstring> machines;
    for (const std::wstring& queue : command.queues)
    {
        const QueueOutcome outcome = SetOn(queue, command, report);
        report.Object(SetJson(queue, outcome));
        status = WorseStatus(status, StatusOf(outcome.result));
        if (outcome.result == QueueResult::kUnchanged)
            ++unchanged;
        if (StatusOf(outcome.result) != kExitDone)
            notStored.push_back(queue);
        if (outcome.result != QueueResult::kStored)
            continue;
        const std::wstring machine = MachineOf(queue);
        if (std::none_of(machines.begin(), machines.end(),
                         [&](const std::wstring& m) { return SameName(m, machine); }))
            machines.push_back(machine);
    }
    if (!command.restart && !machines.empty())
        report.Say(IDS_CMD_NOT_RESTARTED);
    else
        for (const std::wstring& machine : machines)
            status = WorseStatus(status, Restart(machine, report));

    if (command.queues.size() > 1)
    {
        const size_t stored = command.queues.size() - unchanged - notStored.size();
        report.Say(IDS_CMD_SUMMARY, {NumberArgument(command.queues.size()), NumberArgument(stored),
                                     NumberArgument(unchanged), NumberArgument(notStored.size())});
        if (!notStored.empty() && !report.IsJson())
        {
            std::wstring lines = Message(IDS_CMD_NOT_STORED_ON) + L"\n";
            for (const std::wstring& queue : notStored)
                lines += L"  " + queue + L"\n";
            report.Write(ConsoleStream::kError, lines);
        }
    }
    return status;
}
