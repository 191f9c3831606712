#include "printer/SpoolerNames.h"

#include <algorithm>

namespace
{
// Where the third backslash of "\\server\name" is, or npos.
size_t ServerEnd(const std::wstring& name)
{
    return StartsWithTwoBackslashes(name) ? name.find(L'\\', 2) : std::wstring::npos;
}
} // namespace

wchar_t LowerAscii(wchar_t c)
{
    return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c;
}

bool StartsWithTwoBackslashes(const std::wstring& name)
{
    return name.size() >= 2 && name[0] == L'\\' && name[1] == L'\\';
}

bool IsQueueName(const std::wstring& name)
{
    if (name.empty() || name.find(L',') != std::wstring::npos)
        return false;
    const auto backslashes = std::count(name.begin(), name.end(), L'\\');
    if (!StartsWithTwoBackslashes(name))
        return backslashes == 0;
    // \\server\name: exactly one more backslash, with a server before it and a name after it.
    const size_t serverEnd = ServerEnd(name);
    return backslashes == 3 && serverEnd > 2 && serverEnd + 1 < name.size();
}

std::wstring MachineOf(const std::wstring& queueName)
{
    if (!StartsWithTwoBackslashes(queueName))
        return L"";
    return queueName.substr(0, ServerEnd(queueName));
}

bool SameName(const std::wstring& a, const std::wstring& b)
{
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(),
                      [](wchar_t x, wchar_t y) { return LowerAscii(x) == LowerAscii(y); });
}
