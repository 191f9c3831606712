#include "host_text.h"

std::wstring host::text::Utf16(std::u16string_view text)
{
    return std::wstring(text.begin(), text.end());
}

std::wstring host::text::FromAnsi(std::string_view text)
{
    std::wstring wide;
    for (size_t i = 0; i < text.size();)
    {
        // The lead byte says how many continuation bytes follow and holds the top bits.
        const auto lead = static_cast<unsigned char>(text[i++]);
        const int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
        char32_t point = extra == 0 ? lead : lead & (0x3F >> extra);
        for (int k = 0; k < extra && i < text.size(); ++k)
            point = point << 6 | (text[i++] & 0x3F);
        if (point >= 0x10000)
            wide += {wchar_t(0xD800 + ((point - 0x10000) >> 10)),
                     wchar_t(0xDC00 + ((point - 0x10000) & 0x3FF))};
        else
            wide += wchar_t(point);
    }
    return wide;
}

std::string host::text::ToAnsi(std::wstring_view text)
{
    std::string bytes;
    for (size_t i = 0; i < text.size(); ++i)
    {
        char32_t point = static_cast<char32_t>(text[i]);
        const bool high = point >= 0xD800 && point <= 0xDBFF;
        if (high && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF)
            point = 0x10000 + ((point - 0xD800) << 10) + (char32_t(text[++i]) - 0xDC00);
        else if (point >= 0xD800 && point <= 0xDFFF)
            point = 0xFFFD;
        const int extra = point < 0x80 ? 0 : point < 0x800 ? 1 : point < 0x10000 ? 2 : 3;
        // The lead byte: the point itself, or 110..., 1110..., 11110... with its top bits.
        bytes +=
            static_cast<char>(extra == 0 ? point : (0xFF << (7 - extra)) | point >> (6 * extra));
        for (int k = extra - 1; k >= 0; --k)
            bytes += static_cast<char>(0x80 | (point >> (6 * k) & 0x3F));
    }
    return bytes;
}
