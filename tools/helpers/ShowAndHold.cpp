// Screenshot helper: starts a program, waits for its window and keeps it on screen while a
// picture is taken from outside.
//   show-and-hold.exe [--ok | --busy] <command line>
// Prints the screen rectangle "<left> <top> <width> <height>" of the program's first visible
// window, or with --ok presses that window's OK button and prints the rectangle of the next
// window it shows (a message box), or with --busy presses OK and prints the window's rectangle
// once its caption has changed (the spooler being restarted). Then waits for a line on standard
// input, closes the program's windows and exits with the program's exit status.
#include "ChildWindows.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace
{
// Longer than the spooler restart that a pressed OK may start before a warning appears.
const DWORD kShowTimeoutMs = 60000;
const DWORD kCloseTimeoutMs = 10000;

// The window once its caption is no longer caption; null if that takes longer than timeoutMs.
HWND WaitForCaptionChange(HWND window, const char* caption, DWORD timeoutMs)
{
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    char now[256] = "";
    while (GetWindowTextA(window, now, sizeof now) > 0 && std::strcmp(now, caption) == 0)
    {
        if (GetTickCount64() >= deadline)
            return nullptr;
        Sleep(5);
    }
    return IsWindowVisible(window) ? window : nullptr;
}
} // namespace

int main(int argc, char** argv)
{
    const bool pressOk = argc > 1 && std::strcmp(argv[1], "--ok") == 0;
    const bool busy = argc > 1 && std::strcmp(argv[1], "--busy") == 0;
    const int first = pressOk || busy ? 2 : 1;
    if (argc != first + 1)
    {
        std::fprintf(stderr, "usage: show-and-hold [--ok | --busy] <command line>\n");
        return 2;
    }
    CChild child;
    if (!child.Start(argv[first]))
    {
        std::fprintf(stderr, "show-and-hold: cannot start %s (error %lu)\n", argv[first],
                     GetLastError());
        return 2;
    }
    HWND window = child.WaitForWindow(nullptr, kShowTimeoutMs);
    if (window != nullptr && (pressOk || busy))
    {
        const HWND dialog = window;
        char caption[256] = "";
        GetWindowTextA(dialog, caption, sizeof caption);
        // Posted: the program answers the click with a restart, then perhaps a message box.
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
        if (pressOk)
            window = child.WaitForWindow(dialog, kShowTimeoutMs);
        else
            window = WaitForCaptionChange(dialog, caption, kShowTimeoutMs);
    }
    int status = 0;
    if (window == nullptr)
    {
        std::fprintf(stderr, "show-and-hold: no window appeared\n");
        status = 2;
    }
    else
    {
        WaitUntilPainted(window);
        RECT rect;
        GetWindowRect(window, &rect);
        std::printf("%ld %ld %ld %ld\n", rect.left, rect.top, rect.right - rect.left,
                    rect.bottom - rect.top);
        std::fflush(stdout);
        char line[16];
        std::fgets(line, sizeof line, stdin);
    }
    child.CloseAndWait(kCloseTimeoutMs);
    return status != 0 ? status : static_cast<int>(child.ExitCode());
}
