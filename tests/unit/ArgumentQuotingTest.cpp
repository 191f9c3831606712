// Quoted arguments come back exactly through the C runtime's split of a command line (a reference
// parser of its rules here) and, on Windows, through CommandLineToArgvW itself.
#include "app/ArgumentQuoting.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <string_view>
#include <vector>

#ifdef _WIN32
#include <windows.h>

#include <shellapi.h>
#endif

namespace
{
const std::wstring kProgram = L"C:\\Program Files\\Vendor\\SettingTool.exe";

bool IsBlank(wchar_t c)
{
    return c == L' ' || c == L'\t';
}

// The C runtime's split of a whole command line. The program name runs to the next quote when it
// starts with one, else to the first blank, with no escapes. In an argument, 2n backslashes and a
// quote give n backslashes and open or close quoting, 2n+1 and a quote give n and a literal
// quote, backslashes before anything else stay as they are; "" inside quotes is a literal quote.
std::vector<std::wstring> SplitCommandLine(std::wstring_view line)
{
    std::vector<std::wstring> arguments(1);
    size_t i = 0;
    if (i < line.size() && line[i] == L'"')
    {
        const size_t end = line.find(L'"', 1);
        arguments[0] = line.substr(1, end == std::wstring_view::npos ? end : end - 1);
        i = end == std::wstring_view::npos ? line.size() : end + 1;
    }
    else
    {
        while (i < line.size() && !IsBlank(line[i]))
            arguments[0] += line[i++];
    }
    for (;;)
    {
        while (i < line.size() && IsBlank(line[i]))
            ++i;
        if (i == line.size())
            return arguments;
        std::wstring argument;
        bool quoted = false;
        while (i < line.size() && (quoted || !IsBlank(line[i])))
        {
            if (line[i] == L'\\')
            {
                size_t backslashes = 0;
                for (; i < line.size() && line[i] == L'\\'; ++i)
                    ++backslashes;
                const bool beforeQuote = i < line.size() && line[i] == L'"';
                argument.append(beforeQuote ? backslashes / 2 : backslashes, L'\\');
                if (beforeQuote && backslashes % 2 == 1)
                    argument += line[i++];
            }
            else if (line[i] == L'"' && quoted && i + 1 < line.size() && line[i + 1] == L'"')
            {
                argument += L'"';
                i += 2;
            }
            else if (line[i] == L'"')
            {
                quoted = !quoted;
                ++i;
            }
            else
            {
                argument += line[i++];
            }
        }
        arguments.push_back(argument);
    }
}

// The program's own command line when it is started with these arguments: the shell writes the
// program's path in quotes, then the parameters as given.
std::wstring StartLine(const std::vector<std::wstring>& arguments)
{
    return L"\"" + kProgram + L"\" " + QuoteArguments(arguments);
}

// The line splits into the expected arguments, program name first.
void ExpectSplit(const std::wstring& line, const std::vector<std::wstring>& expected)
{
    EXPECT_EQ(SplitCommandLine(line), expected) << testing::PrintToString(line);
#ifdef _WIN32
    int count = 0;
    LPWSTR* split = CommandLineToArgvW(line.c_str(), &count);
    ASSERT_NE(split, nullptr);
    EXPECT_EQ(std::vector<std::wstring>(split, split + count), expected)
        << "CommandLineToArgvW: " << testing::PrintToString(line);
    LocalFree(split);
#endif
}

void ExpectRoundTrip(const std::vector<std::wstring>& arguments)
{
    std::vector<std::wstring> expected = {kProgram};
    expected.insert(expected.end(), arguments.begin(), arguments.end());
    ExpectSplit(StartLine(arguments), expected);
}

TEST(ArgumentQuoting, BackslashesAreDoubledOnlyBeforeAQuoteOrTheEnd)
{
    const struct
    {
        const wchar_t* argument;
        const wchar_t* quoted;
    } cases[] = {
        {L"", L"\"\""},
        {L"Office Laser", L"\"Office Laser\""},
        {L"a\\b", L"\"a\\b\""},
        {L"\\\\server\\Front Desk", L"\"\\\\server\\Front Desk\""},
        {L"C:\\dir\\", L"\"C:\\dir\\\\\""},
        {L"a\\\\", L"\"a\\\\\\\\\""},
        {L"\"", L"\"\\\"\""},
        {L"a\\\"b", L"\"a\\\\\\\"b\""},
        {L"a\\\\\"b", L"\"a\\\\\\\\\\\"b\""},
        {L"Quote \"Q\" Printer", L"\"Quote \\\"Q\\\" Printer\""},
        {L"tab\there", L"\"tab\there\""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(QuoteArgument(c.argument), c.quoted) << testing::PrintToString(c.argument);
}

TEST(ArgumentQuoting, AwkwardArgumentsComeBackExactly)
{
    const std::vector<std::vector<std::wstring>> lists = {
        {},
        {L""},
        {L"", L""},
        {L"x", L"\\\\server\\Front Desk"},
        {L"C:\\dir\\", L"\\"},
        {L"\\\\", L"\\\\\\"},
        {L"ends with quote\"", L"\"starts with quote"},
        {L"\\\"", L"\\\\\"", L"\"\""},
        {L"Quote \"Q\" Printer", L"a\\\"b"},
        {L"\t", L" ", L"tab\tand space"},
        {L"Принтер – 2F", L"Büro – 2F", L"プリンタ①"},
        {L"Emoji \xD83D\xDDA8 Printer", L"\xD83D\xDDA8"},
        {L"/relaunch", L"x", L"Office Laser"},
    };
    for (const auto& arguments : lists)
        ExpectRoundTrip(arguments);
}

TEST(ArgumentQuoting, RandomArgumentListsComeBackExactly)
{
    // Weighted toward what quoting must get right; the pair is a surrogate pair.
    const std::vector<std::wstring> pieces = {
        L"\\", L"\\", L"\\", L"\"", L"\"", L" ", L"\t",           L"a",
        L"Z",  L"0",  L"é",  L"П",  L"プ", L"①", L"\xD83D\xDDA8",
    };
    std::mt19937 random(20240611);
    std::uniform_int_distribution<size_t> count(0, 4);
    std::uniform_int_distribution<size_t> length(0, 10);
    std::uniform_int_distribution<size_t> piece(0, pieces.size() - 1);
    for (int round = 0; round < 3000; ++round)
    {
        std::vector<std::wstring> arguments(count(random));
        for (std::wstring& argument : arguments)
            for (size_t n = length(random); n > 0; --n)
                argument += pieces[piece(random)];
        ExpectRoundTrip(arguments);
        if (HasFailure())
            return;
    }
}

TEST(ArgumentQuoting, TheReferenceSplitFollowsTheRuntimesRules)
{
    // Lines the quoting never writes, so that the reference is known to read more than its own
    // output: the documented examples of the C runtime's rules.
    const struct
    {
        const wchar_t* line;
        std::vector<std::wstring> arguments;
    } cases[] = {
        {L"p \"abc\" d e", {L"p", L"abc", L"d", L"e"}},
        {L"p a\\\\\\b d\"e f\"g h", {L"p", L"a\\\\\\b", L"de fg", L"h"}},
        {L"p a\\\\\\\"b c d", {L"p", L"a\\\"b", L"c", L"d"}},
        {L"p a\\\\\\\\\"b c\" d e", {L"p", L"a\\\\b c", L"d", L"e"}},
        {L"\"C:\\a b\\p.exe\" x", {L"C:\\a b\\p.exe", L"x"}},
        {L"p\t \t", {L"p"}},
    };
    for (const auto& c : cases)
        ExpectSplit(c.line, c.arguments);
}
} // namespace
