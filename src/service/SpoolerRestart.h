#pragma once

#include <string>
#include <vector>
#include <windows.h>

// How a restart of the print spooler ended.
enum class RestartOutcome
{
    Restarted,      // seen stopped, then running again: it reads the stored settings
    Failed,         // not restarted, but not left stopped either (or it could not be opened)
    NotInTime,      // still stopping or starting when the waits ran out: it may yet run again
    SpoolerStopped, // not running after the attempt: printing is stopped on that machine
};

// What a restart did to the print spooler and to the running services that depend on it, which
// Windows does not let it stop without.
struct RestartReport
{
    // What became of the spooler itself.
    RestartOutcome spooler = RestartOutcome::Failed;
    // The services that depended on it and were running, in the order they were to be stopped.
    std::vector<std::wstring> dependents;
    // The one of them that did not stop: the spooler was then not stopped at all. "": none.
    std::wstring heldBy;
    // Those that were stopped and do not run again.
    std::vector<std::wstring> leftStopped;
    // Why the restart as a whole did not succeed: the error of the call that failed first,
    // ERROR_SERVICE_REQUEST_TIMEOUT for a wait that ran out; ERROR_SUCCESS when it succeeded.
    DWORD error = ERROR_SUCCESS;

    // The restart as a whole: Restarted only when the spooler and every dependent run again.
    RestartOutcome Outcome() const;
};

// Restarts the print spooler of a machine (null: this one) so that it reads the stored settings
// again: its running dependents stopped first, the spooler stopped, a 3 s pause, the spooler
// started, then the dependents started again in the reverse order. A dependent that does not stop
// leaves the spooler running as it was. Each wait follows the service for as long as it reports
// progress, at most 3 minutes (CService). Throws nothing but what running out of memory throws.
RestartReport RestartSpooler(const wchar_t* machine = nullptr);
