#include "service/SpoolerRestart.h"

#include "service/Service.h"
#include "service/ServiceException.h"

#include <optional>

namespace
{
const wchar_t kSpoolerName[] = L"Spooler";
// Lets the stopped spooler finish shutting down before it is started again.
const DWORD kPauseMs = 3000;

// The dependent, stopped; none when it cannot be opened or does not stop.
std::optional<CService> StoppedDependent(const std::wstring& name, const wchar_t* machine)
{
    try
    {
        CService dependent(name.c_str(), machine);
        if (dependent.Stop(TRUE))
            return dependent;
    }
    catch (const CServiceException&)
    {
    }
    return std::nullopt;
}

RestartOutcome StopAndStart(CService& spooler)
{
    const bool stopped = spooler.Stop(TRUE);
    Sleep(kPauseMs);
    const bool started = spooler.Start(TRUE);
    if (stopped && started)
        return RestartOutcome::Restarted;
    // A stop that worked with a start that failed, timed out or was skipped behind a stop
    // still pending leaves the machine without a spooler.
    const std::optional<DWORD> state = spooler.QueryState();
    return state && *state != SERVICE_RUNNING ? RestartOutcome::SpoolerStopped
                                              : RestartOutcome::Failed;
}
} // namespace

RestartOutcome RestartReport::Outcome() const
{
    return spooler == RestartOutcome::Restarted && !leftStopped.empty() ? RestartOutcome::Failed
                                                                        : spooler;
}

RestartReport RestartSpooler(const wchar_t* machine)
{
    RestartReport report;
    try
    {
        CService spooler(kSpoolerName, machine);
        report.dependents = spooler.ActiveDependents();
        std::vector<CService> stopped;
        for (const std::wstring& name : report.dependents)
        {
            std::optional<CService> dependent = StoppedDependent(name, machine);
            if (!dependent)
            {
                report.heldBy = name;
                break;
            }
            stopped.push_back(std::move(*dependent));
        }
        if (report.heldBy.empty())
            report.spooler = StopAndStart(spooler);
        // Started in the reverse order of their stops, each after those it depends on. Without a
        // spooler none of them could run.
        const bool spoolerRuns = report.spooler != RestartOutcome::SpoolerStopped;
        for (auto dependent = stopped.rbegin(); dependent != stopped.rend(); ++dependent)
            if (!spoolerRuns || !dependent->Start(TRUE))
                report.leftStopped.push_back(dependent->Name());
    }
    catch (...)
    {
        // The spooler itself could not be opened: nothing was touched.
    }
    return report;
}
