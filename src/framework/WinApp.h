#pragma once

#include <windows.h>

class CWnd;

// The application object. One exists per process; the entry point calls InitInstance once and
// ends the process with ExitInstance's result. There is no message loop: dialog programs do all
// their work inside InitInstance.
class CWinApp
{
  public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual BOOL InitInstance() { return FALSE; }
    virtual int ExitInstance() { return 0; }

    // The runtime library's split of the wide command line, program name first; the arguments
    // stay UTF-16, so a queue name outside the ANSI code page arrives intact.
    void SetCommandLine(int argc, wchar_t** argv);

    CWnd* m_pMainWnd = nullptr;

  protected:
    int m_argc = 0;
    wchar_t** m_argv = nullptr;
};

// The one application object, or null outside its lifetime; not owned by the caller.
CWinApp* AfxGetApp();
// The module that holds the program's resources.
HINSTANCE AfxGetInstanceHandle();
