#include "ToolRun.h"

#include "Wait.h"
#include "Windows.h"

#include "LinkedToken.h"
#include "app/ArgumentQuoting.h"
#include "resource.h"

#include <tlhelp32.h>

#include <cwchar>
#include <stdexcept>
#include <utility>

namespace e2e
{
const char kTestQueue[] = "E2E Printer";
std::string g_plantedLibrary;

namespace
{
std::string g_toolPath;

// Wine 8 ignores WINEDLLOVERRIDES in a CreateProcess environment block, but reads the per-program
// overrides from the registry when the program starts.
const char kOverridesKey[] = "Software\\Wine\\AppDefaults\\SettingTool.exe\\DllOverrides";
const char kProgramKey[] = "Software\\Wine\\AppDefaults\\SettingTool.exe";
const char kFailStoreVariable[] = "SETTINGTOOL_FAIL_STORE";
const char kRunAsVariable[] = "SETTINGTOOL_RUNAS";
const UINT kKilledStatus = 0xE2E;

void SetOverride(HKEY key, const char* dll, const char* mode)
{
    RegSetValueExA(key, dll, 0, REG_SZ, reinterpret_cast<const BYTE*>(mode),
                   static_cast<DWORD>(lstrlenA(mode) + 1));
}

// The printer-data store, and the shell that answers "runas": the consent stand-in first, with
// Wine's own shell32 behind it for anything else.
void SelectOverrides(const RunOptions& options)
{
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kOverridesKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                        &key, nullptr) != ERROR_SUCCESS)
        throw std::runtime_error("cannot write the program's DLL overrides");
    SetOverride(key, "winspool.drv", options.store == Store::StandIn ? "native" : "builtin");
    if (options.runAs != RunAs::Wine)
        SetOverride(key, "shell32", "native,builtin");
    RegCloseKey(key);
}

void ForgetOverrides()
{
    RegDeleteKeyA(HKEY_CURRENT_USER, kOverridesKey);
    RegDeleteKeyA(HKEY_CURRENT_USER, kProgramKey);
}

// This process's environment with the stand-ins' settings replaced: a store to fail, and a
// declined consent prompt.
std::wstring ChildEnvironment(const RunOptions& options)
{
    const std::pair<std::wstring, std::string> settings[] = {
        {Wide(kFailStoreVariable) + L"=", options.failStore},
        {Wide(kRunAsVariable) + L"=", options.runAs == RunAs::Decline ? "decline" : ""},
    };
    std::wstring block;
    wchar_t* strings = GetEnvironmentStringsW();
    for (const wchar_t* entry = strings; *entry != L'\0'; entry += std::wcslen(entry) + 1)
    {
        bool replaced = false;
        for (const auto& setting : settings)
            replaced =
                replaced || _wcsnicmp(entry, setting.first.c_str(), setting.first.size()) == 0;
        if (replaced)
            continue;
        block += entry;
        block += L'\0';
    }
    FreeEnvironmentStringsW(strings);
    for (const auto& setting : settings)
    {
        if (setting.second.empty())
            continue;
        block += setting.first + Wide(setting.second);
        block += L'\0';
    }
    block += L'\0';
    return block;
}

// Wide, as a property page starts the program, so that a name in any script arrives intact.
std::wstring CommandLine(const std::vector<std::string>& arguments)
{
    std::vector<std::wstring> wide;
    for (const std::string& argument : arguments)
        wide.push_back(Wide(argument));
    return QuoteArgument(Wide(g_toolPath)) + L" " + QuoteArguments(wide);
}

bool IsSettingsDialog(HWND window)
{
    return GetDlgItem(window, IDC_INTERVAL_EDIT) != nullptr;
}
} // namespace

std::string DosPath(const std::string& unixPath)
{
    // Exported by Wine's kernel32 only: the driver runs under Wine by design.
    using DosName = wchar_t*(CDECL*)(const char*);
    const auto toDos = reinterpret_cast<DosName>(reinterpret_cast<void (*)()>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_dos_file_name")));
    wchar_t* dosName = toDos != nullptr ? toDos(unixPath.c_str()) : nullptr;
    if (dosName == nullptr)
        return "";
    const std::string path = Utf8(dosName);
    HeapFree(GetProcessHeap(), 0, dosName);
    return path;
}

bool SetToolPath(const std::string& unixPath)
{
    g_toolPath = DosPath(unixPath);
    return !g_toolPath.empty();
}

std::string BesideTheTool(const std::string& file)
{
    return g_toolPath.substr(0, g_toolPath.find_last_of('\\') + 1) + file;
}

std::vector<DWORD> ChildProcesses(DWORD parent)
{
    std::vector<DWORD> children;
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return children;
    PROCESSENTRY32W entry = {};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot, &entry); more;
         more = Process32NextW(snapshot, &entry))
        if (entry.th32ParentProcessID == parent && entry.th32ProcessID != parent)
            children.push_back(entry.th32ProcessID);
    CloseHandle(snapshot);
    return children;
}

ToolRun::ToolRun(const std::vector<std::string>& arguments, const RunOptions& options)
{
    SelectOverrides(options);
    std::wstring commandLine = CommandLine(arguments);
    std::wstring environment = ChildEnvironment(options);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    BOOL started = FALSE;
    if (options.token == Token::Limited)
    {
        // The driver is elevated, as every plain Wine process; its linked token is not.
        const CKernelHandle token = PrimaryLinkedToken();
        started = token && CreateProcessAsUserW(token.get(), nullptr, commandLine.data(), nullptr,
                                                nullptr, FALSE, CREATE_UNICODE_ENVIRONMENT,
                                                environment.data(), nullptr, &startup, &process);
    }
    else
    {
        started = CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE,
                                 CREATE_UNICODE_ENVIRONMENT, environment.data(), nullptr, &startup,
                                 &process);
    }
    if (!started)
        return;
    CloseHandle(process.hThread);
    m_process = process.hProcess;
    m_processId = process.dwProcessId;
}

ToolRun::~ToolRun()
{
    if (m_process != nullptr)
    {
        // Deepest first, so that none is left to start another; a program that relaunches more
        // than once is a fault to be seen, not to be left running.
        std::vector<DWORD> descendants = Relaunches();
        for (size_t i = 0; i < descendants.size(); ++i)
        {
            const std::vector<DWORD> more = ChildProcesses(descendants[i]);
            descendants.insert(descendants.end(), more.begin(), more.end());
        }
        for (auto it = descendants.rbegin(); it != descendants.rend(); ++it)
        {
            const HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, *it);
            if (process == nullptr)
                continue;
            TerminateProcess(process, kKilledStatus);
            WaitForSingleObject(process, kActionTimeoutMs);
            CloseHandle(process);
        }
        if (Running())
        {
            TerminateProcess(m_process, kKilledStatus);
            WaitForSingleObject(m_process, kActionTimeoutMs);
        }
        CloseHandle(m_process);
    }
    ForgetOverrides();
}

std::vector<DWORD> ToolRun::Relaunches() const
{
    return m_process != nullptr ? ChildProcesses(m_processId) : std::vector<DWORD>();
}

bool ToolRun::Running() const
{
    return m_process != nullptr && WaitForSingleObject(m_process, 0) == WAIT_TIMEOUT;
}

std::vector<HWND> ToolRun::VisibleWindows() const
{
    std::vector<HWND> visible;
    std::vector<HWND> windows = TopLevelWindows(m_processId);
    for (DWORD relaunch : Relaunches())
    {
        const std::vector<HWND> more = TopLevelWindows(relaunch);
        windows.insert(windows.end(), more.begin(), more.end());
    }
    for (HWND window : windows)
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
