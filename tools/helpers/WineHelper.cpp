// Small jobs in the Wine prefix for tools/wine-prepare.sh and tools/wine-run.sh:
//   winehelper add-queues <queue name>...  adds queues through Wine's own spooler (kept if present)
//   winehelper same-font <face> <face>     exit 0 if both faces select the same font here
//   winehelper neutral-system-fonts        lets the message, caption and menu fonts follow the
//                                          language of each run (their character set becomes
//                                          DEFAULT_CHARSET)
//   winehelper wait-window <title> <ms>    exit 0 once a visible window with that title is up
//                                          and has painted
//   winehelper close-window <title> <ms>   clicks its Cancel button, exit 0 once it is gone
#include "ChildWindows.h"
#include "Queues.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace
{
const DWORD kPollMs = 10;

// Queue names and window titles are taken from the wide command line: the ANSI one loses what
// the current code page cannot hold (a Japanese title in an English run), or by best fit turns a
// name into another.
std::wstring WideArgument(int index)
{
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    std::wstring argument = index < count ? arguments[index] : L"";
    LocalFree(arguments);
    return argument;
}

int AddQueues(int count)
{
    if (const DWORD error = helpers::AddPostScriptDriver())
    {
        std::fprintf(stderr, "winehelper: AddPrinterDriverW failed with error %lu\n", error);
        return 1;
    }
    int status = 0;
    for (int i = 0; i < count; ++i)
        if (const DWORD error = helpers::AddQueue(WideArgument(2 + i)))
        {
            std::fprintf(stderr, "winehelper: AddPrinterW(\"%ls\") failed with error %lu\n",
                         WideArgument(2 + i).c_str(), error);
            status = 1;
        }
    return status;
}

// The full name of the font that GDI selects for a request by name, in the character set of the
// current language. The face name would not do: a replaced font answers with the name asked for.
std::wstring SelectedFont(const char* face)
{
    LOGFONTA request = {};
    request.lfHeight = -12;
    request.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(request.lfFaceName, face, LF_FACESIZE);
    const HFONT font = CreateFontIndirectA(&request);
    const HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ previous = SelectObject(dc, font);
    std::wstring name;
    const UINT size = GetOutlineTextMetricsW(dc, 0, nullptr);
    if (size > 0)
    {
        std::string buffer(size, '\0');
        auto* metrics = reinterpret_cast<OUTLINETEXTMETRICW*>(buffer.data());
        if (GetOutlineTextMetricsW(dc, size, metrics) != 0)
            name = reinterpret_cast<const wchar_t*>(
                buffer.data() + reinterpret_cast<size_t>(metrics->otmpFullName));
    }
    SelectObject(dc, previous);
    DeleteDC(dc);
    DeleteObject(font);
    return name;
}

int SameFont(const char* first, const char* second)
{
    const std::wstring selected = SelectedFont(first);
    return !selected.empty() && selected == SelectedFont(second) ? 0 : 1;
}

int NeutralSystemFonts()
{
    NONCLIENTMETRICSW metrics = {};
    metrics.cbSize = sizeof metrics;
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
        return 1;
    for (LOGFONTW* font : {&metrics.lfCaptionFont, &metrics.lfSmCaptionFont, &metrics.lfMenuFont,
                           &metrics.lfStatusFont, &metrics.lfMessageFont})
        font->lfCharSet = DEFAULT_CHARSET;
    return SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, sizeof metrics, &metrics,
                                 SPIF_UPDATEINIFILE | SPIF_SENDCHANGE)
               ? 0
               : 1;
}

HWND FindVisibleWindow(const std::wstring& title)
{
    const HWND window = FindWindowW(nullptr, title.c_str());
    return window != nullptr && IsWindowVisible(window) ? window : nullptr;
}

int WaitWindow(const char* title, DWORD timeoutMs)
{
    const std::wstring wideTitle = WideArgument(2);
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    HWND window = nullptr;
    while ((window = FindVisibleWindow(wideTitle)) == nullptr)
    {
        if (GetTickCount64() >= end)
        {
            std::fprintf(stderr, "winehelper: no window \"%s\" within %lu ms\n", title, timeoutMs);
            return 1;
        }
        Sleep(kPollMs);
    }
    WaitUntilPainted(window);
    return 0;
}

int CloseWindow(const char* title, DWORD timeoutMs)
{
    const HWND window = FindWindowW(nullptr, WideArgument(2).c_str());
    if (window == nullptr)
        return 0;
    const HWND cancel = GetDlgItem(window, IDCANCEL);
    if (cancel != nullptr)
        PostMessageA(cancel, BM_CLICK, 0, 0);
    else
        PostMessageA(window, WM_CLOSE, 0, 0);
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    while (IsWindow(window))
    {
        if (GetTickCount64() >= end)
        {
            std::fprintf(stderr, "winehelper: \"%s\" still open after %lu ms\n", title, timeoutMs);
            return 1;
        }
        Sleep(kPollMs);
    }
    return 0;
}

int Usage()
{
    std::fprintf(stderr, "usage: winehelper add-queues <queue>... | same-font <face> <face> |\n"
                         "       neutral-system-fonts | wait-window <title> <ms> |\n"
                         "       close-window <title> <ms>\n");
    return 2;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return Usage();
    const std::string command = argv[1];
    if (command == "add-queues" && argc >= 3)
        return AddQueues(argc - 2);
    if (command == "same-font" && argc == 4)
        return SameFont(argv[2], argv[3]);
    if (command == "neutral-system-fonts" && argc == 2)
        return NeutralSystemFonts();
    if (command == "wait-window" && argc == 4)
        return WaitWindow(argv[2], std::strtoul(argv[3], nullptr, 10));
    if (command == "close-window" && argc == 4)
        return CloseWindow(argv[2], std::strtoul(argv[3], nullptr, 10));
    return Usage();
}
