#include "console/CodePageText.h"

#include "console/Json.h"

namespace
{
bool IsHighSurrogate(wchar_t unit)
{
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool IsLowSurrogate(wchar_t unit)
{
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

std::string Escaped(const std::wstring& character)
{
    std::string text;
    for (const wchar_t unit : character)
        text += EscapedUnit(unit);
    return text;
}
} // namespace

std::string ToCodePageText(const std::wstring& text, const CharacterInCodePage& convert)
{
    std::string bytes;
    for (size_t i = 0; i < text.size();)
    {
        const size_t length =
            IsHighSurrogate(text[i]) && i + 1 < text.size() && IsLowSurrogate(text[i + 1]) ? 2 : 1;
        const std::wstring character = text.substr(i, length);
        const std::optional<std::string> converted = convert(character);
        bytes += converted ? *converted : Escaped(character);
        i += length;
    }
    return bytes;
}
