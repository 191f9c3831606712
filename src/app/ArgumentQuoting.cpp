#include "app/ArgumentQuoting.h"

std::wstring QuoteArgument(std::wstring_view argument)
{
    std::wstring quoted = L"\"";
    size_t backslashes = 0;
    for (const wchar_t c : argument)
    {
        if (c == L'\\')
        {
            ++backslashes;
            continue;
        }
        // Backslashes count only before a quote: there 2n of them give n back, and one more
        // makes the quote itself literal.
        quoted.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
        quoted += c;
        backslashes = 0;
    }
    // The closing quote follows: double the run so that it does not escape it.
    quoted.append(2 * backslashes, L'\\');
    quoted += L'"';
    return quoted;
}

std::wstring QuoteArguments(const std::vector<std::wstring>& arguments)
{
    std::wstring line;
    for (const std::wstring& argument : arguments)
    {
        if (!line.empty())
            line += L' ';
        line += QuoteArgument(argument);
    }
    return line;
}
