// A stand-in for the shell's ShellExecuteExW, for runs under Wine only. Wine never filters a token
// and its "runas" starts the program unchanged, so the consent prompt is played here: a process
// started with a limited token (see the end-to-end driver) gets its child started with its linked
// full token, as consent gives it on Windows. Loaded only by runs that ask for it
// (shell32=n,b in the program's DllOverrides); without it Wine's own shell answers.
//
// SETTINGTOOL_RUNAS=decline plays a declined prompt: no process, ERROR_CANCELLED.
// Any verb starts "<lpFile>" <lpParameters>, the command line that Wine's shell writes; only
// "runas" changes the token.
#include <windows.h>

#include <shellapi.h>

#include <string>

namespace
{
const wchar_t kModeVariable[] = L"SETTINGTOOL_RUNAS";

class Handle
{
  public:
    Handle() = default;
    ~Handle()
    {
        if (m_handle != nullptr)
            CloseHandle(m_handle);
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    HANDLE* Receive() { return &m_handle; }
    HANDLE Get() const { return m_handle; }

  private:
    HANDLE m_handle = nullptr;
};

bool DeclineAsked()
{
    wchar_t mode[16] = L"";
    const DWORD length = GetEnvironmentVariableW(kModeVariable, mode, ARRAYSIZE(mode));
    return length > 0 && length < ARRAYSIZE(mode) && lstrcmpiW(mode, L"decline") == 0;
}

// A primary token for the child: the linked (full) token of this process's own for "runas",
// else a copy of this process's own.
bool ChildToken(bool elevate, Handle& token)
{
    Handle own;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY | TOKEN_DUPLICATE, own.Receive()))
        return false;
    HANDLE source = own.Get();
    TOKEN_LINKED_TOKEN linked = {};
    DWORD size = 0;
    if (elevate)
    {
        if (!GetTokenInformation(own.Get(), TokenLinkedToken, &linked, sizeof linked, &size))
            return false;
        source = linked.LinkedToken;
    }
    const BOOL duplicated = DuplicateTokenEx(source, TOKEN_ALL_ACCESS, nullptr,
                                             SecurityImpersonation, TokenPrimary, token.Receive());
    if (linked.LinkedToken != nullptr)
        CloseHandle(linked.LinkedToken);
    return duplicated != FALSE;
}

BOOL Fail(SHELLEXECUTEINFOW* info, DWORD error)
{
    info->hInstApp = reinterpret_cast<HINSTANCE>(SE_ERR_ACCESSDENIED);
    SetLastError(error);
    return FALSE;
}
} // namespace

// Exported as ShellExecuteExW (see shell32.def); its own name keeps clear of the header's import
// declaration.
extern "C" BOOL WINAPI StandInShellExecuteExW(SHELLEXECUTEINFOW* info)
{
    if (info == nullptr || info->cbSize != sizeof *info || info->lpFile == nullptr)
    {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    info->hProcess = nullptr;
    const bool runAs = info->lpVerb != nullptr && lstrcmpiW(info->lpVerb, L"runas") == 0;
    if (runAs && DeclineAsked())
        return Fail(info, ERROR_CANCELLED);
    Handle token;
    if (!ChildToken(runAs, token))
        return Fail(info, GetLastError());
    std::wstring commandLine = L"\"" + std::wstring(info->lpFile) + L"\"";
    if (info->lpParameters != nullptr && *info->lpParameters != L'\0')
        commandLine += L" " + std::wstring(info->lpParameters);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(info->nShow);
    PROCESS_INFORMATION process = {};
    if (!CreateProcessAsUserW(token.Get(), nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0,
                              nullptr, info->lpDirectory, &startup, &process))
        return Fail(info, GetLastError());
    CloseHandle(process.hThread);
    if ((info->fMask & SEE_MASK_NOCLOSEPROCESS) != 0)
        info->hProcess = process.hProcess;
    else
        CloseHandle(process.hProcess);
    info->hInstApp = reinterpret_cast<HINSTANCE>(33); // above 32: success
    return TRUE;
}
