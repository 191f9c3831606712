// What tests can arrange of the ANSI code page, and the conversions the fakes and tests share.
// Wide text here is UTF-16, one code unit per wchar_t as on Windows (wchar_t is wider on Linux
// but holds them), so a character outside the BMP is two units, a surrogate pair.
#pragma once

#include <string>
#include <string_view>

namespace host::text
{
// UTF-16 text from a u"" literal, the same units on Linux and Windows.
std::wstring Utf16(std::u16string_view text);
// UTF-16 text from UTF-8 (this build's ANSI code page), and back; an unpaired surrogate becomes
// U+FFFD, as Windows writes a character the code page does not hold.
std::wstring FromAnsi(std::string_view text);
std::string ToAnsi(std::wstring_view text);
} // namespace host::text
