// A stand-in for the spooler calls of the setting tool and its console companion, for runs under
// Wine only: Wine's own spooler refuses the printer-data key "\" that the tool uses, so nothing
// could be stored there. The calls and their rules are the tests' one model of the spooler
// (tests/spooler), which the Linux tests share; this file keeps its store in Wine's registry, and
// winspool.def exports the calls.
//
// Queues and drivers are listed as Wine's spooler keeps them: each queue a key under kPrintersKey
// naming its driver ("Printer Driver"), each driver of every processor architecture a key naming
// its language monitor ("Monitor"). Printer data is kept under the queue's own key, so stored
// values survive from one run to the next. The documents a queue holds are the values of its
// subkey kDocumentsKey, each a REG_DWORD of the document's state (JOB_STATUS_...), planted by the
// tests; Wine's spooler keeps none there. Full access is granted to an elevated process only,
// as Windows grants it to administrators only and a filtered administrator's token is not
// elevated; Wine itself never refuses it. Wine cannot reach a print server, so the stand-in plays
// one, "\\e2e-server": its queues are the subkeys of kServerKey, made by the tests.
//
// For tests, SETTINGTOOL_FAIL_STORE=<value name>:<error> makes SetPrinterDataExW of that value
// fail with that error code and store nothing. For the console's benchmark,
// SETTINGTOOL_CALL_COUNTS=<file> has the process append to that file, as it ends, how often it
// called each function ("OpenPrinterW 1000").
#include "DocumentsKey.h"
#include "SpoolerModel.h"
#include "handles/UniqueHandle.h"

#include <cwchar>

using namespace spoolermodel;

namespace
{
const wchar_t kPrintersKey[] = L"System\\CurrentControlSet\\Control\\Print\\Printers";
const wchar_t kEnvironmentsKey[] = L"System\\CurrentControlSet\\Control\\Print\\Environments";
const wchar_t kServer[] = L"\\\\e2e-server";
const wchar_t kServerKey[] = L"Software\\SettingTool E2E\\Print server";

using CRegKey = CUniqueHandle<HKEY, &RegCloseKey>;

// The names of the subkeys of a key of HKEY_LOCAL_MACHINE.
std::vector<std::wstring> Subkeys(const std::wstring& path)
{
    std::vector<std::wstring> names;
    CRegKey key;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, key.put()) != ERROR_SUCCESS)
        return names;
    for (DWORD i = 0;; ++i)
    {
        wchar_t name[256];
        DWORD length = ARRAYSIZE(name);
        if (RegEnumKeyExW(key.get(), i, name, &length, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            return names;
        names.emplace_back(name, length);
    }
}

// A text value of a key of HKEY_LOCAL_MACHINE, "" when there is none.
std::wstring TextValue(const std::wstring& path, const wchar_t* value)
{
    wchar_t text[512] = L"";
    DWORD size = sizeof text - sizeof(wchar_t);
    RegGetValueW(HKEY_LOCAL_MACHINE, path.c_str(), value, RRF_RT_REG_SZ, nullptr, text, &size);
    return text;
}

// The key of a queue: a print server's is a subkey of kServerKey, this computer's one of
// kPrintersKey; "" for another server's.
std::wstring KeyOf(const std::wstring& queue)
{
    const std::wstring machine = MachineOf(queue);
    if (!machine.empty())
        return SameName(machine, kServer) ? kServerKey + queue.substr(machine.size()) : L"";
    return std::wstring(kPrintersKey) + L"\\" + queue;
}

// The key that holds a queue's printer data under a printer-data key.
std::wstring DataKeyOf(const std::wstring& queue, const std::wstring& key)
{
    return KeyOf(queue) + (key.empty() ? L"" : L"\\" + key);
}

class CRegistryStore final : public CStore
{
  public:
    std::vector<ListedQueue> Queues() override
    {
        std::vector<ListedQueue> queues;
        for (const std::wstring& queue : Subkeys(kPrintersKey))
            queues.push_back({queue, DriverOf(queue)});
        for (const std::wstring& queue : Subkeys(kServerKey))
            queues.push_back({kServer + (L"\\" + queue), DriverOf(kServer + (L"\\" + queue))});
        return queues;
    }
    std::vector<Driver> Drivers() override
    {
        std::vector<Driver> drivers;
        for (const std::wstring& environment : Subkeys(kEnvironmentsKey))
        {
            const std::wstring versions =
                std::wstring(kEnvironmentsKey) + L"\\" + environment + L"\\Drivers";
            for (const std::wstring& version : Subkeys(versions))
                for (const std::wstring& driver : Subkeys(versions + L"\\" + version))
                    drivers.push_back(
                        {driver,
                         TextValue(versions + L"\\" + version + L"\\" + driver, L"Monitor")});
        }
        return drivers;
    }
    bool Has(const std::wstring& queue) override
    {
        const std::wstring path = KeyOf(queue);
        CRegKey key;
        return !path.empty() && RegOpenKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ,
                                              key.put()) == ERROR_SUCCESS;
    }
    // Whether this process's token is elevated (TokenElevation, as Windows decides).
    bool MayAdminister(const std::wstring&) override
    {
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
    std::wstring DriverOf(const std::wstring& queue) override
    {
        return TextValue(KeyOf(queue), L"Printer Driver");
    }
    std::vector<DWORD> Documents(const std::wstring& queue) override
    {
        std::vector<DWORD> states;
        CRegKey documents;
        if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, DataKeyOf(queue, kDocumentsKey).c_str(), 0,
                          KEY_QUERY_VALUE, documents.put()) != ERROR_SUCCESS)
            return states;
        for (DWORD i = 0;; ++i)
        {
            wchar_t name[256];
            DWORD length = ARRAYSIZE(name);
            DWORD type = REG_NONE;
            DWORD state = 0;
            DWORD size = sizeof state;
            const LONG result = RegEnumValueW(documents.get(), i, name, &length, nullptr, &type,
                                              reinterpret_cast<BYTE*>(&state), &size);
            // A value too large for a state is not a document; any other failure ends the list.
            if (result != ERROR_SUCCESS && result != ERROR_MORE_DATA)
                return states;
            if (result == ERROR_SUCCESS && type == REG_DWORD && size == sizeof state)
                states.push_back(state);
        }
    }
    std::optional<Value> Read(const std::wstring& queue, const std::wstring& key,
                              const std::wstring& name) override
    {
        CRegKey data;
        Value value = {};
        DWORD size = 0;
        if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, DataKeyOf(queue, key).c_str(), 0, KEY_QUERY_VALUE,
                          data.put()) != ERROR_SUCCESS ||
            RegQueryValueExW(data.get(), name.c_str(), nullptr, &value.type, nullptr, &size) !=
                ERROR_SUCCESS)
            return std::nullopt;
        value.data.resize(size);
        if (RegQueryValueExW(data.get(), name.c_str(), nullptr, nullptr, value.data.data(),
                             &size) != ERROR_SUCCESS)
            return std::nullopt;
        return value;
    }
    DWORD Write(const std::wstring& queue, const std::wstring& key, const std::wstring& name,
                const Value& value) override
    {
        return static_cast<DWORD>(RegSetKeyValueW(HKEY_LOCAL_MACHINE, DataKeyOf(queue, key).c_str(),
                                                  name.c_str(), value.type, value.data.data(),
                                                  static_cast<DWORD>(value.data.size())));
    }
    bool Erase(const std::wstring& queue, const std::wstring& key,
               const std::wstring& name) override
    {
        return RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, DataKeyOf(queue, key).c_str(),
                                  name.c_str()) == ERROR_SUCCESS;
    }
    // The store failure that SETTINGTOOL_FAIL_STORE asks for.
    std::optional<DWORD> Arranged(const std::string& function, const std::wstring&,
                                  const std::wstring& value) override
    {
        wchar_t setting[256];
        const DWORD length = GetEnvironmentVariableW(L"SETTINGTOOL_FAIL_STORE", setting, 256);
        wchar_t* colon = length > 0 && length < 256 ? std::wcsrchr(setting, L':') : nullptr;
        if (function != "SetPrinterDataExW" || colon == nullptr ||
            !SameName(std::wstring(setting, colon), value))
            return std::nullopt;
        return static_cast<DWORD>(std::wcstoul(colon + 1, nullptr, 10));
    }
};

// Appends the counts to the file SETTINGTOOL_CALL_COUNTS names, if it names one.
void WriteCallCounts()
{
    wchar_t path[MAX_PATH];
    const DWORD length = GetEnvironmentVariableW(L"SETTINGTOOL_CALL_COUNTS", path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return;
    const HANDLE file = CreateFileW(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    std::string text;
    for (const auto& [function, count] : Calls())
        text += function + " " + std::to_string(count) + "\n";
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
}
} // namespace

CStore& spoolermodel::TheStore()
{
    static CRegistryStore store;
    return store;
}

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_DETACH)
        WriteCallCounts();
    return TRUE;
}
