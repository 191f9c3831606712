#include "Prefix.h"

#include "Wait.h"

#include <memory>
#include <type_traits>
#include <vector>

namespace e2e
{
const char kIntervalValue[] = "BackgroundStatusInterval";
const char kTimeoutValue[] = "QuenloTimeout";

namespace
{
const char kPrintersKey[] = "System\\CurrentControlSet\\Control\\Print\\Printers\\";
const char kSpooler[] = "Spooler";

std::string QueueKey(const std::string& queue)
{
    return kPrintersKey + queue;
}

struct ServiceHandleCloser
{
    void operator()(SC_HANDLE handle) const { CloseServiceHandle(handle); }
};
using ServiceHandle = std::unique_ptr<std::remove_pointer_t<SC_HANDLE>, ServiceHandleCloser>;

ServiceHandle OpenSpooler(DWORD access)
{
    const ServiceHandle manager(OpenSCManagerA(nullptr, nullptr, SC_MANAGER_CONNECT));
    if (!manager)
        return nullptr;
    return ServiceHandle(OpenServiceA(manager.get(), kSpooler, access));
}

std::optional<DWORD> StartType(SC_HANDLE service)
{
    DWORD needed = 0;
    QueryServiceConfigA(service, nullptr, 0, &needed);
    std::vector<BYTE> buffer(needed);
    auto* config = reinterpret_cast<QUERY_SERVICE_CONFIGA*>(buffer.data());
    if (needed == 0 || !QueryServiceConfigA(service, config, needed, &needed))
        return std::nullopt;
    return config->dwStartType;
}

bool ChangeStartType(SC_HANDLE service, DWORD startType)
{
    return ChangeServiceConfigA(service, SERVICE_NO_CHANGE, startType, SERVICE_NO_CHANGE, nullptr,
                                nullptr, nullptr, nullptr, nullptr, nullptr, nullptr) != FALSE;
}
} // namespace

bool QueueExists(const std::string& queue)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, QueueKey(queue).c_str(), 0, KEY_READ, &key) !=
        ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

std::optional<DWORD> StoredValue(const std::string& queue, const char* name)
{
    DWORD value = 0;
    DWORD size = sizeof value;
    if (RegGetValueA(HKEY_LOCAL_MACHINE, QueueKey(queue).c_str(), name, RRF_RT_REG_DWORD, nullptr,
                     &value, &size) != ERROR_SUCCESS)
        return std::nullopt;
    return value;
}

void SetStoredValue(const std::string& queue, const char* name, std::optional<DWORD> value)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, QueueKey(queue).c_str(), 0, KEY_SET_VALUE, &key) !=
        ERROR_SUCCESS)
        return;
    if (value)
        RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&*value),
                       sizeof *value);
    else
        RegDeleteValueA(key, name);
    RegCloseKey(key);
}

StoredValuesKeeper::StoredValuesKeeper(std::string queue)
    : m_queue(std::move(queue)), m_interval(StoredValue(m_queue, kIntervalValue)),
      m_timeout(StoredValue(m_queue, kTimeoutValue))
{
}

StoredValuesKeeper::~StoredValuesKeeper()
{
    SetStoredValue(m_queue, kIntervalValue, m_interval);
    SetStoredValue(m_queue, kTimeoutValue, m_timeout);
}

DWORD SpoolerProcessId()
{
    const ServiceHandle spooler = OpenSpooler(SERVICE_QUERY_STATUS);
    SERVICE_STATUS_PROCESS status = {};
    DWORD needed = 0;
    if (!spooler ||
        !QueryServiceStatusEx(spooler.get(), SC_STATUS_PROCESS_INFO,
                              reinterpret_cast<LPBYTE>(&status), sizeof status, &needed))
        return 0;
    return status.dwCurrentState == SERVICE_RUNNING ? status.dwProcessId : 0;
}

bool StartSpooler()
{
    if (SpoolerProcessId() != 0)
        return true;
    const ServiceHandle spooler = OpenSpooler(SERVICE_START | SERVICE_QUERY_STATUS);
    if (!spooler)
        return false;
    StartServiceA(spooler.get(), 0, nullptr);
    return WaitUntil([] { return SpoolerProcessId() != 0; }, kActionTimeoutMs);
}

SpoolerDisabled::SpoolerDisabled()
{
    const ServiceHandle spooler = OpenSpooler(SERVICE_QUERY_CONFIG | SERVICE_CHANGE_CONFIG);
    if (!spooler)
        return;
    const std::optional<DWORD> startType = StartType(spooler.get());
    if (!startType)
        return;
    m_startType = *startType;
    m_applied = ChangeStartType(spooler.get(), SERVICE_DISABLED);
}

SpoolerDisabled::~SpoolerDisabled()
{
    if (!m_applied)
        return;
    const ServiceHandle spooler = OpenSpooler(SERVICE_CHANGE_CONFIG);
    if (spooler)
        ChangeStartType(spooler.get(), m_startType);
    StartSpooler();
}
} // namespace e2e
