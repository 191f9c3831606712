#include "console/ConsoleBreak.h"

#include "console/Commands.h"
#include "console/Messages.h"
#include "console/UnbrokenStep.h"
#include "resource.h"

#include <windows.h>

namespace
{
CConsoleOutput* g_out = nullptr;

[[noreturn]] void EndInterrupted()
{
    g_out->Write(ConsoleStream::kError, Message(IDS_CMD_INTERRUPTED) + L"\n");
    ExitProcess(kExitInterrupted);
}

// Runs on a thread that the system starts for the break. Ending the process is what Windows does
// by default; only the wait for a step under way is added. Windows still ends the process by
// itself some seconds after its console window is closed, wait or not.
BOOL WINAPI OnBreak(DWORD)
{
    EndRunBetweenSteps(&EndInterrupted);
}
} // namespace

void EndRunOnBreak(CConsoleOutput& out)
{
    g_out = &out;
    SetConsoleCtrlHandler(&OnBreak, TRUE);
}
