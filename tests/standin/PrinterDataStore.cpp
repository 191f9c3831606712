// A stand-in for the four spooler calls of the setting tool, for runs under Wine only: Wine's own
// spooler refuses the printer-data key "\" that the tool uses, so nothing could be stored there.
// Printer data is kept in the registry under the queue's own key
// (HKLM\System\CurrentControlSet\Control\Print\Printers\<queue>), so stored values survive from
// one run to the next; key "\" is the queue key itself, key "A\B" its subkey A\B. Any queue of the
// prefix opens, whatever access is asked for.
//
// For tests, SETTINGTOOL_FAIL_STORE=<value name>:<error> makes SetPrinterDataExA of that value
// fail with that error code and store nothing.
#include <windows.h>
#include <winspool.h>

#include <cstdlib>
#include <cstring>
#include <set>
#include <string>

namespace
{
const char kPrintersKey[] = "System\\CurrentControlSet\\Control\\Print\\Printers\\";
const char kFailStoreVariable[] = "SETTINGTOOL_FAIL_STORE";

struct Printer
{
    HKEY queueKey;
};

// Handles are checked against the open ones, so a stale or foreign handle is refused, not used.
SRWLOCK g_lock = SRWLOCK_INIT;
std::set<Printer*> g_open;

class Lock
{
  public:
    Lock() { AcquireSRWLockExclusive(&g_lock); }
    ~Lock() { ReleaseSRWLockExclusive(&g_lock); }
    Lock(const Lock&) = delete;
    Lock& operator=(const Lock&) = delete;
};

class RegKey
{
  public:
    RegKey() = default;
    ~RegKey()
    {
        if (m_key != nullptr)
            RegCloseKey(m_key);
    }
    RegKey(const RegKey&) = delete;
    RegKey& operator=(const RegKey&) = delete;
    HKEY* Receive() { return &m_key; }
    HKEY Get() const { return m_key; }

  private:
    HKEY m_key = nullptr;
};

HKEY QueueKeyOf(HANDLE handle)
{
    Lock lock;
    const auto found = g_open.find(static_cast<Printer*>(handle));
    return found == g_open.end() ? nullptr : (*found)->queueKey;
}

// The subkey of the queue key that a printer-data key names; "" is the queue key itself.
std::string Subkey(const char* keyName)
{
    std::string key = keyName;
    const size_t first = key.find_first_not_of('\\');
    if (first == std::string::npos)
        return "";
    const size_t last = key.find_last_not_of('\\');
    return key.substr(first, last - first + 1);
}

// The error that SETTINGTOOL_FAIL_STORE asks for when storing valueName, or ERROR_SUCCESS.
DWORD RequestedStoreFailure(const char* valueName)
{
    char setting[256];
    const DWORD length = GetEnvironmentVariableA(kFailStoreVariable, setting, sizeof setting);
    if (length == 0 || length >= sizeof setting)
        return ERROR_SUCCESS;
    char* colon = std::strrchr(setting, ':');
    if (colon == nullptr)
        return ERROR_SUCCESS;
    *colon = '\0';
    if (lstrcmpiA(setting, valueName != nullptr ? valueName : "") != 0)
        return ERROR_SUCCESS;
    return static_cast<DWORD>(std::strtoul(colon + 1, nullptr, 10));
}
} // namespace

extern "C" BOOL WINAPI OpenPrinterA(LPSTR name, LPHANDLE handle, LPPRINTER_DEFAULTSA)
{
    if (handle == nullptr)
    {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    *handle = nullptr;
    // Only local queues exist here; a backslash would reach into another key.
    if (name == nullptr || *name == '\0' || std::strchr(name, '\\') != nullptr)
    {
        SetLastError(ERROR_INVALID_PRINTER_NAME);
        return FALSE;
    }
    HKEY queueKey = nullptr;
    const std::string path = std::string(kPrintersKey) + name;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ | KEY_WRITE, &queueKey) !=
        ERROR_SUCCESS)
    {
        SetLastError(ERROR_INVALID_PRINTER_NAME);
        return FALSE;
    }
    Printer* printer = new Printer{queueKey};
    Lock lock;
    g_open.insert(printer);
    *handle = printer;
    return TRUE;
}

extern "C" BOOL WINAPI ClosePrinter(HANDLE handle)
{
    Printer* printer = static_cast<Printer*>(handle);
    {
        Lock lock;
        if (g_open.erase(printer) == 0)
        {
            SetLastError(ERROR_INVALID_HANDLE);
            return FALSE;
        }
    }
    RegCloseKey(printer->queueKey);
    delete printer;
    return TRUE;
}

extern "C" DWORD WINAPI GetPrinterDataExA(HANDLE handle, LPCSTR keyName, LPCSTR valueName,
                                          LPDWORD type, LPBYTE data, DWORD size, LPDWORD needed)
{
    const HKEY queueKey = QueueKeyOf(handle);
    if (queueKey == nullptr)
        return ERROR_INVALID_HANDLE;
    if (keyName == nullptr || *keyName == '\0' || needed == nullptr)
        return ERROR_INVALID_PARAMETER;
    RegKey key;
    if (RegOpenKeyExA(queueKey, Subkey(keyName).c_str(), 0, KEY_QUERY_VALUE, key.Receive()) !=
        ERROR_SUCCESS)
        return ERROR_FILE_NOT_FOUND;
    DWORD storedType = 0;
    DWORD storedSize = 0;
    const LONG probe =
        RegQueryValueExA(key.Get(), valueName, nullptr, &storedType, nullptr, &storedSize);
    if (probe != ERROR_SUCCESS)
        return static_cast<DWORD>(probe);
    *needed = storedSize;
    if (type != nullptr)
        *type = storedType;
    if (storedSize > size || (storedSize > 0 && data == nullptr))
        return ERROR_MORE_DATA;
    return static_cast<DWORD>(
        RegQueryValueExA(key.Get(), valueName, nullptr, nullptr, data, &storedSize));
}

extern "C" DWORD WINAPI SetPrinterDataExA(HANDLE handle, LPCSTR keyName, LPCSTR valueName,
                                          DWORD type, LPBYTE data, DWORD size)
{
    const HKEY queueKey = QueueKeyOf(handle);
    if (queueKey == nullptr)
        return ERROR_INVALID_HANDLE;
    if (keyName == nullptr || *keyName == '\0' || (data == nullptr && size > 0))
        return ERROR_INVALID_PARAMETER;
    const DWORD failure = RequestedStoreFailure(valueName);
    if (failure != ERROR_SUCCESS)
        return failure;
    RegKey key;
    const LONG created = RegCreateKeyExA(queueKey, Subkey(keyName).c_str(), 0, nullptr, 0,
                                         KEY_SET_VALUE, nullptr, key.Receive(), nullptr);
    if (created != ERROR_SUCCESS)
        return static_cast<DWORD>(created);
    return static_cast<DWORD>(RegSetValueExA(key.Get(), valueName, 0, type, data, size));
}
