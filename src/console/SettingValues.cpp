#include "console/SettingValues.h"

#include "settings/SettingRanges.h"

#include <algorithm>

namespace
{
// The ranges as unsigned numbers, the kind the digits are read into.
const unsigned kIntervalMinTenths = settings::kIntervalMinTenths;
const unsigned kIntervalMaxTenths = settings::kIntervalMaxTenths;
const unsigned kTimeoutMinSeconds = settings::kTimeoutMinSeconds;
const unsigned kTimeoutMaxSeconds = settings::kTimeoutMaxSeconds;

// The digits' value, or limit + 1 when it is larger: no number of digits can overflow.
std::optional<unsigned> ParseDigits(const std::wstring& digits, unsigned limit)
{
    if (digits.empty())
        return std::nullopt;
    unsigned value = 0;
    for (const wchar_t c : digits)
    {
        if (c < L'0' || c > L'9')
            return std::nullopt;
        value = value * 10 + static_cast<unsigned>(c - L'0');
        if (value > limit)
            value = limit + 1;
    }
    return value;
}

wchar_t LowerAscii(wchar_t c)
{
    return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c;
}

bool StartsWithTwoBackslashes(const std::wstring& name)
{
    return name.size() >= 2 && name[0] == L'\\' && name[1] == L'\\';
}

// Where the third backslash of "\\server\name" is, or npos.
size_t ServerEnd(const std::wstring& name)
{
    return StartsWithTwoBackslashes(name) ? name.find(L'\\', 2) : std::wstring::npos;
}
} // namespace

std::optional<DWORD> ParseIntervalSetting(const std::wstring& text)
{
    if (SameName(text, L"off"))
        return 0;
    const size_t point = text.find(L'.');
    const auto whole = ParseDigits(text.substr(0, point), kIntervalMaxTenths / 10);
    if (!whole)
        return std::nullopt;
    unsigned tenths = *whole * 10;
    if (point != std::wstring::npos)
    {
        const std::wstring decimals = text.substr(point + 1);
        const auto decimal = ParseDigits(decimals, 9);
        if (decimals.size() != 1 || !decimal)
            return std::nullopt;
        tenths += *decimal;
    }
    if (tenths < kIntervalMinTenths || tenths > kIntervalMaxTenths)
        return std::nullopt;
    return static_cast<DWORD>(tenths) * settings::kMillisecondsPerTenth;
}

std::optional<DWORD> ParseTimeoutSetting(const std::wstring& text)
{
    const auto seconds = ParseDigits(text, kTimeoutMaxSeconds);
    if (!seconds || *seconds < kTimeoutMinSeconds || *seconds > kTimeoutMaxSeconds)
        return std::nullopt;
    return static_cast<DWORD>(*seconds) * settings::kMillisecondsPerSecond;
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
