// advapi32 service-manager stand-ins: services whose stops and starts show as pending for as many
// status queries as a test says, and that depend on others as Windows' do.
#include "host_calls.h"
#include "host_services.h"
#include "host_text.h"

#include <algorithm>
#include <map>
#include <set>

namespace
{
struct Service
{
    std::wstring name;
    DWORD state;
    host::services::Behaviour behaviour;
    int pendingQueries;
    DWORD checkPoint;
    DWORD processId;
    std::vector<std::wstring> dependsOn;
};

struct OpenHandle
{
    std::wstring machine;
    std::wstring name; // empty for the service manager
};

struct Manager
{
    // Every machine holds the same services.
    std::map<std::wstring, Service> services;
    std::set<std::wstring> machines;
    std::map<SC_HANDLE, OpenHandle> handles;
    std::vector<std::pair<std::wstring, DWORD>> accesses;
    uintptr_t lastHandle = 0;
    bool denyManager = false;
    bool denyServices = false;
    DWORD nextProcessId = 100;
};

Manager& TheManager()
{
    static Manager manager;
    return manager;
}

BOOL Failed(DWORD error)
{
    SetLastError(error);
    return FALSE;
}

SC_HANDLE Refused(DWORD error)
{
    Failed(error);
    return nullptr;
}

SC_HANDLE NewHandle(OpenHandle open)
{
    Manager& manager = TheManager();
    const auto handle = reinterpret_cast<SC_HANDLE>(++manager.lastHandle);
    manager.handles[handle] = std::move(open);
    return handle;
}

// The service an open service handle is for, with the call logged as "<call> <name>[@machine]
// [detail]"; null, with the error set, for any other handle.
Service* Called(const char* call, SC_HANDLE handle, const std::string& detail = "")
{
    Manager& manager = TheManager();
    const auto open = manager.handles.find(handle);
    if (open == manager.handles.end() || open->second.name.empty())
    {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    std::string line = call + (" " + host::text::ToAnsi(open->second.name));
    if (!open->second.machine.empty())
        line += "@" + host::text::ToAnsi(open->second.machine);
    host::CallLog().push_back(detail.empty() ? line : line + " " + detail);
    return &manager.services.at(open->second.name);
}

// The services that depend on name, directly or not, and run, each before those it depends on:
// the order in which they can be stopped.
void CollectActiveDependents(const std::wstring& name, std::vector<const Service*>& order)
{
    for (const auto& [other, service] : TheManager().services)
        if (std::count(service.dependsOn.begin(), service.dependsOn.end(), name) != 0 &&
            service.state != SERVICE_STOPPED &&
            std::count(order.begin(), order.end(), &service) == 0)
        {
            CollectActiveDependents(other, order);
            order.push_back(&service);
        }
}

// Puts the service in a state. A stop or start then shows as pending for the count of queries
// the behaviour sets, and the query after them sees it done; a count of -1 never gets there.
void Begin(Service& service, DWORD state)
{
    service.state = state;
    service.checkPoint = 0;
    service.pendingQueries = state == SERVICE_STOP_PENDING
                                 ? service.behaviour.pendingQueriesAfterStop
                                 : service.behaviour.pendingQueriesAfterStart;
}

void Advance(Service& service)
{
    const bool stopping = service.state == SERVICE_STOP_PENDING;
    if (!stopping && service.state != SERVICE_START_PENDING)
        return;
    if (service.behaviour.reportsProgress)
        ++service.checkPoint;
    if (service.pendingQueries < 0)
        return;
    if (service.pendingQueries-- > 0)
        return;
    service.state = stopping ? SERVICE_STOPPED : SERVICE_RUNNING;
    if (!stopping)
        service.processId = TheManager().nextProcessId++;
}
} // namespace

void host::services::Reset()
{
    TheManager() = Manager();
}

void host::services::AddService(const std::wstring& name, DWORD state, Behaviour behaviour,
                                std::vector<std::wstring> dependsOn)
{
    Manager& manager = TheManager();
    Service& service = manager.services[name];
    const DWORD processId = state == SERVICE_RUNNING ? manager.nextProcessId++ : 0;
    service = {name, state, behaviour, 0, 0, processId, std::move(dependsOn)};
    Begin(service, state);
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

std::vector<std::pair<std::wstring, DWORD>> host::services::AccessesAsked()
{
    return TheManager().accesses;
}

SC_HANDLE WINAPI OpenSCManagerW(LPCWSTR machineName, LPCWSTR, DWORD desiredAccess)
{
    Manager& manager = TheManager();
    manager.accesses.emplace_back(L"", desiredAccess);
    const std::wstring machine = machineName != nullptr ? machineName : L"";
    if (manager.denyManager)
        return Refused(ERROR_ACCESS_DENIED);
    if (!machine.empty() && manager.machines.count(machine) == 0)
        return Refused(1722); // RPC_S_SERVER_UNAVAILABLE
    return NewHandle({machine, L""});
}

SC_HANDLE WINAPI OpenServiceW(SC_HANDLE managerHandle, LPCWSTR serviceName, DWORD desiredAccess)
{
    Manager& manager = TheManager();
    manager.accesses.emplace_back(serviceName, desiredAccess);
    const auto open = manager.handles.find(managerHandle);
    if (open == manager.handles.end() || !open->second.name.empty())
        return Refused(ERROR_INVALID_HANDLE);
    if (manager.services.count(serviceName) == 0)
        return Refused(ERROR_SERVICE_DOES_NOT_EXIST);
    if (manager.denyServices)
        return Refused(ERROR_ACCESS_DENIED);
    return NewHandle({open->second.machine, serviceName});
}

BOOL WINAPI CloseServiceHandle(SC_HANDLE handle)
{
    return TheManager().handles.erase(handle) == 1 ? TRUE : Failed(ERROR_INVALID_HANDLE);
}

BOOL WINAPI QueryServiceStatus(SC_HANDLE handle, LPSERVICE_STATUS status)
{
    Service* service = Called("QueryServiceStatus", handle);
    if (service == nullptr)
        return FALSE;
    if (service->behaviour.queryFails)
        return Failed(ERROR_ACCESS_DENIED);
    Advance(*service);
    *status =
        SERVICE_STATUS{SERVICE_WIN32_OWN_PROCESS,    service->state, 0, 0, 0, service->checkPoint,
                       service->behaviour.waitHintMs};
    return TRUE;
}

BOOL WINAPI ControlService(SC_HANDLE handle, DWORD control, LPSERVICE_STATUS status)
{
    Service* service = Called("ControlService", handle, std::to_string(control));
    if (service == nullptr)
        return FALSE;
    if (service->behaviour.controlFails)
        return Failed(ERROR_SERVICE_CANNOT_ACCEPT_CTRL);
    if (service->state != SERVICE_RUNNING)
        return Failed(ERROR_SERVICE_NOT_ACTIVE);
    std::vector<const Service*> dependents;
    CollectActiveDependents(service->name, dependents);
    if (!dependents.empty())
        return Failed(ERROR_DEPENDENT_SERVICES_RUNNING);
    Begin(*service, SERVICE_STOP_PENDING);
    *status = SERVICE_STATUS{SERVICE_WIN32_OWN_PROCESS, service->state, 0, 0, 0, 0, 0};
    return TRUE;
}

BOOL WINAPI StartServiceW(SC_HANDLE handle, DWORD, LPCWSTR*)
{
    Service* service = Called("StartService", handle);
    if (service == nullptr)
        return FALSE;
    if (service->behaviour.startFails)
        return Failed(ERROR_SERVICE_DISABLED);
    if (service->state != SERVICE_STOPPED)
        return Failed(ERROR_SERVICE_ALREADY_RUNNING);
    const auto& services = TheManager().services;
    if (std::any_of(service->dependsOn.begin(), service->dependsOn.end(),
                    [&](const std::wstring& d) { return services.at(d).state != SERVICE_RUNNING; }))
        return Failed(ERROR_SERVICE_DEPENDENCY_FAIL);
    Begin(*service, SERVICE_START_PENDING);
    return TRUE;
}

// Lists the active dependents whatever state is asked for: the programs ask for no others.
BOOL WINAPI EnumDependentServicesW(SC_HANDLE handle, DWORD, LPENUM_SERVICE_STATUSW services,
                                   DWORD bufferSize, LPDWORD bytesNeeded, LPDWORD returned)
{
    Service* service = Called("EnumDependentServices", handle);
    if (service == nullptr)
        return FALSE;
    std::vector<const Service*> listed;
    CollectActiveDependents(service->name, listed);
    // The records first, then the names they point to, in the caller's buffer.
    size_t size = listed.size() * sizeof(ENUM_SERVICE_STATUSW);
    for (const Service* dependent : listed)
        size += (dependent->name.size() + 1) * sizeof(WCHAR);
    *returned = 0;
    *bytesNeeded = static_cast<DWORD>(size);
    if (bufferSize < size)
        return Failed(ERROR_MORE_DATA);
    auto* text = reinterpret_cast<WCHAR*>(services + listed.size());
    for (const Service* dependent : listed)
    {
        services[(*returned)++] = {
            text, text, {SERVICE_WIN32_OWN_PROCESS, dependent->state, 0, 0, 0, 0, 0}};
        text = std::copy(dependent->name.begin(), dependent->name.end(), text);
        *text++ = L'\0';
    }
    return TRUE;
}
