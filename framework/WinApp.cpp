#include "WinApp.h"

namespace
{
CWinApp* g_pApp = nullptr;
}

CWinApp::CWinApp(const char*)
{
    g_pApp = this;
}

CWinApp::~CWinApp()
{
    if (g_pApp == this)
        g_pApp = nullptr;
}

void CWinApp::SetCommandLine(int argc, char** argv)
{
    m_argc = argc;
    m_argv = argv;
}

CWinApp* AfxGetApp()
{
    return g_pApp;
}

HINSTANCE AfxGetInstanceHandle()
{
    return GetModuleHandleA(nullptr);
}

std::string LoadResourceString(UINT id)
{
    // Far larger than any message of the program; LoadStringA truncates a longer one safely.
    char buffer[2048];
    const int length = LoadStringA(AfxGetInstanceHandle(), id, buffer, sizeof buffer);
    return std::string(buffer, length > 0 ? static_cast<size_t>(length) : 0);
}
