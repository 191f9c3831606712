// set: stores on each queue the values that differ from what it holds, all or nothing per queue,
// then restarts the print spooler of each machine where something was stored.
#include "console/CommandFlows.h"
#include "console/Commands.h"
#include "console/Messages.h"
#include "console/SettingText.h"
#include "console/UnbrokenStep.h"
#include "printer/SpoolerNames.h"
#include "resource.h"
#include "service/SpoolerRestart.h"

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

// What a restart of a machine's print spooler came to: what is said of the spooler itself (on
// standard error unless it was restarted), and for the restart as a whole its word in JSON and the
// exit status it calls for.
struct RestartResult
{
    RestartOutcome outcome;
    UINT message; // its %1 is the machine, %2 the text of detail
    UINT detail;
    const wchar_t* json;
    int status;
};

const RestartResult kRestartResults[] = {
    {RestartOutcome::Restarted, IDS_CMD_RESTARTED, 0, L"done", kExitDone},
    {RestartOutcome::SpoolerStopped, IDS_CMD_ON_MACHINE, IDS_SPOOLER_STOPPED, L"spooler-stopped",
     kExitRestartFailed},
    {RestartOutcome::Failed, IDS_CMD_RESTART_FAILED, 0, L"failed", kExitRestartFailed},
    {RestartOutcome::NotInTime, IDS_CMD_RESTART_FAILED, 0, L"failed", kExitRestartFailed},
};

const RestartResult& ResultOf(RestartOutcome outcome)
{
    return *std::find_if(std::begin(kRestartResults), std::end(kRestartResults),
                         [&](const RestartResult& r) { return r.outcome == outcome; });
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

int Restart(const std::wstring& machine, CReport& report)
{
    // A break waits until the spooler and its dependents run again, and what became of them is
    // said.
    const CUnbrokenStep step;
    const std::wstring where = machine.empty() ? Message(IDS_CMD_THIS_COMPUTER) : machine;
    report.Say(IDS_CMD_RESTARTING, {where});
    const RestartReport restart = RestartSpooler(machine.empty() ? nullptr : machine.c_str());
    const RestartResult& spooler = ResultOf(restart.spooler);
    const RestartResult& whole = ResultOf(restart.Outcome());
    const std::vector<std::wstring> arguments = {where, Message(spooler.detail)};
    if (whole.status == kExitDone && !restart.dependents.empty())
        report.Say(IDS_CMD_RESTARTED_WITH_DEPENDENTS, {where, NameList(restart.dependents)});
    else if (spooler.status == kExitDone)
        report.Say(spooler.message, arguments);
    else
        report.Complain(spooler.message, arguments);
    if (!restart.heldBy.empty())
        report.Complain(IDS_CMD_DEPENDENT_HELD, {where, restart.heldBy});
    if (!restart.leftStopped.empty())
        report.Complain(IDS_CMD_DEPENDENTS_LEFT_STOPPED, {where, NameList(restart.leftStopped)});
    report.Object(CJsonObject()
                      .Text("machine", machine)
                      .Text("restart", whole.json)
                      .Texts("dependents", restart.dependents)
                      .Text("heldBy", restart.heldBy.empty()
                                          ? std::nullopt
                                          : std::optional<std::wstring>(restart.heldBy))
                      .Texts("leftStopped", restart.leftStopped));
    return whole.status;
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
        for (const std::wstring& machine : machines)
            done.status = WorseStatus(done.status, Restart(machine, report));

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
