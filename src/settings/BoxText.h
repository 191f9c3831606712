#pragma once

#include "settings/NumberText.h"
#include "settings/SettingRanges.h"

#include <optional>
#include <string>
#include <string_view>

// How the dialog writes and judges the texts of its interval and timeout boxes. Its change
// routines follow these rules, and the console's account of what the dialog shows follows the
// same ones.
namespace settings
{
// The characters a box's number may be written with; a text holding any other is replaced. Only
// ASCII counts: a full-width "１" is not a digit.
constexpr wchar_t kIntervalCharacters[] = L"0123456789.";
constexpr wchar_t kTimeoutCharacters[] = L"0123456789";

// The interval that replaces a text that is no number or lies below the range: 0.5 s. A timeout
// outside its range is replaced by the nearer bound.
constexpr int kIntervalReplacementTenths = 5;

// Texts on the way to a valid number: the change routines leave them alone and OK refuses them.
inline bool IsUnfinishedInterval(std::wstring_view text)
{
    return text.empty() || text == L"0" || text == L"0.";
}

inline bool IsUnfinishedTimeout(std::wstring_view text)
{
    return text.empty() || (text.size() == 1 && text[0] >= L'0' && text[0] <= L'4');
}

// The number a box's text starts with ("1.2.3" gives 1.2), when every character of it is one of
// the box's characters; nothing otherwise.
inline std::optional<double> NumberIn(std::wstring_view text, const wchar_t* characters)
{
    if (text.find_first_not_of(characters) != std::wstring_view::npos)
        return std::nullopt;
    return ParseDecimal(std::string(text.begin(), text.end())); // ASCII, as just checked
}

// The boxes' texts for a number of seconds: the interval with one decimal, the timeout whole.
inline std::wstring IntervalText(double seconds)
{
    const std::string ascii = FormatFixed(seconds, 1);
    return std::wstring(ascii.begin(), ascii.end());
}

inline std::wstring TimeoutText(double seconds)
{
    const std::string ascii = FormatFixed(seconds, 0);
    return std::wstring(ascii.begin(), ascii.end());
}

// The interval's text for a spin position in tenths.
inline std::wstring IntervalTextAt(int tenths)
{
    return IntervalText(tenths * 0.1);
}

// What a box's change routine makes of a text: the text the box then holds (the text itself, or
// the one that replaces it) and the spin position that goes with it, which OK stores. A text on
// the way to a number is left alone, with no position: OK refuses it until it is changed.
struct BoxEntry
{
    std::wstring shown;
    std::optional<short> position;
};

// A text that is no number, or lies below 0.1 s, becomes "0.5"; above 240.0 s, "240.0".
BoxEntry IntervalEntry(std::wstring_view text);
// A text that is no number, or lies below 5 s, becomes "5"; above 600 s, "600".
BoxEntry TimeoutEntry(std::wstring_view text);
} // namespace settings
