#include "service/Service.h"

#include "service/ServiceException.h"

CService::CService(const char* name, const char* machine) : m_hManager(nullptr), m_hService(nullptr)
{
    m_hManager = OpenSCManagerA(machine, nullptr, SC_MANAGER_ALL_ACCESS);
    if (m_hManager == nullptr)
        throw CServiceException();
    m_hService = OpenServiceA(m_hManager, name, SERVICE_ALL_ACCESS);
    CloseServiceHandle(m_hManager);
    m_hManager = nullptr;
    if (m_hService == nullptr)
        throw CServiceException();
}

CService::~CService()
{
    if (m_hService != nullptr)
    {
        CloseServiceHandle(m_hService);
        m_hService = nullptr;
    }
}

BOOL CService::QueryState(DWORD& state) const
{
    SERVICE_STATUS status = {};
    if (!QueryServiceStatus(m_hService, &status))
        return FALSE;
    state = status.dwCurrentState;
    return TRUE;
}

BOOL CService::WaitFor(DWORD targetState) const
{
    for (int poll = 0; poll < kMaxPolls; ++poll)
    {
        DWORD state = 0;
        if (!QueryState(state))
            return FALSE;
        if (state == targetState)
            return TRUE;
        Sleep(kPollIntervalMs);
    }
    return FALSE;
}

BOOL CService::Stop(BOOL wait)
{
    DWORD state = 0;
    if (m_hService == nullptr || !QueryState(state))
        return FALSE;
    if (state != SERVICE_RUNNING)
        return state == SERVICE_STOPPED;
    SERVICE_STATUS status = {};
    if (!ControlService(m_hService, SERVICE_CONTROL_STOP, &status))
        return FALSE;
    return wait ? WaitFor(SERVICE_STOPPED) : TRUE;
}

BOOL CService::Start(BOOL wait)
{
    DWORD state = 0;
    if (m_hService == nullptr || !QueryState(state))
        return FALSE;
    if (state != SERVICE_STOPPED)
        return state == SERVICE_RUNNING;
    if (!StartServiceA(m_hService, 0, nullptr))
        return FALSE;
    return wait ? WaitFor(SERVICE_RUNNING) : TRUE;
}
