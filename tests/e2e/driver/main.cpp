// The end-to-end driver:
//   e2e_driver --tool=<SettingTool.exe> [--language=en|ja] [--planted=<marker winspool.drv>]
// with Unix paths.
// Run under Wine in the prepared prefix (tools/wine-prepare.sh), on a display.
#include "Prefix.h"
#include "Session.h"
#include "ToolRun.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace
{
// A wineserver still running from a command without a display (or with one that has gone) makes
// every window of later programs fail; that is better said at once than found in each case.
bool WindowsCanBeShown()
{
    const HWND probe = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                       nullptr, nullptr);
    if (probe == nullptr)
        return false;
    DestroyWindow(probe);
    return true;
}
} // namespace

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    std::string tool;
    std::string language = "en";
    for (int i = 1; i < argc; ++i)
    {
        if (std::strncmp(argv[i], "--tool=", 7) == 0)
            tool = argv[i] + 7;
        else if (std::strncmp(argv[i], "--language=", 11) == 0)
            language = argv[i] + 11;
        else if (std::strncmp(argv[i], "--planted=", 10) == 0)
            e2e::g_plantedLibrary = e2e::DosPath(argv[i] + 10);
    }
    if (tool.empty() || !e2e::SelectLanguage(language))
    {
        std::fprintf(stderr, "usage: e2e_driver --tool=<SettingTool.exe> [--language=en|ja] "
                             "[--planted=<winspool.drv>]\n");
        return 2;
    }
    if (!e2e::QueueExists(e2e::kTestQueue))
    {
        std::fprintf(stderr,
                     "e2e_driver: no queue \"%s\" in this prefix: run tools/wine-prepare.sh\n",
                     e2e::kTestQueue);
        return 2;
    }
    if (!WindowsCanBeShown())
    {
        std::fprintf(stderr, "e2e_driver: windows cannot be shown: no display, or a wineserver "
                             "started without one is still running (wineserver -w, then retry)\n");
        return 2;
    }
    if (!e2e::SetToolPath(tool))
    {
        std::fprintf(stderr, "e2e_driver: %s has no Windows name here (not under Wine?)\n",
                     tool.c_str());
        return 2;
    }
    return RUN_ALL_TESTS();
}
