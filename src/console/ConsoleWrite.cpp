// Windows: the program's strings are ANSI (LoadStringA); a console shows them as characters,
// while a file or pipe gets them in the console's code page, as other console programs write.
#include "console/ConsoleWrite.h"

#include <windows.h>

#include <vector>

namespace
{
std::vector<WCHAR> Widen(const std::string& text)
{
    const int length = static_cast<int>(text.size());
    const int count = MultiByteToWideChar(CP_ACP, 0, text.data(), length, nullptr, 0);
    std::vector<WCHAR> wide(count > 0 ? static_cast<size_t>(count) : 0);
    if (count > 0)
        MultiByteToWideChar(CP_ACP, 0, text.data(), length, wide.data(), count);
    return wide;
}

std::string Narrow(const std::vector<WCHAR>& wide, UINT codePage)
{
    const int length = static_cast<int>(wide.size());
    const int count =
        WideCharToMultiByte(codePage, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
    std::string text(count > 0 ? static_cast<size_t>(count) : 0, '\0');
    if (count > 0)
        WideCharToMultiByte(codePage, 0, wide.data(), length, &text[0], count, nullptr, nullptr);
    return text;
}
} // namespace

void WriteToConsole(ConsoleStream stream, const std::string& text)
{
    const HANDLE handle =
        GetStdHandle(stream == ConsoleStream::kError ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE || text.empty())
        return;
    const std::vector<WCHAR> wide = Widen(text);
    DWORD mode = 0;
    if (GetConsoleMode(handle, &mode))
    {
        DWORD written = 0;
        WriteConsoleW(handle, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
        return;
    }
    std::vector<WCHAR> lines;
    for (const WCHAR c : wide)
    {
        if (c == L'\n')
            lines.push_back(L'\r');
        lines.push_back(c);
    }
    const UINT consolePage = GetConsoleOutputCP();
    const std::string bytes = Narrow(lines, consolePage != 0 ? consolePage : CP_ACP);
    for (size_t done = 0; done < bytes.size();)
    {
        DWORD written = 0;
        if (!WriteFile(handle, bytes.data() + done, static_cast<DWORD>(bytes.size() - done),
                       &written, nullptr) ||
            written == 0)
            return;
        done += written;
    }
}
