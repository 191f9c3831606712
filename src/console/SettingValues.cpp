#include "console/SettingValues.h"

#include "settings/SettingRanges.h"

#include <vector>

namespace
{
const unsigned kIntervalMinTenths = settings::kIntervalMinTenths;
const unsigned kIntervalMaxTenths = settings::kIntervalMaxTenths;
const unsigned kTimeoutMinSeconds = settings::kTimeoutMinSeconds;
const unsigned kTimeoutMaxSeconds = settings::kTimeoutMaxSeconds;

// The digits' value, or limit + 1 when it is larger: no number of digits can overflow.
std::optional<unsigned> ParseDigits(const std::string& digits, unsigned limit)
{
    if (digits.empty())
        return std::nullopt;
    unsigned value = 0;
    for (const char c : digits)
    {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + static_cast<unsigned>(c - '0');
        if (value > limit)
            value = limit + 1;
    }
    return value;
}

char LowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// The byte offsets at which the name's characters start.
std::vector<size_t> CharacterStarts(const std::string& text)
{
    std::vector<size_t> starts;
    for (size_t i = 0; i < text.size(); ++i)
    {
        starts.push_back(i);
        if (IsDBCSLeadByte(static_cast<BYTE>(text[i])) && i + 1 < text.size())
            ++i;
    }
    return starts;
}

// Offsets of the single-byte characters c in text, in order.
std::vector<size_t> Find(const std::string& text, char c)
{
    std::vector<size_t> found;
    for (const size_t i : CharacterStarts(text))
        if (text[i] == c)
            found.push_back(i);
    return found;
}

bool StartsWithTwoBackslashes(const std::string& name)
{
    return name.size() >= 2 && name[0] == '\\' && name[1] == '\\';
}
} // namespace

std::optional<DWORD> ParseIntervalSetting(const std::string& text)
{
    if (text.size() == 3 && LowerAscii(text[0]) == 'o' && LowerAscii(text[1]) == 'f' &&
        LowerAscii(text[2]) == 'f')
        return 0;
    const size_t point = text.find('.');
    const auto whole = ParseDigits(text.substr(0, point), kIntervalMaxTenths / 10);
    if (!whole)
        return std::nullopt;
    unsigned tenths = *whole * 10;
    if (point != std::string::npos)
    {
        const std::string decimals = text.substr(point + 1);
        const auto decimal = ParseDigits(decimals, 9);
        if (decimals.size() != 1 || !decimal)
            return std::nullopt;
        tenths += *decimal;
    }
    if (tenths < kIntervalMinTenths || tenths > kIntervalMaxTenths)
        return std::nullopt;
    return static_cast<DWORD>(tenths) * settings::kMillisecondsPerTenth;
}

std::optional<DWORD> ParseTimeoutSetting(const std::string& text)
{
    const auto seconds = ParseDigits(text, kTimeoutMaxSeconds);
    if (!seconds || *seconds < kTimeoutMinSeconds || *seconds > kTimeoutMaxSeconds)
        return std::nullopt;
    return static_cast<DWORD>(*seconds) * settings::kMillisecondsPerSecond;
}

bool IsQueueName(const std::string& name)
{
    if (name.empty() || !Find(name, ',').empty())
        return false;
    const std::vector<size_t> backslashes = Find(name, '\\');
    if (!StartsWithTwoBackslashes(name))
        return backslashes.empty();
    // \\server\name: exactly one more backslash, with a server before it and a name after it.
    return backslashes.size() == 3 && backslashes[2] > 2 && backslashes[2] + 1 < name.size();
}

std::string MachineOf(const std::string& queueName)
{
    if (!StartsWithTwoBackslashes(queueName))
        return "";
    const std::vector<size_t> backslashes = Find(queueName, '\\');
    return backslashes.size() >= 3 ? queueName.substr(0, backslashes[2]) : queueName;
}

bool SameMachine(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    const std::vector<size_t> starts = CharacterStarts(a);
    if (starts != CharacterStarts(b))
        return false;
    for (size_t k = 0; k < starts.size(); ++k)
    {
        const size_t i = starts[k];
        const size_t end = k + 1 < starts.size() ? starts[k + 1] : a.size();
        // Only a single-byte character has a case to ignore.
        if (end - i == 1 ? LowerAscii(a[i]) != LowerAscii(b[i])
                         : a.compare(i, end - i, b, i, end - i) != 0)
            return false;
    }
    return true;
}
