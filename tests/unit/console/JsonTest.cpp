// Queue names as JSON strings, and text for a file or pipe in a code page that lacks characters.
#include "console/Json.h"
#include "console/CodePageText.h"

#include <host_text.h>

#include <gtest/gtest.h>

namespace
{
using host::text::Utf16;

TEST(JsonTest, EverythingButPrintableAsciiIsEscapedAsUtf16CodeUnits)
{
    const struct
    {
        std::wstring text;
        std::string json;
    } cases[] = {
        {L"Office Laser", "\"Office Laser\""},
        {L"", "\"\""},
        {L"say \"hi\"", "\"say \\\"hi\\\"\""},
        {L"\\\\printhost\\Laser", "\"\\\\\\\\printhost\\\\Laser\""},
        {L"tab\tline\nend\r", "\"tab\\u0009line\\u000aend\\u000d\""},
        {std::wstring(L"nul\0x", 5), "\"nul\\u0000x\""},
        {L"\x7f", "\"\\u007f\""},
        {Utf16(u"Büro – 2F"), "\"B\\u00fcro \\u2013 2F\""},
        {Utf16(u"プリンタ①"), "\"\\u30d7\\u30ea\\u30f3\\u30bf\\u2460\""},
        // Outside the BMP: the surrogate pair, as two escapes.
        {Utf16(u"Emoji 🖨 Printer"), "\"Emoji \\ud83d\\udda8 Printer\""},
        // A lone surrogate is written as it is, so the name stays what it was.
        {Utf16(u"x\xd83d"), "\"x\\ud83d\""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(JsonString(c.text), c.json) << c.json;
}

// A stand-in code page: ASCII and Latin-1 one byte each, katakana two bytes; anything else it
// does not hold.
std::optional<std::string> InLatinAndKatakana(const std::wstring& character)
{
    if (character.size() != 1)
        return std::nullopt;
    const wchar_t c = character[0];
    if (c < 0x100)
        return std::string(1, static_cast<char>(c));
    if (c >= 0x30A0 && c <= 0x30FF)
        return std::string{'\x83', static_cast<char>(c - 0x30A0 + 0x40)};
    return std::nullopt;
}

TEST(CodePageTextTest, WhatTheCodePageCannotHoldIsEscapedNeverReplaced)
{
    const struct
    {
        std::wstring text;
        std::string bytes;
    } cases[] = {
        {L"Office Laser\r\n", "Office Laser\r\n"},
        {Utf16(u"Büro"), "B\xfcro"},
        {Utf16(u"Принтер"), "\\u041f\\u0440\\u0438\\u043d\\u0442\\u0435\\u0440"},
        {Utf16(u"プリンタ①"), "\x83\x77\x83\x8a\x83\x93\x83\x5f\\u2460"},
        {Utf16(u"🖨!"), "\\ud83d\\udda8!"},
        // A lone surrogate is no character of any code page.
        {Utf16(u"a\xdc00z"), "a\\udc00z"},
        {Utf16(u"a\xd83d"), "a\\ud83d"},
        {L"\\\\printhost\\Q", "\\\\printhost\\Q"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ToCodePageText(c.text, InLatinAndKatakana), c.bytes) << c.bytes;
}

TEST(CodePageTextTest, EachCharacterIsOfferedWholeSurrogatePairsTogether)
{
    std::vector<std::wstring> offered;
    ToCodePageText(Utf16(u"a🖨b\xd83d"), [&](const std::wstring& character) {
        offered.push_back(character);
        return std::optional<std::string>("?");
    });
    EXPECT_EQ(offered, (std::vector<std::wstring>{L"a", Utf16(u"🖨"), L"b", Utf16(u"\xd83d")}));
}
} // namespace
