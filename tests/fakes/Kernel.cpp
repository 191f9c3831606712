// kernel32 stand-ins: last error, a Sleep and critical sections that only record, the loader.
#include "host_calls.h"
#include "host_messages.h"
#include "host_services.h"
#include "host_spooler.h"

#include <windows.h>

#include <string>

namespace
{
thread_local DWORD t_lastError = ERROR_SUCCESS;
ULONGLONG g_ticks = 0;
// Any non-null value: resources are looked up by identifier alone.
HMODULE const kProgramModule = reinterpret_cast<HMODULE>(0x400000);
HMODULE const kSpoolerModule = reinterpret_cast<HMODULE>(0x73000000);
const wchar_t kSystemFolder[] = L"C:\\Windows\\system32";
} // namespace

std::vector<std::string>& host::CallLog()
{
    static std::vector<std::string> log;
    return log;
}

void host::ResetAll()
{
    ResetMessages();
    spooler::Reset();
    services::Reset();
    CallLog().clear();
    t_lastError = ERROR_SUCCESS;
}

DWORD WINAPI GetLastError()
{
    return t_lastError;
}

void WINAPI SetLastError(DWORD error)
{
    t_lastError = error;
}

void WINAPI Sleep(DWORD milliseconds)
{
    host::CallLog().push_back("Sleep " + std::to_string(milliseconds));
    g_ticks += milliseconds;
}

ULONGLONG WINAPI GetTickCount64()
{
    return g_ticks;
}

void WINAPI InitializeCriticalSection(CRITICAL_SECTION*) {}

void WINAPI EnterCriticalSection(CRITICAL_SECTION*)
{
    host::CallLog().push_back("EnterCriticalSection");
}

void WINAPI LeaveCriticalSection(CRITICAL_SECTION*)
{
    host::CallLog().push_back("LeaveCriticalSection");
}

HMODULE WINAPI GetModuleHandleW(LPCWSTR moduleName)
{
    return moduleName == nullptr ? kProgramModule : nullptr;
}

UINT WINAPI GetSystemDirectoryW(LPWSTR buffer, UINT size)
{
    const std::wstring folder = kSystemFolder;
    if (size <= folder.size())
        return static_cast<UINT>(folder.size() + 1);
    folder.copy(buffer, folder.size());
    buffer[folder.size()] = L'\0';
    return static_cast<UINT>(folder.size());
}

HMODULE WINAPI LoadLibraryExW(LPCWSTR fileName, HANDLE, DWORD)
{
    if (std::wstring(fileName) != std::wstring(kSystemFolder) + L"\\winspool.drv")
    {
        SetLastError(ERROR_MOD_NOT_FOUND);
        return nullptr;
    }
    return host::spooler::LibraryLoads() ? kSpoolerModule : nullptr;
}

FARPROC WINAPI GetProcAddress(HMODULE module, LPCSTR name)
{
    const FARPROC function = module == kSpoolerModule ? host::spooler::Function(name) : nullptr;
    if (function == nullptr)
        SetLastError(ERROR_PROC_NOT_FOUND);
    return function;
}
