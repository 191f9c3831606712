// Measures how long programs take from being started to showing a visible window:
//   startup-watch.exe <rounds> <command line>...
// Each round starts every command once, in an order that rotates from round to round, and
// prints one line per start: "<round> <command index> <milliseconds>". A first round warms the
// file cache and is not printed. Each program is closed (Cancel) and waited for before the next
// starts.
#include "ChildWindows.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace
{
const DWORD kShowTimeoutMs = 20000;
const DWORD kCloseTimeoutMs = 10000;

// Milliseconds from start to a visible window, or a negative value when none appeared.
double TimeStartup(const std::string& commandLine, const LARGE_INTEGER& frequency)
{
    CChild child;
    LARGE_INTEGER started;
    QueryPerformanceCounter(&started);
    if (!child.Start(commandLine))
    {
        std::fprintf(stderr, "startup-watch: cannot start %s (error %lu)\n", commandLine.c_str(),
                     GetLastError());
        return -1.0;
    }
    const HWND window = child.WaitForWindow(nullptr, kShowTimeoutMs);
    LARGE_INTEGER shown;
    QueryPerformanceCounter(&shown);
    if (!child.CloseAndWait(kCloseTimeoutMs))
        std::fprintf(stderr, "startup-watch: %s did not close; ended it\n", commandLine.c_str());
    if (window == nullptr)
    {
        std::fprintf(stderr, "startup-watch: %s showed no window\n", commandLine.c_str());
        return -1.0;
    }
    return double(shown.QuadPart - started.QuadPart) * 1000.0 / double(frequency.QuadPart);
}
} // namespace

int main(int argc, char** argv)
{
    const int rounds = argc > 2 ? std::atoi(argv[1]) : 0;
    if (rounds < 1)
    {
        std::fprintf(stderr, "usage: startup-watch <rounds> <command line>...\n");
        return 2;
    }
    const std::vector<std::string> commands(argv + 2, argv + argc);
    const int count = static_cast<int>(commands.size());
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    for (int round = 0; round <= rounds; ++round)
    {
        for (int step = 0; step < count; ++step)
        {
            const int index = (round + step) % count;
            const double milliseconds = TimeStartup(commands[index], frequency);
            if (milliseconds < 0.0)
                return 1;
            if (round > 0)
            {
                std::printf("%d %d %.3f\n", round, index, milliseconds);
                std::fflush(stdout);
            }
        }
    }
    return 0;
}
