// Starting a program as a child process, finding its visible top-level windows, waiting until
// they have painted and closing them. Shared by the start-up watcher, the screenshot helper and
// winehelper.
#pragma once

#include <windows.h>

#include <string>

class CChild
{
  public:
    CChild() = default;
    ~CChild();
    CChild(const CChild&) = delete;
    CChild& operator=(const CChild&) = delete;

    bool Start(const std::string& commandLine);
    // Polls until the process shows a visible top-level window other than except; nullptr when
    // the process ends first or timeoutMs passes.
    HWND WaitForWindow(HWND except, DWORD timeoutMs) const;
    // Cancels the topmost visible window until the process ends; ends it by force when that
    // takes longer than timeoutMs. False when it had to be ended by force.
    bool CloseAndWait(DWORD timeoutMs);
    DWORD ExitCode() const;

  private:
    PROCESS_INFORMATION m_process = {};
};

// The visible top-level window of process id highest in the z-order, other than except.
HWND FindVisibleWindow(DWORD processId, HWND except);

// Returns once the thread of window (of any process) has handled everything queued before and
// has painted the window with all its controls. A window is visible before it has painted, so a
// picture taken as soon as it shows can hold half a dialog.
void WaitUntilPainted(HWND window);
