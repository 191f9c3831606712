#include "ToolRun.h"

#include "Wait.h"
#include "Windows.h"

#include "resource.h"

#include <cwchar>
#include <stdexcept>

namespace e2e
{
const char kTestQueue[] = "E2E Printer";

namespace
{
std::string g_toolPath;

// Wine 8 ignores WINEDLLOVERRIDES in a CreateProcess environment block, but reads the per-program
// overrides from the registry when the program starts.
const char kOverridesKey[] = "Software\\Wine\\AppDefaults\\SettingTool.exe\\DllOverrides";
const char kProgramKey[] = "Software\\Wine\\AppDefaults\\SettingTool.exe";
const char kFailStoreVariable[] = "SETTINGTOOL_FAIL_STORE";
const UINT kKilledStatus = 0xE2E;

void SelectStore(Store store)
{
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kOverridesKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                        &key, nullptr) != ERROR_SUCCESS)
        throw std::runtime_error("cannot write the program's DLL overrides");
    const char* mode = store == Store::StandIn ? "native" : "builtin";
    RegSetValueExA(key, "winspool.drv", 0, REG_SZ, reinterpret_cast<const BYTE*>(mode),
                   static_cast<DWORD>(lstrlenA(mode) + 1));
    RegCloseKey(key);
}

void ForgetStore()
{
    RegDeleteKeyA(HKEY_CURRENT_USER, kOverridesKey);
    RegDeleteKeyA(HKEY_CURRENT_USER, kProgramKey);
}

// This process's environment with the stand-in's failure setting replaced.
std::wstring ChildEnvironment(const std::string& failStore)
{
    const std::wstring variable = Wide(kFailStoreVariable) + L"=";
    std::wstring block;
    wchar_t* strings = GetEnvironmentStringsW();
    for (const wchar_t* entry = strings; *entry != L'\0'; entry += std::wcslen(entry) + 1)
    {
        if (_wcsnicmp(entry, variable.c_str(), variable.size()) == 0)
            continue;
        block += entry;
        block += L'\0';
    }
    FreeEnvironmentStringsW(strings);
    if (!failStore.empty())
    {
        block += variable + Wide(failStore);
        block += L'\0';
    }
    block += L'\0';
    return block;
}

std::string CommandLine(const std::vector<std::string>& arguments)
{
    std::string line = "\"" + g_toolPath + "\"";
    for (const std::string& argument : arguments)
        line += " \"" + argument + "\"";
    return line;
}

bool IsSettingsDialog(HWND window)
{
    return GetDlgItem(window, IDC_INTERVAL_EDIT) != nullptr;
}
} // namespace

bool SetToolPath(const std::string& unixPath)
{
    // Exported by Wine's kernel32 only: the driver runs under Wine by design.
    using DosName = wchar_t*(CDECL*)(const char*);
    const auto toDos = reinterpret_cast<DosName>(reinterpret_cast<void (*)()>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_dos_file_name")));
    wchar_t* dosName = toDos != nullptr ? toDos(unixPath.c_str()) : nullptr;
    if (dosName == nullptr)
        return false;
    g_toolPath = Utf8(dosName);
    HeapFree(GetProcessHeap(), 0, dosName);
    return true;
}

const std::string& ToolPath()
{
    return g_toolPath;
}

ToolRun::ToolRun(const std::vector<std::string>& arguments, const RunOptions& options)
{
    SelectStore(options.store);
    std::string commandLine = CommandLine(arguments);
    std::wstring environment = ChildEnvironment(options.failStore);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE,
                        CREATE_UNICODE_ENVIRONMENT, environment.data(), nullptr, &startup,
                        &process))
        return;
    CloseHandle(process.hThread);
    m_process = process.hProcess;
    m_processId = process.dwProcessId;
}

ToolRun::~ToolRun()
{
    if (m_process != nullptr)
    {
        if (Running())
        {
            TerminateProcess(m_process, kKilledStatus);
            WaitForSingleObject(m_process, kActionTimeoutMs);
        }
        CloseHandle(m_process);
    }
    ForgetStore();
}

bool ToolRun::Running() const
{
    return m_process != nullptr && WaitForSingleObject(m_process, 0) == WAIT_TIMEOUT;
}

std::vector<HWND> ToolRun::VisibleWindows() const
{
    std::vector<HWND> visible;
    for (HWND window : TopLevelWindows(m_processId))
        if (IsWindowVisible(window))
            visible.push_back(window);
    return visible;
}

HWND ToolRun::Dialog()
{
    if (m_dialog != nullptr && IsWindow(m_dialog))
        return m_dialog;
    m_dialog = nullptr;
    WaitUntil(
        [&] {
            for (HWND window : VisibleWindows())
                if (IsSettingsDialog(window))
                    m_dialog = window;
            return m_dialog != nullptr || !Running();
        },
        kStartTimeoutMs);
    return m_dialog;
}

MessageBoxSeen ToolRun::WaitForMessageBox()
{
    MessageBoxSeen seen;
    WaitUntil(
        [&] {
            for (HWND window : VisibleWindows())
                if (!IsSettingsDialog(window) && GetDlgItem(window, 0xFFFF) != nullptr)
                    seen.window = window;
            return seen.window != nullptr || !Running();
        },
        kRestartTimeoutMs);
    if (seen.window != nullptr)
    {
        seen.caption = TextOf(seen.window);
        seen.text = TextOf(GetDlgItem(seen.window, 0xFFFF));
    }
    return seen;
}

bool ToolRun::Dismiss(const MessageBoxSeen& box)
{
    PostClick(GetDlgItem(box.window, IDOK));
    return WaitUntil([&] { return !IsWindow(box.window); }, kActionTimeoutMs);
}

long ToolRun::WaitForExit(DWORD timeoutMs)
{
    if (m_process == nullptr || WaitForSingleObject(m_process, timeoutMs) != WAIT_OBJECT_0)
        return -1;
    DWORD status = 0;
    GetExitCodeProcess(m_process, &status);
    return static_cast<long>(status);
}
} // namespace e2e
