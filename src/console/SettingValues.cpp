#include "console/SettingValues.h"

#include "printer/SpoolerNames.h"
#include "settings/SettingRanges.h"

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

std::optional<DWORD> ParseWhenIdleSetting(const std::wstring& text)
{
    const auto seconds = ParseDigits(text, kMaxWhenIdleSeconds);
    if (!seconds || *seconds > kMaxWhenIdleSeconds)
        return std::nullopt;
    return static_cast<DWORD>(*seconds);
}
