// A stand-in for the spooler calls of the setting tool and its console companion, for runs under
// Wine only: Wine's own spooler refuses the printer-data key "\" that the tool uses, so nothing
// could be stored there.
// Printer data is kept in the registry under the queue's own key
// (HKLM\System\CurrentControlSet\Control\Print\Printers\<queue>), so stored values survive from
// one run to the next; key "\" is the queue key itself, key "A\B" its subkey A\B. Any queue of the
// prefix opens for printing; names are UTF-16 throughout, as Windows keeps them. Full access is
// refused (ERROR_ACCESS_DENIED) to a process that is not elevated, as Windows gives it to
// administrators only and a filtered administrator's token is not elevated; Wine itself never
// refuses it.
//
// For tests, SETTINGTOOL_FAIL_STORE=<value name>:<error> makes SetPrinterDataExW of that value
// fail with that error code and store nothing.
#include <windows.h>
#include <winspool.h>

#include <cwchar>
#include <set>
#include <string>
#include <vector>

namespace
{
const wchar_t kPrintersKey[] = L"System\\CurrentControlSet\\Control\\Print\\Printers";
const wchar_t kFailStoreVariable[] = L"SETTINGTOOL_FAIL_STORE";

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
std::wstring Subkey(const wchar_t* keyName)
{
    std::wstring key = keyName;
    const size_t first = key.find_first_not_of(L'\\');
    if (first == std::wstring::npos)
        return L"";
    const size_t last = key.find_last_not_of(L'\\');
    return key.substr(first, last - first + 1);
}

// The error that SETTINGTOOL_FAIL_STORE asks for when storing valueName, or ERROR_SUCCESS.
DWORD RequestedStoreFailure(const wchar_t* valueName)
{
    wchar_t setting[256];
    const DWORD length = GetEnvironmentVariableW(kFailStoreVariable, setting, ARRAYSIZE(setting));
    if (length == 0 || length >= ARRAYSIZE(setting))
        return ERROR_SUCCESS;
    wchar_t* colon = std::wcsrchr(setting, L':');
    if (colon == nullptr)
        return ERROR_SUCCESS;
    *colon = L'\0';
    if (lstrcmpiW(setting, valueName != nullptr ? valueName : L"") != 0)
        return ERROR_SUCCESS;
    return static_cast<DWORD>(std::wcstoul(colon + 1, nullptr, 10));
}
// Whether this process may have the access asked for: printing and reading the queue's security
// are everyone's, anything more needs an elevated token (TokenElevation, as Windows decides).
bool AccessAllowed(const PRINTER_DEFAULTSW* defaults)
{
    const ACCESS_MASK everyones = PRINTER_ACCESS_USE | READ_CONTROL;
    if (defaults == nullptr || (defaults->DesiredAccess & ~everyones) == 0)
        return true;
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token))
        return false;
    TOKEN_ELEVATION elevation = {};
    DWORD size = 0;
    const BOOL read =
        GetTokenInformation(token, TokenElevation, &elevation, sizeof elevation, &size);
    CloseHandle(token);
    return read && elevation.TokenIsElevated != 0;
}
} // namespace

extern "C" BOOL WINAPI OpenPrinterW(LPWSTR name, LPHANDLE handle, LPPRINTER_DEFAULTSW defaults)
{
    if (handle == nullptr)
    {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    *handle = nullptr;
    // Only local queues exist here; a backslash would reach into another key.
    if (name == nullptr || *name == L'\0' || std::wcschr(name, L'\\') != nullptr)
    {
        SetLastError(ERROR_INVALID_PRINTER_NAME);
        return FALSE;
    }
    HKEY queueKey = nullptr;
    const std::wstring path = std::wstring(kPrintersKey) + L"\\" + name;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ | KEY_WRITE, &queueKey) !=
        ERROR_SUCCESS)
    {
        SetLastError(ERROR_INVALID_PRINTER_NAME);
        return FALSE;
    }
    if (!AccessAllowed(defaults))
    {
        RegCloseKey(queueKey);
        SetLastError(ERROR_ACCESS_DENIED);
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

extern "C" DWORD WINAPI GetPrinterDataExW(HANDLE handle, LPCWSTR keyName, LPCWSTR valueName,
                                          LPDWORD type, LPBYTE data, DWORD size, LPDWORD needed)
{
    const HKEY queueKey = QueueKeyOf(handle);
    if (queueKey == nullptr)
        return ERROR_INVALID_HANDLE;
    if (keyName == nullptr || *keyName == L'\0' || needed == nullptr)
        return ERROR_INVALID_PARAMETER;
    RegKey key;
    if (RegOpenKeyExW(queueKey, Subkey(keyName).c_str(), 0, KEY_QUERY_VALUE, key.Receive()) !=
        ERROR_SUCCESS)
        return ERROR_FILE_NOT_FOUND;
    DWORD storedType = 0;
    DWORD storedSize = 0;
    const LONG probe =
        RegQueryValueExW(key.Get(), valueName, nullptr, &storedType, nullptr, &storedSize);
    if (probe != ERROR_SUCCESS)
        return static_cast<DWORD>(probe);
    *needed = storedSize;
    if (type != nullptr)
        *type = storedType;
    if (storedSize > size || (storedSize > 0 && data == nullptr))
        return ERROR_MORE_DATA;
    return static_cast<DWORD>(
        RegQueryValueExW(key.Get(), valueName, nullptr, nullptr, data, &storedSize));
}

extern "C" DWORD WINAPI SetPrinterDataExW(HANDLE handle, LPCWSTR keyName, LPCWSTR valueName,
                                          DWORD type, LPBYTE data, DWORD size)
{
    const HKEY queueKey = QueueKeyOf(handle);
    if (queueKey == nullptr)
        return ERROR_INVALID_HANDLE;
    if (keyName == nullptr || *keyName == L'\0' || (data == nullptr && size > 0))
        return ERROR_INVALID_PARAMETER;
    const DWORD failure = RequestedStoreFailure(valueName);
    if (failure != ERROR_SUCCESS)
        return failure;
    RegKey key;
    const LONG created = RegCreateKeyExW(queueKey, Subkey(keyName).c_str(), 0, nullptr, 0,
                                         KEY_SET_VALUE, nullptr, key.Receive(), nullptr);
    if (created != ERROR_SUCCESS)
        return static_cast<DWORD>(created);
    return static_cast<DWORD>(RegSetValueExW(key.Get(), valueName, 0, type, data, size));
}

extern "C" DWORD WINAPI DeletePrinterDataExW(HANDLE handle, LPCWSTR keyName, LPCWSTR valueName)
{
    const HKEY queueKey = QueueKeyOf(handle);
    if (queueKey == nullptr)
        return ERROR_INVALID_HANDLE;
    if (keyName == nullptr || *keyName == L'\0' || valueName == nullptr)
        return ERROR_INVALID_PARAMETER;
    RegKey key;
    if (RegOpenKeyExW(queueKey, Subkey(keyName).c_str(), 0, KEY_SET_VALUE, key.Receive()) !=
        ERROR_SUCCESS)
        return ERROR_FILE_NOT_FOUND;
    return static_cast<DWORD>(RegDeleteValueW(key.Get(), valueName));
}

// Level 4 only, the local queues of the prefix: the records, then their names.
extern "C" BOOL WINAPI EnumPrintersW(DWORD flags, LPWSTR name, DWORD level, LPBYTE buffer,
                                     DWORD size, LPDWORD needed, LPDWORD returned)
{
    if (needed == nullptr || returned == nullptr || name != nullptr)
    {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    if (level != 4)
    {
        SetLastError(ERROR_INVALID_LEVEL);
        return FALSE;
    }
    std::vector<std::wstring> names;
    RegKey printers;
    if ((flags & PRINTER_ENUM_LOCAL) != 0 &&
        RegOpenKeyExW(HKEY_LOCAL_MACHINE, kPrintersKey, 0, KEY_READ, printers.Receive()) ==
            ERROR_SUCCESS)
        for (DWORD i = 0;; ++i)
        {
            wchar_t queue[256];
            DWORD length = ARRAYSIZE(queue);
            if (RegEnumKeyExW(printers.Get(), i, queue, &length, nullptr, nullptr, nullptr,
                              nullptr) != ERROR_SUCCESS)
                break;
            names.emplace_back(queue, length);
        }
    size_t total = 0;
    for (const std::wstring& queue : names)
        total += sizeof(PRINTER_INFO_4W) + (queue.size() + 1) * sizeof(wchar_t);
    *needed = static_cast<DWORD>(total);
    *returned = 0;
    if (total > size || (buffer == nullptr && total > 0))
    {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return FALSE;
    }
    auto* record = reinterpret_cast<PRINTER_INFO_4W*>(buffer);
    auto* text = reinterpret_cast<wchar_t*>(record + names.size());
    for (const std::wstring& queue : names)
    {
        std::wmemcpy(text, queue.c_str(), queue.size() + 1);
        *record++ = {text, nullptr, PRINTER_ATTRIBUTE_LOCAL};
        text += queue.size() + 1;
    }
    *returned = static_cast<DWORD>(names.size());
    return TRUE;
}
