#include "ChildWindows.h"

#include <vector>

namespace
{
// Short enough not to blur a start-up of about 100 ms, long enough not to load the wineserver.
const DWORD kPollMs = 1;
const DWORD kExitPollMs = 50;
const UINT kReplyTimeoutMs = 5000;

struct Search
{
    DWORD processId;
    HWND except;
    HWND found;
};

BOOL CALLBACK Visit(HWND window, LPARAM lParam)
{
    auto* search = reinterpret_cast<Search*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId || window == search->except || !IsWindowVisible(window))
        return TRUE;
    search->found = window;
    return FALSE;
}
} // namespace

HWND FindVisibleWindow(DWORD processId, HWND except)
{
    Search search = {processId, except, nullptr};
    EnumWindows(Visit, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void WaitUntilPainted(HWND window)
{
    // RDW_UPDATENOW sends the paint messages to the window and each control and returns when
    // they have been handled; the rounds catch what the first painting queued in turn.
    for (int i = 0; i < 3; ++i)
    {
        DWORD_PTR reply = 0;
        SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, kReplyTimeoutMs, &reply);
        RedrawWindow(window, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
    }
}

CChild::~CChild()
{
    if (m_process.hThread != nullptr)
        CloseHandle(m_process.hThread);
    if (m_process.hProcess != nullptr)
        CloseHandle(m_process.hProcess);
}

bool CChild::Start(const std::string& commandLine)
{
    // CreateProcessA may write into the command line.
    std::vector<char> buffer(commandLine.begin(), commandLine.end());
    buffer.push_back('\0');
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    return CreateProcessA(nullptr, buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &m_process) != FALSE;
}

HWND CChild::WaitForWindow(HWND except, DWORD timeoutMs) const
{
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;)
    {
        const HWND window = FindVisibleWindow(m_process.dwProcessId, except);
        if (window != nullptr)
            return window;
        if (GetTickCount64() >= deadline)
            return nullptr;
        if (WaitForSingleObject(m_process.hProcess, kPollMs) == WAIT_OBJECT_0)
            return nullptr;
    }
}

bool CChild::CloseAndWait(DWORD timeoutMs)
{
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    while (WaitForSingleObject(m_process.hProcess, 0) != WAIT_OBJECT_0)
    {
        if (GetTickCount64() >= deadline)
        {
            TerminateProcess(m_process.hProcess, 255);
            WaitForSingleObject(m_process.hProcess, INFINITE);
            return false;
        }
        // A message box above the dialog is the topmost, so it is cancelled first.
        const HWND window = FindVisibleWindow(m_process.dwProcessId, nullptr);
        if (window != nullptr)
            PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
        WaitForSingleObject(m_process.hProcess, kExitPollMs);
    }
    return true;
}

DWORD CChild::ExitCode() const
{
    DWORD code = 0;
    GetExitCodeProcess(m_process.hProcess, &code);
    return code;
}
