// Starting a program as a child process, finding its visible top-level windows and closing them.
// Shared by the start-up watcher and the screenshot helper.
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
