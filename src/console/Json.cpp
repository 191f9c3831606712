#include "console/Json.h"

#include <cstdio>

std::string EscapedUnit(wchar_t unit)
{
    char escape[8];
    std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(unit) & 0xFFFF);
    return escape;
}

std::string JsonString(const std::wstring& text)
{
    std::string json = "\"";
    for (const wchar_t unit : text)
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
            json += EscapedUnit(unit);
        }
    }
    return json + "\"";
}
