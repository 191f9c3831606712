// kernel32 stand-ins: last error, a Sleep that only records, the module handle.
#include "host_calls.h"
#include "host_messages.h"
#include "host_services.h"
#include "host_spooler.h"

#include <windows.h>

namespace
{
thread_local DWORD t_lastError = ERROR_SUCCESS;
// Any non-null value: resources are looked up by identifier alone.
HMODULE const kProgramModule = reinterpret_cast<HMODULE>(0x400000);
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
}

HMODULE WINAPI GetModuleHandleW(LPCWSTR moduleName)
{
    return moduleName == nullptr ? kProgramModule : nullptr;
}
