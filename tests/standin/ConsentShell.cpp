// A stand-in for the shell's ShellExecuteExW, for runs under Wine only. Wine never filters a token
// and its "runas" starts the program unchanged, so the consent prompt is played here: a process
// started with a limited token (see the end-to-end driver) gets its child started with its linked
// full token, as consent gives it on Windows. Loaded only by runs that ask for it
// (shell32=n,b in the program's DllOverrides); without it Wine's own shell answers.
//
// SETTINGTOOL_RUNAS=decline plays a declined prompt: no process, ERROR_CANCELLED.
// Any verb starts "<lpFile>" <lpParameters>, the command line that Wine's shell writes; only
// "runas" changes the token.
#include "LinkedToken.h"

#include <windows.h>

#include <shellapi.h>

#include <string>

namespace
{
const wchar_t kModeVariable[] = L"SETTINGTOOL_RUNAS";

bool DeclineAsked()
{
    wchar_t mode[16] = L"";
    const DWORD length = GetEnvironmentVariableW(kModeVariable, mode, ARRAYSIZE(mode));
    return length > 0 && length < ARRAYSIZE(mode) && lstrcmpiW(mode, L"decline") == 0;
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
    std::wstring commandLine = L"\"" + std::wstring(info->lpFile) + L"\"";
    if (info->lpParameters != nullptr && *info->lpParameters != L'\0')
        commandLine += L" " + std::wstring(info->lpParameters);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(info->nShow);
    PROCESS_INFORMATION process = {};
    BOOL started = FALSE;
    if (runAs)
    {
        const CKernelHandle token = PrimaryLinkedToken();
        started = token &&
                  CreateProcessAsUserW(token.get(), nullptr, commandLine.data(), nullptr, nullptr,
                                       FALSE, 0, nullptr, info->lpDirectory, &startup, &process);
    }
    else
    {
        started = CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                 info->lpDirectory, &startup, &process);
    }
    if (!started)
        return Fail(info, GetLastError());
    CloseHandle(process.hThread);
    if ((info->fMask & SEE_MASK_NOCLOSEPROCESS) != 0)
        info->hProcess = process.hProcess;
    else
        CloseHandle(process.hProcess);
    info->hInstApp = reinterpret_cast<HINSTANCE>(33); // above 32: success
    return TRUE;
}
