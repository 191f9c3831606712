#include "console/UnbrokenStep.h"

#include <windows.h>

#include <atomic>

namespace
{
// Held for the whole of each step. A critical section may not be copied, hence its own
// constructor; the process ends with it held.
struct Section
{
    Section() { InitializeCriticalSection(&section); }
    CRITICAL_SECTION section;
} g_steps;

// How a break ends the run, once one has come.
std::atomic<void (*)()> g_end{nullptr};

void EndIfBroken()
{
    if (void (*const end)() = g_end.load())
        end();
}
} // namespace

CUnbrokenStep::CUnbrokenStep()
{
    EnterCriticalSection(&g_steps.section);
    EndIfBroken();
}

// The run ends here rather than after the section is left: the thread going on could end the
// process first, with an exit status that hides the break.
CUnbrokenStep::~CUnbrokenStep()
{
    EndIfBroken();
    LeaveCriticalSection(&g_steps.section);
}

int FinalStatus(int status)
{
    EnterCriticalSection(&g_steps.section);
    EndIfBroken();
    return status;
}

void EndRunBetweenSteps(void (*end)())
{
    g_end = end;
    EnterCriticalSection(&g_steps.section);
    end();
    for (;;)
        Sleep(INFINITE);
}
