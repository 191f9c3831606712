#include "console/Json.h"

#include <windows.h>

#include <vector>

namespace
{
std::vector<WCHAR> ToUtf16(const std::string& text)
{
    if (text.empty())
        return {};
    const int length = static_cast<int>(text.size());
    const int count = MultiByteToWideChar(CP_ACP, 0, text.data(), length, nullptr, 0);
    std::vector<WCHAR> units(count > 0 ? static_cast<size_t>(count) : 0);
    if (count <= 0 ||
        MultiByteToWideChar(CP_ACP, 0, text.data(), length, units.data(), count) != count)
    {
        // Not text in the code page: each byte stands for a character that cannot be shown.
        units.clear();
        for (const char c : text)
            units.push_back(static_cast<unsigned char>(c) < 0x80 ? static_cast<WCHAR>(c) : 0xFFFD);
    }
    return units;
}
} // namespace

std::string JsonString(const std::string& ansiText)
{
    std::string json = "\"";
    for (const WCHAR unit : ToUtf16(ansiText))
    {
        const auto code = static_cast<unsigned>(unit) & 0xFFFF;
        if (code == '"' || code == '\\')
        {
            json += '\\';
            json += static_cast<char>(code);
        }
        else if (code >= 0x20 && code < 0x7F)
        {
            json += static_cast<char>(code);
        }
        else
        {
            // Written digit by digit: a formatted print would link mingw's whole printf.
            json += "\\u";
            for (int shift = 12; shift >= 0; shift -= 4)
                json += "0123456789abcdef"[(code >> shift) & 0xF];
        }
    }
    return json + "\"";
}
