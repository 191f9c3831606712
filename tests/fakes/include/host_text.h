// Conversions the fakes and tests share. Wide text here is UTF-16, one code unit per wchar_t as on
// Windows (wchar_t is wider on Linux but holds them), so a character outside the BMP is two
// units, a surrogate pair. The program's ANSI code page on this build is UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace host::text
{
// UTF-16 text from a u"" literal, the same units on Linux and Windows.
std::wstring Utf16(std::u16string_view text);
// UTF-16 from UTF-8 as the tests and the resource strings write it (not checked for faults).
std::wstring FromAnsi(std::string_view text);
// UTF-8 from UTF-16; an unpaired surrogate becomes U+FFFD, as Windows writes a character the code
// page does not hold.
std::string ToAnsi(std::wstring_view text);
} // namespace host::text
