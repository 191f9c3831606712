// A service that plays the spooler, for runs under Wine only, put in the place of the spooler's
// program:
//   spooler-standin.exe           runs but refuses to stop: a restart leaves it running with the
//                                 old settings;
//   spooler-standin.exe slow MS   a busy print server's spooler: its start and its stop each take
//                                 MS milliseconds, reporting progress all the while (a checkpoint
//                                 every kStepMs within a wait hint of kWaitHintMs);
//   spooler-standin.exe hang      accepts the stop, then stays stopping without any progress.
// The user-defined control kEndControl ends any of them at once.
#include <windows.h>

#include <cwchar>

namespace
{
const DWORD kEndControl = 200;
const DWORD kStepMs = 500;
const DWORD kWaitHintMs = 2000;

SERVICE_STATUS_HANDLE g_status = nullptr;
HANDLE g_end = nullptr;
DWORD g_slowMs = 0;
bool g_stops = false; // false: the stubborn one
bool g_hangs = false;
volatile LONG g_checkPoint = 0;
volatile LONG g_endAtOnce = 0;

void Report(DWORD state, DWORD accepted = 0)
{
    const bool pending = state == SERVICE_START_PENDING || state == SERVICE_STOP_PENDING;
    SERVICE_STATUS status = {SERVICE_WIN32_OWN_PROCESS,
                             state,
                             accepted,
                             NO_ERROR,
                             0,
                             pending ? static_cast<DWORD>(InterlockedIncrement(&g_checkPoint)) : 0,
                             pending ? kWaitHintMs : 0};
    SetServiceStatus(g_status, &status);
}

// Takes the slow time in the pending state, moving the checkpoint on at every step.
void Progress(DWORD state)
{
    for (DWORD elapsed = 0; elapsed < g_slowMs && g_endAtOnce == 0; elapsed += kStepMs)
    {
        Report(state);
        Sleep(kStepMs);
    }
}

DWORD WINAPI Control(DWORD control, DWORD, LPVOID, LPVOID)
{
    if (control == kEndControl)
    {
        InterlockedExchange(&g_endAtOnce, 1);
        SetEvent(g_end);
        return NO_ERROR;
    }
    if (control == SERVICE_CONTROL_STOP && g_stops)
    {
        Report(SERVICE_STOP_PENDING);
        if (!g_hangs)
            SetEvent(g_end);
        return NO_ERROR;
    }
    return control == SERVICE_CONTROL_INTERROGATE ? NO_ERROR : ERROR_CALL_NOT_IMPLEMENTED;
}

void WINAPI ServiceMain(DWORD argc, LPWSTR* argv)
{
    g_end = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    g_status = RegisterServiceCtrlHandlerExW(argc > 0 ? argv[0] : L"", Control, nullptr);
    if (g_status == nullptr || g_end == nullptr)
        return;
    Progress(SERVICE_START_PENDING);
    Report(SERVICE_RUNNING, g_stops ? SERVICE_ACCEPT_STOP : 0);
    WaitForSingleObject(g_end, INFINITE);
    Progress(SERVICE_STOP_PENDING);
    Report(SERVICE_STOPPED);
}
} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc == 3 && std::wcscmp(argv[1], L"slow") == 0)
        g_slowMs = static_cast<DWORD>(std::wcstoul(argv[2], nullptr, 10));
    g_hangs = argc == 2 && std::wcscmp(argv[1], L"hang") == 0;
    g_stops = g_slowMs != 0 || g_hangs;
    wchar_t name[] = L"Spooler";
    SERVICE_TABLE_ENTRYW services[] = {{name, ServiceMain}, {nullptr, nullptr}};
    return StartServiceCtrlDispatcherW(services) ? 0 : 1;
}
