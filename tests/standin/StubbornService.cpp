// A service that runs but refuses to stop, for runs under Wine only: put in the place of the
// spooler's program, it is a spooler that a restart cannot stop, so that it is left running with
// the old settings. The user-defined control kEndControl ends it.
#include <windows.h>

namespace
{
const DWORD kEndControl = 200;

SERVICE_STATUS_HANDLE g_status = nullptr;
HANDLE g_end = nullptr;

void Report(DWORD state)
{
    SERVICE_STATUS status = {SERVICE_WIN32_OWN_PROCESS, state, 0, NO_ERROR, 0, 0, 0};
    SetServiceStatus(g_status, &status);
}

DWORD WINAPI Control(DWORD control, DWORD, LPVOID, LPVOID)
{
    if (control == kEndControl)
    {
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
    Report(SERVICE_RUNNING); // accepting no controls, not even stop
    WaitForSingleObject(g_end, INFINITE);
    Report(SERVICE_STOPPED);
}
} // namespace

int wmain()
{
    wchar_t name[] = L"Spooler";
    SERVICE_TABLE_ENTRYW services[] = {{name, ServiceMain}, {nullptr, nullptr}};
    return StartServiceCtrlDispatcherW(services) ? 0 : 1;
}
