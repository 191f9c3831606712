#include "Prefix.h"

#include "DocumentsKey.h"
#include "Queues.h"
#include "Text.h"
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
const wchar_t kPrintersKey[] = L"System\\CurrentControlSet\\Control\\Print\\Printers\\";
const char kSpooler[] = "Spooler";
// The user-defined control that ends the spooler's stand-in (tests/standin/SpoolerStandIn.cpp).
const DWORD kEndSpoolerStandIn = 200;

std::wstring QueueKey(const std::string& queue)
{
    return kPrintersKey + Wide(queue);
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

// The spooler's start type and program, as the service manager holds them.
struct SpoolerConfig
{
    DWORD startType;
    std::wstring program;
};

std::optional<SpoolerConfig> ConfigOf(SC_HANDLE service)
{
    DWORD needed = 0;
    QueryServiceConfigW(service, nullptr, 0, &needed);
    std::vector<BYTE> buffer(needed);
    auto* config = reinterpret_cast<QUERY_SERVICE_CONFIGW*>(buffer.data());
    if (needed == 0 || !QueryServiceConfigW(service, config, needed, &needed))
        return std::nullopt;
    return SpoolerConfig{config->dwStartType, config->lpBinaryPathName};
}

// Changes what is given; SERVICE_NO_CHANGE and null leave the start type and program as they are.
bool ChangeConfig(SC_HANDLE service, DWORD startType, const wchar_t* program)
{
    return ChangeServiceConfigW(service, SERVICE_NO_CHANGE, startType, SERVICE_NO_CHANGE, program,
                                nullptr, nullptr, nullptr, nullptr, nullptr, nullptr) != FALSE;
}

bool StopSpooler()
{
    const ServiceHandle spooler = OpenSpooler(SERVICE_STOP | SERVICE_QUERY_STATUS);
    SERVICE_STATUS status = {};
    if (!spooler)
        return false;
    ControlService(spooler.get(), SERVICE_CONTROL_STOP, &status);
    return WaitUntil([] { return SpoolerProcessId() == 0; }, kActionTimeoutMs);
}
} // namespace

bool QueueExists(const std::string& queue)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, QueueKey(queue).c_str(), 0, KEY_READ, &key) !=
        ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

bool AddQueue(const std::string& queue)
{
    return helpers::AddQueue(Wide(queue)) == ERROR_SUCCESS;
}

void DeleteQueue(const std::string& queue)
{
    std::wstring name = Wide(queue);
    PRINTER_DEFAULTSW defaults = {nullptr, nullptr, PRINTER_ALL_ACCESS};
    HANDLE printer = nullptr;
    if (!OpenPrinterW(name.data(), &printer, &defaults))
        return;
    DeletePrinter(printer);
    ClosePrinter(printer);
}

std::optional<DWORD> StoredValue(const std::string& queue, const char* name)
{
    DWORD value = 0;
    DWORD size = sizeof value;
    if (RegGetValueW(HKEY_LOCAL_MACHINE, QueueKey(queue).c_str(), Wide(name).c_str(),
                     RRF_RT_REG_DWORD, nullptr, &value, &size) != ERROR_SUCCESS)
        return std::nullopt;
    return value;
}

void SetStoredValue(const std::string& queue, const char* name, std::optional<DWORD> value)
{
    if (!value)
        return SetStoredRawValue(queue, name, std::nullopt);
    const auto* bytes = reinterpret_cast<const BYTE*>(&*value);
    SetStoredRawValue(queue, name, RawValue{REG_DWORD, {bytes, bytes + sizeof *value}});
}

std::optional<RawValue> StoredRawValue(const std::string& queue, const char* name)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, QueueKey(queue).c_str(), 0, KEY_QUERY_VALUE, &key) !=
        ERROR_SUCCESS)
        return std::nullopt;
    const std::wstring valueName = Wide(name);
    RawValue value = {REG_NONE, {}};
    DWORD size = 0;
    LONG result = RegQueryValueExW(key, valueName.c_str(), nullptr, &value.type, nullptr, &size);
    if (result == ERROR_SUCCESS)
    {
        value.bytes.resize(size);
        result = RegQueryValueExW(key, valueName.c_str(), nullptr, &value.type, value.bytes.data(),
                                  &size);
        value.bytes.resize(size);
    }
    RegCloseKey(key);
    if (result != ERROR_SUCCESS)
        return std::nullopt;
    return value;
}

void SetStoredRawValue(const std::string& queue, const char* name,
                       const std::optional<RawValue>& value)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, QueueKey(queue).c_str(), 0, KEY_SET_VALUE, &key) !=
        ERROR_SUCCESS)
        return;
    if (value)
        RegSetValueExW(key, Wide(name).c_str(), 0, value->type, value->bytes.data(),
                       static_cast<DWORD>(value->bytes.size()));
    else
        RegDeleteValueW(key, Wide(name).c_str());
    RegCloseKey(key);
}

StoredValuesKeeper::StoredValuesKeeper(std::string queue)
    : m_queue(std::move(queue)), m_interval(StoredRawValue(m_queue, kIntervalValue)),
      m_timeout(StoredRawValue(m_queue, kTimeoutValue))
{
}

StoredValuesKeeper::~StoredValuesKeeper()
{
    SetStoredRawValue(m_queue, kIntervalValue, m_interval);
    SetStoredRawValue(m_queue, kTimeoutValue, m_timeout);
}

DocumentsPlanted::DocumentsPlanted(const std::string& queue, const std::vector<DWORD>& states)
    : m_key(QueueKey(queue) + L"\\" + kDocumentsKey)
{
    for (size_t i = 0; i < states.size(); ++i)
        RegSetKeyValueW(HKEY_LOCAL_MACHINE, m_key.c_str(), Wide(std::to_string(i + 1)).c_str(),
                        REG_DWORD, &states[i], sizeof states[i]);
}

DocumentsPlanted::~DocumentsPlanted()
{
    RegDeleteKeyW(HKEY_LOCAL_MACHINE, m_key.c_str());
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

bool StartSpooler(DWORD timeoutMs)
{
    if (SpoolerProcessId() != 0)
        return true;
    const ServiceHandle spooler = OpenSpooler(SERVICE_START | SERVICE_QUERY_STATUS);
    if (!spooler)
        return false;
    StartServiceA(spooler.get(), 0, nullptr);
    return WaitUntil([] { return SpoolerProcessId() != 0; }, timeoutMs);
}

SpoolerDisabled::SpoolerDisabled()
{
    const ServiceHandle spooler = OpenSpooler(SERVICE_QUERY_CONFIG | SERVICE_CHANGE_CONFIG);
    if (!spooler)
        return;
    const std::optional<SpoolerConfig> config = ConfigOf(spooler.get());
    if (!config)
        return;
    m_startType = config->startType;
    m_applied = ChangeConfig(spooler.get(), SERVICE_DISABLED, nullptr);
}

SpoolerDisabled::~SpoolerDisabled()
{
    if (!m_applied)
        return;
    const ServiceHandle spooler = OpenSpooler(SERVICE_CHANGE_CONFIG);
    if (spooler)
        ChangeConfig(spooler.get(), m_startType, nullptr);
    StartSpooler();
}

SpoolerStandIn::SpoolerStandIn(const std::string& program, const std::string& arguments)
{
    const ServiceHandle spooler = OpenSpooler(SERVICE_QUERY_CONFIG | SERVICE_CHANGE_CONFIG);
    const std::optional<SpoolerConfig> config = spooler ? ConfigOf(spooler.get()) : std::nullopt;
    if (!config || !StopSpooler())
        return;
    m_program = config->program;
    const std::string command = "\"" + program + "\"" + (arguments.empty() ? "" : " " + arguments);
    m_applied = ChangeConfig(spooler.get(), SERVICE_NO_CHANGE, Wide(command).c_str());
    m_running = m_applied && StartSpooler(kRestartTimeoutMs);
}

SpoolerStandIn::~SpoolerStandIn()
{
    if (!m_applied)
        return;
    const ServiceHandle spooler =
        OpenSpooler(SERVICE_CHANGE_CONFIG | SERVICE_USER_DEFINED_CONTROL | SERVICE_QUERY_STATUS);
    if (!spooler)
        return;
    SERVICE_STATUS status = {};
    ControlService(spooler.get(), kEndSpoolerStandIn, &status);
    WaitUntil([] { return SpoolerProcessId() == 0; }, kActionTimeoutMs);
    ChangeConfig(spooler.get(), SERVICE_NO_CHANGE, m_program.c_str());
    StartSpooler();
}
} // namespace e2e
