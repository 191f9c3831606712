#include "console/Names.h"

namespace
{
// The units of the character at text[i]: 2 for a surrogate pair.
size_t CharacterAt(const std::wstring& text, size_t i)
{
    return i + 1 < text.size() && text[i] >= 0xD800 && text[i] <= 0xDBFF && text[i + 1] >= 0xDC00 &&
                   text[i + 1] <= 0xDFFF
               ? 2
               : 1;
}
} // namespace

std::optional<std::wstring> ServerName(const std::wstring& text)
{
    const std::wstring name = StartsWithTwoBackslashes(text) ? text.substr(2) : text;
    if (name.empty() || name.find_first_of(L"\\,") != std::wstring::npos)
        return std::nullopt;
    return L"\\\\" + name;
}

bool MatchesPattern(const std::wstring& name, const std::wstring& pattern)
{
    // Greedy, going back to the last "*" on a mismatch to let it take one character more.
    size_t n = 0;
    size_t p = 0;
    size_t star = std::wstring::npos;
    size_t starEnd = 0; // where the text after what the last "*" took begins
    while (n < name.size())
    {
        if (p < pattern.size() && pattern[p] == L'*')
        {
            star = p++;
            starEnd = n;
        }
        else if (p < pattern.size() && pattern[p] == L'?')
        {
            n += CharacterAt(name, n);
            ++p;
        }
        else if (p < pattern.size() && LowerAscii(pattern[p]) == LowerAscii(name[n]))
        {
            ++n;
            ++p;
        }
        else if (star != std::wstring::npos)
        {
            p = star + 1;
            n = starEnd += CharacterAt(name, starEnd);
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
