#include "console/Names.h"

namespace
{
// A character of a text: its code point and the units it takes (2 for a surrogate pair).
struct Character
{
    char32_t point;
    size_t units;
};

Character CharacterAt(const std::wstring& text, size_t i)
{
    if (i + 1 < text.size() && text[i] >= 0xD800 && text[i] <= 0xDBFF && text[i + 1] >= 0xDC00 &&
        text[i + 1] <= 0xDFFF)
        return {0x10000 + ((char32_t(text[i]) - 0xD800) << 10) + (char32_t(text[i + 1]) - 0xDC00),
                2};
    return {char32_t(text[i]), 1};
}

// Whether c, or c in the other case of an ASCII letter, lies between low and high.
bool InRange(char32_t c, char32_t low, char32_t high)
{
    const char32_t other = c >= U'a' && c <= U'z' ? c - 32 : c >= U'A' && c <= U'Z' ? c + 32 : c;
    return (c >= low && c <= high) || (other >= low && other <= high);
}

// The character of the pattern at p that stands for itself, "`" and what follows it for that
// character (a "`" at the end for itself); p moves past it.
char32_t LiteralAt(const std::wstring& pattern, size_t& p)
{
    if (pattern[p] == L'`' && p + 1 < pattern.size())
        ++p;
    const Character c = CharacterAt(pattern, p);
    p += c.units;
    return c.point;
}

// One element of a pattern: where the next begins, whether it is a "*", whether it takes the
// name's character it is offered, and whether -like accepts it.
struct Element
{
    size_t next = 0;
    bool anyRun = false;
    bool takes = false;
    bool valid = true;
};

// The set "[...]" that starts at p, offered c.
Element SetAt(const std::wstring& pattern, size_t p, char32_t c)
{
    Element set;
    for (size_t i = p + 1; i < pattern.size();)
    {
        if (pattern[i] == L']' && i > p + 1)
        {
            set.next = i + 1;
            return set;
        }
        const char32_t low = LiteralAt(pattern, i);
        char32_t high = low;
        if (i + 1 < pattern.size() && pattern[i] == L'-' && pattern[i + 1] != L']')
            high = LiteralAt(pattern, ++i);
        set.valid = set.valid && low <= high;
        set.takes = set.takes || InRange(c, low, high);
    }
    set.valid = false; // never closed
    return set;
}

Element ElementAt(const std::wstring& pattern, size_t p, char32_t c)
{
    if (pattern[p] == L'*')
        return {p + 1, true};
    if (pattern[p] == L'?')
        return {p + 1, false, true};
    if (pattern[p] == L'[')
        return SetAt(pattern, p, c);
    const char32_t literal = LiteralAt(pattern, p);
    return {p, false, InRange(c, literal, literal)};
}
} // namespace

std::optional<std::wstring> ServerName(const std::wstring& text)
{
    const std::wstring name = StartsWithTwoBackslashes(text) ? text.substr(2) : text;
    if (name.empty() || name.find_first_of(L"\\,") != std::wstring::npos)
        return std::nullopt;
    return L"\\\\" + name;
}

bool IsPattern(const std::wstring& pattern)
{
    for (size_t p = 0; p < pattern.size();)
    {
        const Element element = ElementAt(pattern, p, 0);
        if (!element.valid)
            return false;
        p = element.next;
    }
    return true;
}

bool MatchesPattern(const std::wstring& name, const std::wstring& pattern)
{
    // Greedy, going back to the last "*" on a mismatch to let it take one character more. Every
    // other element takes exactly one character.
    size_t n = 0;
    size_t p = 0;
    size_t afterStar = std::wstring::npos; // where the pattern goes on after the last "*"
    size_t starEnd = 0;                    // where the text after what that "*" took begins
    while (n < name.size())
    {
        const Character c = CharacterAt(name, n);
        const Element element = p < pattern.size() ? ElementAt(pattern, p, c.point) : Element{};
        if (element.anyRun)
        {
            afterStar = p = element.next;
            starEnd = n;
        }
        else if (element.takes)
        {
            n += c.units;
            p = element.next;
        }
        else if (afterStar != std::wstring::npos)
        {
            p = afterStar;
            n = starEnd += CharacterAt(name, starEnd).units;
        }
        else
        {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == L'*')
        ++p;
    return p == pattern.size();
}
