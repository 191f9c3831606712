// set: stores on each queue the values that differ from what it holds, all or nothing per queue,
// then restarts the print spooler of each machine where something was stored (SpoolerRestarts).
#include "console/CommandFlows.h"
#include "console/Commands.h"
#include "console/Messages.h"
#include "console/SettingText.h"
#include "console/UnbrokenStep.h"
#include "printer/SpoolerNames.h"
#include "resource.h"

#include <algorithm>

namespace
{
// The tallies of set's summary.
enum Tally
{
    kStored,
    kUnchanged,
    kNotStored,
};

// The values written, for the message that says so.
std::wstring WrittenText(std::optional<DWORD> interval, std::optional<DWORD> timeout)
{
    std::vector<std::wstring> values;
    if (interval)
        values.push_back(*interval == 0 ? Message(IDS_CMD_STORED_STATUS_OFF)
                                        : Message(IDS_CMD_STORED_INTERVAL,
                                                  {Widened(ExactSeconds(*interval, 1))}));
    if (timeout)
        values.push_back(Message(IDS_CMD_STORED_TIMEOUT, {Widened(ExactSeconds(*timeout, 0))}));
    return NameList(values);
}

// Only a value that differs from the one asked for is written; the other stays exactly as it is.
std::optional<DWORD> IfDiffering(std::optional<DWORD> asked, const StoredSetting& stored)
{
    return asked && !stored.Holds(*asked) ? asked : std::nullopt;
}

// A break waits until the queue holds all the values or none of them. What the visit read is what
// a failed second store puts back.
DWORD StoreUnbroken(CPrinterInfo& printer, std::optional<DWORD> interval,
                    std::optional<DWORD> timeout, const CPrinterInfo::StoredValue& intervalRead)
{
    const CUnbrokenStep step;
    return printer.Store(interval, timeout, &intervalRead);
}

QueueDone StoreDiffering(QueueVisit& visit, const Command& command, CReport& report)
{
    const auto interval = IfDiffering(command.interval, visit.settings->interval);
    const auto timeout = IfDiffering(command.timeout, visit.settings->timeout);
    QueueDone done;
    std::vector<std::string> written;
    if (!interval && !timeout)
    {
        report.Say(IDS_CMD_UNCHANGED, {visit.name});
        done = {CJsonObject().Text("result", L"unchanged"), kExitDone, kUnchanged};
    }
    else if (const DWORD error =
                 StoreUnbroken(*visit.printer, interval, timeout, visit.settings->interval.value))
    {
        report.Complain(IDS_CMD_STORE_FAILED, {visit.name, ErrorArgument(error)});
        done = {CJsonObject().Text("result", L"store-failed"), kExitStoreFailed, kNotStored, error};
    }
    else
    {
        report.Say(IDS_CMD_STORED, {visit.name, WrittenText(interval, timeout)});
        done = {CJsonObject().Text("result", L"stored"), kExitDone, kStored};
        if (interval)
            written.push_back(JsonName(SettingKind::kInterval));
        if (timeout)
            written.push_back(JsonName(SettingKind::kTimeout));
    }
    done.json.Names("written", written);
    return done;
}

QueueDone SetOn(QueueVisit& visit, const Command& command, CReport& report)
{
    QueueDone done = {CJsonObject().Text("result", L"store-failed").Names("written", {}),
                      kExitStoreFailed, kNotStored, std::nullopt};
    try
    {
        done = StoreDiffering(visit, command, report);
        if (done.tally != kNotStored)
        {
            NoteWithoutMonitor(visit, report);
            return done;
        }
        // Says what the queue holds after the failure, whatever the store left behind.
        report.Complain(IDS_CMD_STORED_NOW, {visit.name});
        report.Write(ConsoleStream::kError, SettingsLines(ReadQueueSettings(*visit.printer)));
    }
    catch (...)
    {
        report.Complain(IDS_CMD_BROKE, {visit.name});
    }
    return done;
}

} // namespace

int SetQueues(const Command& command, const std::vector<Target>& targets, CDriverMonitors& monitors,
              CReport& report)
{
    QueuesDone done =
        ForEachQueue(targets, PRINTER_ALL_ACCESS,
                     CJsonObject().Text("result", L"not-opened").Names("written", {}), monitors,
                     report, [&](QueueVisit& visit) { return SetOn(visit, command, report); });
    // Where something was stored, each machine once, in the order first named; "" is this one.
    std::vector<std::wstring> machines;
    for (const std::wstring& queue : done.tallies[kStored])
        if (std::none_of(machines.begin(), machines.end(),
                         [&](const std::wstring& m) { return SameName(m, MachineOf(queue)); }))
            machines.push_back(MachineOf(queue));
    if (!command.restart && !machines.empty())
        report.Say(IDS_CMD_NOT_RESTARTED);
    else
        done.status = WorseStatus(done.status, RestartSpoolers(machines, command.whenIdle, report));

    SaySummary(IDS_CMD_SUMMARY, done, report);
    if (targets.size() > 1 && !done.tallies[kNotStored].empty() && !report.IsJson())
    {
        std::wstring lines = Message(IDS_CMD_NOT_STORED_ON) + L"\n";
        for (const std::wstring& queue : done.tallies[kNotStored])
            lines += L"  " + queue + L"\n";
        report.Write(ConsoleStream::kError, lines);
    }
    return done.status;
}
