// Process entry of a Windows program built on the framework. The wide entry (linked with
// -municode) has the runtime split the UTF-16 command line, by its usual rules, into __wargv.
#include "framework/DpiAwareness.h"
#include "framework/WinApp.h"
#include "system/SystemLibrary.h"

#include <cstdlib>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int)
{
    RestrictDllSearchToSystemFolder();
    DeclareDpiAwareness();
    CWinApp* app = AfxGetApp();
    if (app == nullptr)
        return 1;
    app->SetCommandLine(__argc, __wargv);
    app->InitInstance();
    return app->ExitInstance();
}
