// Process entry of a Windows program built on the framework.
#include "framework/WinApp.h"

#include <cstdlib>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    CWinApp* app = AfxGetApp();
    if (app == nullptr)
        return 1;
    app->SetCommandLine(__argc, __argv);
    app->InitInstance();
    return app->ExitInstance();
}
