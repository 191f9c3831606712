#include "service/SpoolerRestart.h"

#include "service/Service.h"

namespace
{
const wchar_t kSpoolerName[] = L"Spooler";
// Lets the stopped spooler finish shutting down before it is started again.
const DWORD kPauseMs = 3000;
} // namespace

RestartOutcome RestartSpooler(const wchar_t* machine)
{
    try
    {
        CService spooler(kSpoolerName, machine);
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
    catch (...)
    {
        return RestartOutcome::Failed;
    }
}
