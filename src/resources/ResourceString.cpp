#include "resources/ResourceString.h"

#include "resource.h"

// Far larger than any message of the program; LoadString truncates a longer one safely.
constexpr int kLongestMessage = 2048;

std::wstring LoadResourceString(UINT id)
{
    wchar_t buffer[kLongestMessage];
    const int length = LoadStringW(GetModuleHandleW(nullptr), id, buffer, kLongestMessage);
    return std::wstring(buffer, length > 0 ? static_cast<size_t>(length) : 0);
}

std::wstring Substitute(const std::wstring& pattern, const std::vector<std::wstring>& arguments)
{
    std::wstring text;
    for (size_t i = 0; i < pattern.size(); ++i)
    {
        const wchar_t next = i + 1 < pattern.size() ? pattern[i + 1] : L'\0';
        const size_t number = next >= L'1' && next <= L'9' ? static_cast<size_t>(next - L'0') : 0;
        if (pattern[i] == L'%' && number != 0 && number <= arguments.size())
        {
            text += arguments[number - 1];
            ++i;
        }
        else
        {
            text += pattern[i];
        }
    }
    return text;
}

std::wstring Message(UINT id, const std::vector<std::wstring>& arguments)
{
    return Substitute(LoadResourceString(id), arguments);
}

std::wstring NameList(const std::vector<std::wstring>& names)
{
    std::wstring list;
    for (const std::wstring& name : names)
        list += (list.empty() ? L"" : LoadResourceString(IDS_CMD_SEPARATOR)) + name;
    return list;
}

std::wstring Widened(const std::string& ascii)
{
    return std::wstring(ascii.begin(), ascii.end());
}
