// kernel32 text stand-ins. The program's ANSI text here is UTF-8 (the resource strings are), so
// conversion decodes UTF-8; a byte that starts no valid sequence becomes U+FFFD, as Windows
// replaces characters that do not exist in the code page.
#include "host_text.h"

#include <windows.h>

#include <algorithm>
#include <vector>

namespace
{
const char32_t kReplacement = 0xFFFD;

// The code point starting at text[i], and how many bytes it takes.
char32_t Decode(const unsigned char* text, size_t length, size_t i, size_t& used)
{
    const unsigned char lead = text[i];
    used = 1;
    if (lead < 0x80)
        return lead;
    size_t extra = 0;
    char32_t value = 0;
    char32_t smallest = 0;
    if ((lead & 0xE0) == 0xC0)
        extra = 1, value = lead & 0x1F, smallest = 0x80;
    else if ((lead & 0xF0) == 0xE0)
        extra = 2, value = lead & 0x0F, smallest = 0x800;
    else if ((lead & 0xF8) == 0xF0)
        extra = 3, value = lead & 0x07, smallest = 0x10000;
    else
        return kReplacement;
    if (i + extra >= length)
        return kReplacement;
    for (size_t k = 1; k <= extra; ++k)
    {
        if ((text[i + k] & 0xC0) != 0x80)
            return kReplacement;
        value = value << 6 | (text[i + k] & 0x3F);
    }
    if (value < smallest || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        return kReplacement;
    used = extra + 1;
    return value;
}
} // namespace

int WINAPI MultiByteToWideChar(UINT codePage, DWORD, LPCSTR text, int length, LPWSTR wide,
                               int wideLength)
{
    if (codePage != CP_ACP || text == nullptr || length < -1 || wideLength < 0 ||
        (wideLength > 0 && wide == nullptr))
    {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    const auto* bytes = reinterpret_cast<const unsigned char*>(text);
    // With -1 the terminating zero is converted too, and counted.
    size_t count = 0;
    if (length == -1)
        while (bytes[count++] != 0)
            ;
    else
        count = static_cast<size_t>(length);
    std::vector<WCHAR> units;
    for (size_t i = 0; i < count;)
    {
        size_t used = 0;
        const char32_t point = Decode(bytes, count, i, used);
        i += used;
        if (point >= 0x10000)
        {
            units.push_back(static_cast<WCHAR>(0xD800 + ((point - 0x10000) >> 10)));
            units.push_back(static_cast<WCHAR>(0xDC00 + ((point - 0x10000) & 0x3FF)));
        }
        else
        {
            units.push_back(static_cast<WCHAR>(point));
        }
    }
    if (wideLength == 0)
        return static_cast<int>(units.size());
    if (units.size() > static_cast<size_t>(wideLength))
    {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    std::copy(units.begin(), units.end(), wide);
    return static_cast<int>(units.size());
}

std::wstring host::text::Utf16(std::u16string_view text)
{
    return std::wstring(text.begin(), text.end());
}

std::wstring host::text::FromAnsi(std::string_view text)
{
    if (text.empty())
        return std::wstring();
    const int length = static_cast<int>(text.size());
    std::wstring wide(
        static_cast<size_t>(MultiByteToWideChar(CP_ACP, 0, text.data(), length, nullptr, 0)),
        L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), length, wide.data(), static_cast<int>(wide.size()));
    return wide;
}

std::string host::text::ToAnsi(std::wstring_view text)
{
    std::string bytes;
    for (size_t i = 0; i < text.size(); ++i)
    {
        char32_t point = static_cast<char32_t>(text[i]);
        const bool high = point >= 0xD800 && point <= 0xDBFF;
        const bool low = point >= 0xDC00 && point <= 0xDFFF;
        if (high && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF)
            point =
                0x10000 + ((point - 0xD800) << 10) + (static_cast<char32_t>(text[++i]) - 0xDC00);
        else if (high || low || point > 0x10FFFF)
            point = kReplacement;
        if (point < 0x80)
            bytes += static_cast<char>(point);
        else if (point < 0x800)
            bytes +=
                {static_cast<char>(0xC0 | point >> 6), static_cast<char>(0x80 | (point & 0x3F))};
        else if (point < 0x10000)
            bytes += {static_cast<char>(0xE0 | point >> 12),
                      static_cast<char>(0x80 | (point >> 6 & 0x3F)),
                      static_cast<char>(0x80 | (point & 0x3F))};
        else
            bytes += {static_cast<char>(0xF0 | point >> 18),
                      static_cast<char>(0x80 | (point >> 12 & 0x3F)),
                      static_cast<char>(0x80 | (point >> 6 & 0x3F)),
                      static_cast<char>(0x80 | (point & 0x3F))};
    }
    return bytes;
}
