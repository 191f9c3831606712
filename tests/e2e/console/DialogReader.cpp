// Shows what the settings dialog displays for a queue, for the console program's end-to-end run:
//   dialog-reader <path of SettingTool.exe> <queue>
// starts the dialog for the queue, prints "enable=<0|1> interval=<text> timeout=<text>" as its
// boxes show them, and closes it with Cancel. Exit status 0 once the dialog has ended as
// cancelled, 1 when it did not appear or end.
#include "resource.h"

#include <windows.h>

#include <cstdio>
#include <string>

namespace
{
const DWORD kPollMs = 20;
const DWORD kAppearMs = 20000;
const DWORD kEndMs = 10000;

struct Search
{
    DWORD processId;
    HWND dialog;
};

BOOL CALLBACK FindDialog(HWND window, LPARAM parameter)
{
    auto* search = reinterpret_cast<Search*>(parameter);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (processId != search->processId || !IsWindowVisible(window) ||
        GetDlgItem(window, IDC_TIMEOUT_EDIT) == nullptr)
        return TRUE;
    search->dialog = window;
    return FALSE;
}

// Another process's edit box answers WM_GETTEXT, not GetWindowTextA.
std::string BoxText(HWND dialog, int id)
{
    char text[256] = {};
    SendMessageA(GetDlgItem(dialog, id), WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc != 3)
    {
        std::fprintf(stderr, "usage: dialog-reader <SettingTool.exe> <queue>\n");
        return 2;
    }
    std::string commandLine = std::string("\"") + argv[1] + "\" driver \"" + argv[2] + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
    {
        std::fprintf(stderr, "dialog-reader: cannot start %s (error %lu)\n", argv[1],
                     GetLastError());
        return 1;
    }
    Search search = {process.dwProcessId, nullptr};
    for (DWORD waited = 0; search.dialog == nullptr && waited < kAppearMs; waited += kPollMs)
    {
        Sleep(kPollMs);
        EnumWindows(FindDialog, reinterpret_cast<LPARAM>(&search));
    }
    DWORD exitCode = STILL_ACTIVE;
    if (search.dialog != nullptr)
    {
        const HWND enable = GetDlgItem(search.dialog, IDC_BACKGROUND_ENABLE);
        const bool checked = SendMessageA(enable, BM_GETCHECK, 0, 0) == BST_CHECKED;
        std::printf("enable=%d interval=%s timeout=%s\n", checked ? 1 : 0,
                    BoxText(search.dialog, IDC_INTERVAL_EDIT).c_str(),
                    BoxText(search.dialog, IDC_TIMEOUT_EDIT).c_str());
        std::fflush(stdout);
        SendMessageA(GetDlgItem(search.dialog, IDCANCEL), BM_CLICK, 0, 0);
        WaitForSingleObject(process.hProcess, kEndMs);
        GetExitCodeProcess(process.hProcess, &exitCode);
    }
    else
    {
        std::fprintf(stderr, "dialog-reader: no dialog appeared\n");
        TerminateProcess(process.hProcess, 1);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return exitCode == 1 ? 0 : 1;
}
