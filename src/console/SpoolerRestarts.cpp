// The restart of machines' print spoolers, for set where it stored and for the restart command:
// each in turn, the documents in flight there counted first, and waited for with --when-idle.
#include "console/CommandFlows.h"
#include "console/Commands.h"
#include "console/IdleWait.h"
#include "console/Messages.h"
#include "console/UnbrokenStep.h"
#include "printer/DocumentsInFlight.h"
#include "resource.h"
#include "service/SpoolerRestart.h"

#include <algorithm>

namespace
{
// What is said of the spooler itself after a restart (on standard error unless it was restarted;
// %1 is the machine, %2 the error, %3 when the stored settings take effect), whether it was
// stopped, which interrupts the documents in flight, and for the restart as a whole its word in
// JSON and the exit status it calls for.
struct RestartResult
{
    RestartOutcome outcome;
    UINT message;
    bool stopped;
    const wchar_t* json;
    int status;
};

const RestartResult kRestartResults[] = {
    {RestartOutcome::Restarted, IDS_CMD_RESTARTED, true, L"done", kExitDone},
    {RestartOutcome::SpoolerStopped, IDS_CMD_SPOOLER_STOPPED, true, L"spooler-stopped",
     kExitRestartFailed},
    {RestartOutcome::Failed, IDS_CMD_RESTART_FAILED, false, L"failed", kExitRestartFailed},
    {RestartOutcome::NotInTime, IDS_CMD_RESTART_NOT_IN_TIME, true, L"failed", kExitRestartFailed},
};

const RestartResult& ResultOf(RestartOutcome outcome)
{
    return *std::find_if(std::begin(kRestartResults), std::end(kRestartResults),
                         [&](const RestartResult& r) { return r.outcome == outcome; });
}

// The documents in flight on a machine, on the system's clock.
class CSpoolerWatch final : public CIdleWatch
{
  public:
    explicit CSpoolerWatch(const std::wstring& machine) : m_machine(machine) {}
    std::optional<DWORD> Count() override { return CountDocumentsInFlight(m_machine); }
    ULONGLONG Now() override { return GetTickCount64(); }
    void Pause(DWORD milliseconds) override { Sleep(milliseconds); }

  private:
    const std::wstring& m_machine;
};

// A machine's object: its restart, what became of the dependents, the documents the restart
// interrupted (0 when the spooler was not stopped) or that kept it busy (null: not counted), and
// why it did not succeed (null: it did, or no restart was tried).
CJsonObject RestartObject(const std::wstring& machine, const wchar_t* restart,
                          const RestartReport& report, std::optional<DWORD> documents,
                          std::optional<DWORD> error)
{
    return CJsonObject()
        .Text("machine", machine)
        .Text("restart", restart)
        .Texts("dependents", report.dependents)
        .Text("heldBy",
              report.heldBy.empty() ? std::nullopt : std::optional<std::wstring>(report.heldBy))
        .Texts("leftStopped", report.leftStopped)
        .Number("documents", documents)
        .Number("restartError", error);
}

int Restart(const std::wstring& machine, std::optional<DWORD> documents, CReport& report)
{
    // A break waits until the spooler and its dependents run again, and what became of them is
    // said.
    const CUnbrokenStep step;
    const std::wstring where = MachineText(machine);
    report.Say(IDS_CMD_RESTARTING, {where});
    const RestartReport restart = RestartSpooler(machine.empty() ? nullptr : machine.c_str());
    const RestartResult& spooler = ResultOf(restart.spooler);
    const RestartResult& whole = ResultOf(restart.Outcome());
    const std::wstring error = ErrorArgument(restart.error);
    if (whole.status == kExitDone && !restart.dependents.empty())
        report.Say(IDS_CMD_RESTARTED_WITH_DEPENDENTS, {where, NameList(restart.dependents)});
    else if (spooler.status == kExitDone)
        report.Say(spooler.message, {where});
    else
        report.Complain(spooler.message, {where, error, Message(IDS_CMD_TAKES_EFFECT_LATER)});
    if (!spooler.stopped)
        documents = 0;
    else if (documents.value_or(0) > 0)
        report.Say(IDS_CMD_DOCUMENTS_INTERRUPTED, {where, NumberArgument(*documents)});
    if (!restart.heldBy.empty())
        report.Complain(IDS_CMD_DEPENDENT_HELD, {where, restart.heldBy});
    if (!restart.leftStopped.empty())
        report.Complain(IDS_CMD_DEPENDENTS_LEFT_STOPPED,
                        {where, NameList(restart.leftStopped), error});
    report.Object(RestartObject(machine, whole.json, restart, documents,
                                whole.status == kExitDone ? std::nullopt
                                                          : std::optional<DWORD>(restart.error)));
    return whole.status;
}

// The restart once no document is being printed or sent there, or at once without whenIdle or a
// count; none, said so, when documents still are after the wait.
int RestartWhenIdle(const std::wstring& machine, std::optional<DWORD> whenIdle, CReport& report)
{
    std::optional<DWORD> documents = CountDocumentsInFlight(machine);
    if (whenIdle && documents.value_or(0) > 0)
    {
        const std::wstring where = MachineText(machine);
        report.Say(IDS_CMD_WAITING_FOR_IDLE,
                   {where, NumberArgument(*documents), NumberArgument(*whenIdle)});
        // Outside any unbroken step: a break ends the run here at once.
        CSpoolerWatch watch(machine);
        documents = WaitUntilIdle(documents, *whenIdle, watch);
        if (documents.value_or(0) > 0)
        {
            report.Complain(IDS_CMD_BUSY,
                            {where, NumberArgument(*documents), NumberArgument(*whenIdle),
                             Message(IDS_CMD_TAKES_EFFECT_LATER)});
            report.Object(RestartObject(machine, L"busy", {}, documents, std::nullopt));
            return kExitRestartFailed;
        }
    }
    return Restart(machine, documents, report);
}
} // namespace

int RestartSpoolers(const std::vector<std::wstring>& machines, std::optional<DWORD> whenIdle,
                    CReport& report)
{
    int status = kExitDone;
    for (const std::wstring& machine : machines)
        status = WorseStatus(status, RestartWhenIdle(machine, whenIdle, report));
    return status;
}
