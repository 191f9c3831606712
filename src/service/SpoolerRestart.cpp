#include "service/SpoolerRestart.h"

#include "service/Service.h"
#include "service/ServiceException.h"

#include <optional>

namespace
{
const wchar_t kSpoolerName[] = L"Spooler";
// Lets the stopped spooler finish shutting down before it is started again.
const DWORD kPauseMs = 3000;
// What the restart calls on each service, and no more: Windows refuses a help-desk operator
// whom the spooler's security lets stop and start it any right beyond those.
const DWORD kSpoolerAccess =
    SERVICE_QUERY_STATUS | SERVICE_STOP | SERVICE_START | SERVICE_ENUMERATE_DEPENDENTS;
const DWORD kDependentAccess = SERVICE_QUERY_STATUS | SERVICE_STOP | SERVICE_START;

// The first failure is the one a report names.
void Note(RestartReport& report, DWORD error)
{
    if (report.error == ERROR_SUCCESS)
        report.error = error;
}

// Whether the stop was accepted, whether or not the wait saw its end.
bool Accepted(DWORD stopResult)
{
    return stopResult == ERROR_SUCCESS || stopResult == ERROR_SERVICE_REQUEST_TIMEOUT;
}

// What became of the spooler, with why when it was not restarted.
void StopAndStart(CService& spooler, RestartReport& report)
{
    const DWORD stopped = spooler.Stop(TRUE);
    Sleep(kPauseMs);
    // Also after a stop that failed: a stop that was accepted and finishes late is still
    // followed by its start, and one that was refused leaves the spooler running.
    const DWORD started = spooler.Start(TRUE);
    if (started == ERROR_SUCCESS && Accepted(stopped))
    {
        report.spooler = RestartOutcome::Restarted;
        return;
    }
    // Only a spooler seen stopped is said to be stopped; one still stopping or starting may yet
    // run again.
    const std::optional<DWORD> state = spooler.QueryState();
    if (state == std::optional<DWORD>(SERVICE_STOPPED))
        report.spooler = RestartOutcome::SpoolerStopped;
    else if (state && *state != SERVICE_RUNNING)
        report.spooler = RestartOutcome::NotInTime;
    else
        report.spooler = RestartOutcome::Failed;
    Note(report, stopped != ERROR_SUCCESS ? stopped : started);
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
    std::optional<CService> spooler;
    try
    {
        spooler.emplace(kSpoolerName, kSpoolerAccess, machine);
    }
    catch (const CServiceException& e)
    {
        report.error = e.error; // nothing was touched
        return report;
    }
    report.dependents = spooler->ActiveDependents();
    // Those whose stop was accepted, each to be started again whatever came after.
    std::vector<CService> stopped;
    for (const std::wstring& name : report.dependents)
    {
        DWORD error = ERROR_SUCCESS;
        try
        {
            CService dependent(name.c_str(), kDependentAccess, machine);
            error = dependent.Stop(TRUE);
            if (Accepted(error))
                stopped.push_back(std::move(dependent));
        }
        catch (const CServiceException& e)
        {
            error = e.error;
        }
        if (error != ERROR_SUCCESS)
        {
            report.heldBy = name;
            Note(report, error);
            break;
        }
    }
    if (report.heldBy.empty())
        StopAndStart(*spooler, report);
    // Started in the reverse order of their stops, each after those it depends on. Without a
    // spooler none of them could run; one still starting may still take them, else Windows says
    // why it did not.
    const bool spoolerStopped = report.spooler == RestartOutcome::SpoolerStopped;
    for (auto dependent = stopped.rbegin(); dependent != stopped.rend(); ++dependent)
    {
        const DWORD error = spoolerStopped ? ERROR_SUCCESS : dependent->Start(TRUE);
        if (spoolerStopped || error != ERROR_SUCCESS)
        {
            report.leftStopped.push_back(dependent->Name());
            Note(report, error);
        }
    }
    return report;
}
