#include "service/Service.h"

#include "service/ServiceException.h"

#include <algorithm>

namespace
{
// The list may grow between the call that sizes it and the one that fills it.
const int kListAttempts = 3;

DWORD Refused()
{
    const DWORD error = GetLastError();
    return error != ERROR_SUCCESS ? error : ERROR_GEN_FAILURE;
}
} // namespace

CService::CService(const wchar_t* name, DWORD access, const wchar_t* machine) : m_name(name)
{
    const CServiceHandle manager(OpenSCManagerW(machine, nullptr, SC_MANAGER_CONNECT));
    if (!manager)
        throw CServiceException(Refused());
    m_service.reset(OpenServiceW(manager.get(), name, access));
    if (!m_service)
        throw CServiceException(Refused());
}

std::optional<DWORD> CService::QueryState() const
{
    SERVICE_STATUS status = {};
    if (!QueryServiceStatus(m_service.get(), &status))
        return std::nullopt;
    return status.dwCurrentState;
}

DWORD CService::WaitFor(DWORD targetState) const
{
    // A busy print server's spooler can take far longer than 10 s to stop or start; while it
    // does it says so by moving its checkpoint on within its wait hint, and only a service that
    // stops doing that is given up on.
    const ULONGLONG start = GetTickCount64();
    ULONGLONG movedOn = start;
    SERVICE_STATUS last = {};
    for (;;)
    {
        SERVICE_STATUS status = {};
        if (!QueryServiceStatus(m_service.get(), &status))
            return Refused();
        if (status.dwCurrentState == targetState)
            return ERROR_SUCCESS;
        const ULONGLONG now = GetTickCount64();
        if (status.dwCurrentState != last.dwCurrentState ||
            status.dwCheckPoint != last.dwCheckPoint)
            movedOn = now;
        last = status;
        if (now - movedOn >= std::max<ULONGLONG>(status.dwWaitHint, kLeastPatienceMs) ||
            now - start >= kLongestWaitMs)
            return ERROR_SERVICE_REQUEST_TIMEOUT;
        Sleep(kPollIntervalMs);
    }
}

DWORD CService::Stop(BOOL wait)
{
    const std::optional<DWORD> state = QueryState();
    if (!state)
        return Refused();
    if (*state == SERVICE_STOPPED)
        return ERROR_SUCCESS;
    if (*state == SERVICE_STOP_PENDING)
        return wait ? WaitFor(SERVICE_STOPPED) : ERROR_SUCCESS;
    if (*state != SERVICE_RUNNING)
        return ERROR_SERVICE_CANNOT_ACCEPT_CTRL;
    SERVICE_STATUS status = {};
    if (!ControlService(m_service.get(), SERVICE_CONTROL_STOP, &status))
        return Refused();
    return wait ? WaitFor(SERVICE_STOPPED) : ERROR_SUCCESS;
}

DWORD CService::Start(BOOL wait)
{
    std::optional<DWORD> state = QueryState();
    if (!state)
        return Refused();
    if (*state == SERVICE_STOP_PENDING && wait)
    {
        if (const DWORD error = WaitFor(SERVICE_STOPPED))
            return error;
        state = SERVICE_STOPPED;
    }
    if (*state == SERVICE_RUNNING)
        return ERROR_SUCCESS;
    if (*state == SERVICE_START_PENDING)
        return wait ? WaitFor(SERVICE_RUNNING) : ERROR_SUCCESS;
    if (*state != SERVICE_STOPPED)
        return ERROR_SERVICE_CANNOT_ACCEPT_CTRL;
    if (!StartServiceW(m_service.get(), 0, nullptr))
        return Refused();
    return wait ? WaitFor(SERVICE_RUNNING) : ERROR_SUCCESS;
}

std::vector<std::wstring> CService::ActiveDependents() const
{
    std::vector<ENUM_SERVICE_STATUSW> records;
    DWORD needed = 0;
    DWORD count = 0;
    for (int attempt = 0; attempt < kListAttempts; ++attempt)
    {
        const DWORD bytes = static_cast<DWORD>(records.size() * sizeof(ENUM_SERVICE_STATUSW));
        if (EnumDependentServicesW(m_service.get(), SERVICE_ACTIVE,
                                   records.empty() ? nullptr : records.data(), bytes, &needed,
                                   &count))
        {
            std::vector<std::wstring> names;
            for (DWORD i = 0; i < count; ++i)
                names.emplace_back(records[i].lpServiceName);
            return names;
        }
        if (GetLastError() != ERROR_MORE_DATA)
            break;
        // The names follow the records in the same buffer.
        records.resize((needed + sizeof(ENUM_SERVICE_STATUSW) - 1) / sizeof(ENUM_SERVICE_STATUSW));
    }
    return {};
}
