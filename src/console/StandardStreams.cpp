#include "console/StandardStreams.h"

#include "console/CodePageText.h"

#include <windows.h>

namespace
{
// The character's bytes in the code page when they read back as exactly that character: best-fit
// look-alikes and the default character are refused.
std::optional<std::string> InCodePage(UINT codePage, const std::wstring& character)
{
    const int units = static_cast<int>(character.size());
    char bytes[16];
    int length = WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, character.data(), units, bytes,
                                     sizeof bytes, nullptr, nullptr);
    // Some code pages (UTF-8, GB18030, the ISO-2022 ones among them) refuse the flag; the round
    // trip below keeps look-alikes out there too.
    if (length <= 0 && GetLastError() == ERROR_INVALID_FLAGS)
        length = WideCharToMultiByte(codePage, 0, character.data(), units, bytes, sizeof bytes,
                                     nullptr, nullptr);
    if (length <= 0)
        return std::nullopt;
    WCHAR back[4];
    const int backLength = MultiByteToWideChar(codePage, 0, bytes, length, back, 4);
    if (backLength != units || std::wstring(back, back + backLength) != character)
        return std::nullopt;
    return std::string(bytes, bytes + length);
}

void WriteBytes(HANDLE handle, const std::string& bytes)
{
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
} // namespace

void CStandardStreams::Write(ConsoleStream stream, const std::wstring& text)
{
    const HANDLE handle =
        GetStdHandle(stream == ConsoleStream::kError ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE || text.empty())
        return;
    DWORD mode = 0;
    if (GetConsoleMode(handle, &mode))
    {
        DWORD written = 0;
        WriteConsoleW(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
        return;
    }
    std::wstring lines;
    for (const wchar_t c : text)
    {
        if (c == L'\n')
            lines += L'\r';
        lines += c;
    }
    const UINT consolePage = GetConsoleOutputCP();
    const UINT codePage = consolePage != 0 ? consolePage : GetACP();
    WriteBytes(handle, ToCodePageText(lines, [codePage](const std::wstring& character) {
                   return InCodePage(codePage, character);
               }));
}
