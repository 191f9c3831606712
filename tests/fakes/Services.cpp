// advapi32 service-manager stand-ins: services with scripted state changes.
#include "host_calls.h"
#include "host_services.h"
#include "host_text.h"

#include <map>
#include <memory>
#include <set>

namespace
{
struct Service
{
    DWORD state = SERVICE_STOPPED;
    host::services::Behaviour behaviour;
    int pendingQueries = 0;
    DWORD processId = 0;
};

struct Handle
{
    bool isManager;
    std::wstring machine;
    std::wstring service;
};

struct Manager
{
    std::map<std::wstring, Service> services;
    std::set<std::wstring> machines;
    std::set<std::unique_ptr<Handle>> handles;
    bool denyManager = false;
    bool denyServices = false;
    DWORD nextProcessId = 100;
};

Manager& TheManager()
{
    static Manager manager;
    return manager;
}

Handle* Find(SC_HANDLE handle)
{
    for (const auto& open : TheManager().handles)
        if (reinterpret_cast<SC_HANDLE>(open.get()) == handle)
            return open.get();
    return nullptr;
}

Service* ServiceOf(SC_HANDLE handle)
{
    Handle* open = Find(handle);
    if (open == nullptr || open->isManager)
        return nullptr;
    return &TheManager().services.at(open->service);
}

SC_HANDLE NewHandle(Handle handle)
{
    auto open = std::make_unique<Handle>(std::move(handle));
    auto* result = reinterpret_cast<SC_HANDLE>(open.get());
    TheManager().handles.insert(std::move(open));
    return result;
}

void Log(const std::string& call, SC_HANDLE handle, const std::string& detail = "")
{
    const Handle* open = Find(handle);
    std::string line = call + " " + (open != nullptr ? host::text::ToAnsi(open->service) : "?");
    if (open != nullptr && !open->machine.empty())
        line += "@" + host::text::ToAnsi(open->machine);
    host::CallLog().push_back(detail.empty() ? line : line + " " + detail);
}

// Moves a pending service on as a query sees it: each query uses up one pending report, and the
// one after the last sees the target state. A count of -1 never gets there.
void Advance(Service& service)
{
    const bool stopping = service.state == SERVICE_STOP_PENDING;
    if ((!stopping && service.state != SERVICE_START_PENDING) || service.pendingQueries < 0)
        return;
    if (service.pendingQueries > 0)
    {
        --service.pendingQueries;
        return;
    }
    service.state = stopping ? SERVICE_STOPPED : SERVICE_RUNNING;
    if (!stopping)
        service.processId = TheManager().nextProcessId++;
}
} // namespace

void host::services::Reset()
{
    TheManager() = Manager();
}

void host::services::AddService(const std::wstring& name, DWORD state, Behaviour behaviour)
{
    Service service;
    service.state = state;
    service.behaviour = behaviour;
    service.pendingQueries = state == SERVICE_STOP_PENDING ? behaviour.pendingQueriesAfterStop
                                                           : behaviour.pendingQueriesAfterStart;
    if (state == SERVICE_RUNNING)
        service.processId = TheManager().nextProcessId++;
    TheManager().services[name] = service;
}

DWORD host::services::State(const std::wstring& name)
{
    return TheManager().services.at(name).state;
}

DWORD host::services::ProcessId(const std::wstring& name)
{
    return TheManager().services.at(name).processId;
}

void host::services::DenyManager()
{
    TheManager().denyManager = true;
}

void host::services::DenyServices()
{
    TheManager().denyServices = true;
}

void host::services::AddMachine(const std::wstring& machine)
{
    TheManager().machines.insert(machine);
}

int host::services::OpenHandles()
{
    return static_cast<int>(TheManager().handles.size());
}

SC_HANDLE WINAPI OpenSCManagerW(LPCWSTR machineName, LPCWSTR, DWORD)
{
    Manager& manager = TheManager();
    const std::wstring machine = machineName != nullptr ? machineName : L"";
    if (manager.denyManager)
    {
        SetLastError(ERROR_ACCESS_DENIED);
        return nullptr;
    }
    if (!machine.empty() && manager.machines.count(machine) == 0)
    {
        SetLastError(1722); // RPC_S_SERVER_UNAVAILABLE
        return nullptr;
    }
    return NewHandle({true, machine, L""});
}

SC_HANDLE WINAPI OpenServiceW(SC_HANDLE managerHandle, LPCWSTR serviceName, DWORD)
{
    Handle* manager = Find(managerHandle);
    if (manager == nullptr || !manager->isManager || serviceName == nullptr)
    {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    if (TheManager().services.count(serviceName) == 0)
    {
        SetLastError(ERROR_SERVICE_DOES_NOT_EXIST);
        return nullptr;
    }
    if (TheManager().denyServices)
    {
        SetLastError(ERROR_ACCESS_DENIED);
        return nullptr;
    }
    return NewHandle({false, manager->machine, serviceName});
}

BOOL WINAPI CloseServiceHandle(SC_HANDLE handle)
{
    auto& handles = TheManager().handles;
    for (auto open = handles.begin(); open != handles.end(); ++open)
        if (reinterpret_cast<SC_HANDLE>(open->get()) == handle)
        {
            handles.erase(open);
            return TRUE;
        }
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
}

BOOL WINAPI QueryServiceStatus(SC_HANDLE handle, LPSERVICE_STATUS status)
{
    Service* service = ServiceOf(handle);
    if (service == nullptr || status == nullptr)
    {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    Log("QueryServiceStatus", handle);
    if (service->behaviour.queryFails)
    {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    Advance(*service);
    *status = SERVICE_STATUS{SERVICE_WIN32_OWN_PROCESS, service->state, 0, 0, 0, 0, 0};
    return TRUE;
}

BOOL WINAPI ControlService(SC_HANDLE handle, DWORD control, LPSERVICE_STATUS status)
{
    Service* service = ServiceOf(handle);
    if (service == nullptr || status == nullptr)
    {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    Log("ControlService", handle, std::to_string(control));
    if (service->behaviour.controlFails || control != SERVICE_CONTROL_STOP)
    {
        SetLastError(ERROR_SERVICE_CANNOT_ACCEPT_CTRL);
        return FALSE;
    }
    if (service->state != SERVICE_RUNNING)
    {
        SetLastError(ERROR_SERVICE_NOT_ACTIVE);
        return FALSE;
    }
    service->state = SERVICE_STOP_PENDING;
    service->pendingQueries = service->behaviour.pendingQueriesAfterStop;
    *status = SERVICE_STATUS{SERVICE_WIN32_OWN_PROCESS, service->state, 0, 0, 0, 0, 0};
    return TRUE;
}

BOOL WINAPI StartServiceW(SC_HANDLE handle, DWORD, LPCWSTR*)
{
    Service* service = ServiceOf(handle);
    if (service == nullptr)
    {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    Log("StartService", handle);
    if (service->behaviour.startFails)
    {
        SetLastError(ERROR_SERVICE_REQUEST_TIMEOUT);
        return FALSE;
    }
    if (service->state != SERVICE_STOPPED)
    {
        SetLastError(ERROR_SERVICE_ALREADY_RUNNING);
        return FALSE;
    }
    service->state = SERVICE_START_PENDING;
    service->pendingQueries = service->behaviour.pendingQueriesAfterStart;
    return TRUE;
}
