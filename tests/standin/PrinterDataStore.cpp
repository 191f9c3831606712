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
// Queues and drivers are listed as Wine's spooler keeps them in the registry: each queue with the
// driver its key names ("Printer Driver"), each driver of every processor architecture with the
// language monitor it names ("Monitor"). Wine cannot reach a print server, so the stand-in plays
// one, "\\e2e-server": its queues "\\e2e-server\<queue>" are the subkeys of kServerKey, made by
// the tests, and it has this computer's drivers. Any other server cannot be reached
// (RPC_S_SERVER_UNAVAILABLE).
//
// For tests, SETTINGTOOL_FAIL_STORE=<value name>:<error> makes SetPrinterDataExW of that value
// fail with that error code and store nothing. For the console's benchmark,
// SETTINGTOOL_CALL_COUNTS=<file> has the process append to that file, as it ends, how often it
// called each function ("OpenPrinterW 1000").
#include <windows.h>
#include <winspool.h>

#include <cstring>
#include <cwchar>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace
{
const wchar_t kPrintersKey[] = L"System\\CurrentControlSet\\Control\\Print\\Printers";
const wchar_t kEnvironmentsKey[] = L"System\\CurrentControlSet\\Control\\Print\\Environments";
const wchar_t kServer[] = L"\\\\e2e-server";
const wchar_t kServerKey[] = L"Software\\SettingTool E2E\\Print server";
const wchar_t kFailStoreVariable[] = L"SETTINGTOOL_FAIL_STORE";
const wchar_t kCallCountsVariable[] = L"SETTINGTOOL_CALL_COUNTS";

// The exported functions in the order of their counts.
const char* const kFunctions[] = {"OpenPrinterW",      "ClosePrinter",         "GetPrinterDataExW",
                                  "SetPrinterDataExW", "DeletePrinterDataExW", "EnumPrintersW",
                                  "GetPrinterW",       "EnumPrinterDriversW"};
LONG g_calls[std::size(kFunctions)] = {};

void Count(const char* function)
{
    for (size_t i = 0; i < std::size(kFunctions); ++i)
        if (std::strcmp(kFunctions[i], function) == 0)
            InterlockedIncrement(&g_calls[i]);
}

// Appends the counts to the file SETTINGTOOL_CALL_COUNTS names, if it names one.
void WriteCallCounts()
{
    wchar_t path[MAX_PATH];
    const DWORD length = GetEnvironmentVariableW(kCallCountsVariable, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return;
    const HANDLE file = CreateFileW(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    std::string text;
    for (size_t i = 0; i < std::size(kFunctions); ++i)
        text += std::string(kFunctions[i]) + " " + std::to_string(g_calls[i]) + "\n";
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
}

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

// The registry key of a queue: this computer's own, or the stand-in print server's; "" for a
// name that names neither (a backslash elsewhere would reach into another key).
std::wstring QueueKeyPath(const std::wstring& name)
{
    const size_t server = std::wcslen(kServer);
    if (name.size() > server + 1 &&
        CompareStringOrdinal(name.c_str(), static_cast<int>(server), kServer, -1, TRUE) ==
            CSTR_EQUAL &&
        name[server] == L'\\' && name.find(L'\\', server + 1) == std::wstring::npos)
        return std::wstring(kServerKey) + name.substr(server);
    if (name.empty() || name.find(L'\\') != std::wstring::npos)
        return L"";
    return std::wstring(kPrintersKey) + L"\\" + name;
}

// Whether a machine name given to a listing names the stand-in's print server.
bool IsTheServer(const wchar_t* name)
{
    return CompareStringOrdinal(name, -1, kServer, -1, TRUE) == CSTR_EQUAL;
}

// The names of a key's subkeys.
std::vector<std::wstring> Subkeys(HKEY parent, const std::wstring& path)
{
    std::vector<std::wstring> names;
    RegKey key;
    if (RegOpenKeyExW(parent, path.c_str(), 0, KEY_READ, key.Receive()) != ERROR_SUCCESS)
        return names;
    for (DWORD i = 0;; ++i)
    {
        wchar_t name[256];
        DWORD length = ARRAYSIZE(name);
        if (RegEnumKeyExW(key.Get(), i, name, &length, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            return names;
        names.emplace_back(name, length);
    }
}

// A text value of a key, "" when there is none.
std::wstring TextValue(HKEY parent, const std::wstring& path, const wchar_t* value)
{
    wchar_t text[512] = L"";
    DWORD size = sizeof text - sizeof(wchar_t);
    RegGetValueW(parent, path.c_str(), value, RRF_RT_REG_SZ, nullptr, text, &size);
    return text;
}

// Writes records and their texts (each a run of UTF-16 with its end) into the caller's buffer,
// or says how large it must be. fill(record, index, put) sets a record's texts through put.
template <typename Record, typename Fill>
BOOL Records(size_t count, size_t textUnits, LPBYTE buffer, DWORD size, LPDWORD needed,
             LPDWORD returned, Fill fill)
{
    const size_t total = count * sizeof(Record) + textUnits * sizeof(wchar_t);
    *needed = static_cast<DWORD>(total);
    if (returned != nullptr)
        *returned = 0;
    if (total > size || (buffer == nullptr && total > 0))
    {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return FALSE;
    }
    auto* record = reinterpret_cast<Record*>(buffer);
    auto* text = reinterpret_cast<wchar_t*>(record + count);
    const auto put = [&](const std::wstring& value) {
        wchar_t* start = text;
        text = std::wmemcpy(text, value.c_str(), value.size() + 1) + value.size() + 1;
        return start;
    };
    for (size_t i = 0; i < count; ++i)
    {
        record[i] = Record();
        fill(record[i], i, put);
    }
    if (returned != nullptr)
        *returned = static_cast<DWORD>(count);
    return TRUE;
}
} // namespace

extern "C" BOOL WINAPI OpenPrinterW(LPWSTR name, LPHANDLE handle, LPPRINTER_DEFAULTSW defaults)
{
    Count("OpenPrinterW");
    if (handle == nullptr)
    {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    *handle = nullptr;
    HKEY queueKey = nullptr;
    const std::wstring path = name != nullptr ? QueueKeyPath(name) : L"";
    if (path.empty() || RegOpenKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ | KEY_WRITE,
                                      &queueKey) != ERROR_SUCCESS)
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
    Count("ClosePrinter");
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
    Count("GetPrinterDataExW");
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
    Count("SetPrinterDataExW");
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
    Count("DeletePrinterDataExW");
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

// Level 2, with each queue's name and driver: this computer's own queues (it has no connections),
// or those of the stand-in print server.
extern "C" BOOL WINAPI EnumPrintersW(DWORD flags, LPWSTR name, DWORD level, LPBYTE buffer,
                                     DWORD size, LPDWORD needed, LPDWORD returned)
{
    Count("EnumPrintersW");
    if (needed == nullptr || returned == nullptr || level != 2)
    {
        SetLastError(level != 2 ? ERROR_INVALID_LEVEL : ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const bool server = (flags & PRINTER_ENUM_NAME) != 0 && name != nullptr && *name != L'\0';
    if (server && !IsTheServer(name))
    {
        SetLastError(RPC_S_SERVER_UNAVAILABLE);
        return FALSE;
    }
    const std::wstring parent = server ? kServerKey : kPrintersKey;
    std::vector<std::wstring> queues;
    if (server || (flags & PRINTER_ENUM_LOCAL) != 0)
        queues = Subkeys(HKEY_LOCAL_MACHINE, parent);
    std::vector<std::wstring> drivers;
    size_t units = 0;
    for (std::wstring& queue : queues)
    {
        drivers.push_back(TextValue(HKEY_LOCAL_MACHINE, parent + L"\\" + queue, L"Printer Driver"));
        if (server)
            queue = std::wstring(kServer) + L"\\" + queue;
        units += queue.size() + drivers.back().size() + 2;
    }
    return Records<PRINTER_INFO_2W>(queues.size(), units, buffer, size, needed, returned,
                                    [&](PRINTER_INFO_2W& record, size_t i, const auto& put) {
                                        record.pPrinterName = put(queues[i]);
                                        record.pDriverName = put(drivers[i]);
                                    });
}

// Level 2, with the queue's name and driver.
extern "C" BOOL WINAPI GetPrinterW(HANDLE handle, DWORD level, LPBYTE buffer, DWORD size,
                                   LPDWORD needed)
{
    Count("GetPrinterW");
    const HKEY queueKey = QueueKeyOf(handle);
    if (queueKey == nullptr || needed == nullptr || level != 2)
    {
        SetLastError(queueKey == nullptr ? ERROR_INVALID_HANDLE : ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const std::wstring driver = TextValue(queueKey, L"", L"Printer Driver");
    return Records<PRINTER_INFO_2W>(1, driver.size() + 1, buffer, size, needed, nullptr,
                                    [&](PRINTER_INFO_2W& record, size_t, const auto& put) {
                                        record.pDriverName = put(driver);
                                    });
}

// Level 3, the drivers of every processor architecture (any environment asked for gives them
// all), each with the language monitor it names.
extern "C" BOOL WINAPI EnumPrinterDriversW(LPWSTR name, LPWSTR, DWORD level, LPBYTE buffer,
                                           DWORD size, LPDWORD needed, LPDWORD returned)
{
    Count("EnumPrinterDriversW");
    if (needed == nullptr || returned == nullptr || level != 3)
    {
        SetLastError(level != 3 ? ERROR_INVALID_LEVEL : ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    if (name != nullptr && *name != L'\0' && !IsTheServer(name))
    {
        SetLastError(RPC_S_SERVER_UNAVAILABLE);
        return FALSE;
    }
    std::vector<std::wstring> drivers;
    std::vector<std::wstring> monitors;
    size_t units = 0;
    for (const std::wstring& environment : Subkeys(HKEY_LOCAL_MACHINE, kEnvironmentsKey))
    {
        const std::wstring versions =
            std::wstring(kEnvironmentsKey) + L"\\" + environment + L"\\Drivers";
        for (const std::wstring& version : Subkeys(HKEY_LOCAL_MACHINE, versions))
            for (const std::wstring& driver :
                 Subkeys(HKEY_LOCAL_MACHINE, versions + L"\\" + version))
            {
                drivers.push_back(driver);
                monitors.push_back(TextValue(
                    HKEY_LOCAL_MACHINE, versions + L"\\" + version + L"\\" + driver, L"Monitor"));
                units += driver.size() + monitors.back().size() + 2;
            }
    }
    return Records<DRIVER_INFO_3W>(drivers.size(), units, buffer, size, needed, returned,
                                   [&](DRIVER_INFO_3W& record, size_t i, const auto& put) {
                                       record.cVersion = 3;
                                       record.pName = put(drivers[i]);
                                       record.pMonitorName = put(monitors[i]);
                                   });
}

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_DETACH)
        WriteCallCounts();
    return TRUE;
}
