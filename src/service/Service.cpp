#include "service/Service.h"

#include "service/ServiceException.h"

namespace
{
// The list may grow between the call that sizes it and the one that fills it.
const int kListAttempts = 3;
} // namespace

CService::CService(const wchar_t* name, const wchar_t* machine) : m_name(name)
{
    const CServiceHandle manager(OpenSCManagerW(machine, nullptr, SC_MANAGER_ALL_ACCESS));
    if (!manager)
        throw CServiceException();
    m_service.reset(OpenServiceW(manager.get(), name, SERVICE_ALL_ACCESS));
    if (!m_service)
        throw CServiceException();
}

std::optional<DWORD> CService::QueryState() const
{
    SERVICE_STATUS status = {};
    if (!QueryServiceStatus(m_service.get(), &status))
        return std::nullopt;
    return status.dwCurrentState;
}

bool CService::WaitFor(DWORD targetState) const
{
    for (int poll = 0; poll < kMaxPolls; ++poll)
    {
        const std::optional<DWORD> state = QueryState();
        if (!state)
            return false;
        if (*state == targetState)
            return true;
        Sleep(kPollIntervalMs);
    }
    return false;
}

bool CService::Stop(BOOL wait)
{
    const std::optional<DWORD> state = QueryState();
    if (!state)
        return false;
    if (*state != SERVICE_RUNNING)
        return *state == SERVICE_STOPPED;
    SERVICE_STATUS status = {};
    if (!ControlService(m_service.get(), SERVICE_CONTROL_STOP, &status))
        return false;
    return wait ? WaitFor(SERVICE_STOPPED) : true;
}

bool CService::Start(BOOL wait)
{
    const std::optional<DWORD> state = QueryState();
    if (!state)
        return false;
    if (*state != SERVICE_STOPPED)
        return *state == SERVICE_RUNNING;
    if (!StartServiceW(m_service.get(), 0, nullptr))
        return false;
    return wait ? WaitFor(SERVICE_RUNNING) : true;
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
