#include "service/SpoolerRestart.h"

#include "service/Service.h"

namespace
{
const char kSpoolerName[] = "Spooler";
// Lets the stopped spooler finish shutting down before it is started again.
const DWORD kPauseMs = 3000;
} // namespace

bool RestartSpooler(const char* machine)
{
    try
    {
        CService spooler(kSpoolerName, machine);
        const BOOL stopped = spooler.Stop(TRUE);
        Sleep(kPauseMs);
        const BOOL started = spooler.Start(TRUE);
        return stopped && started;
    }
    catch (...)
    {
        return false;
    }
}
