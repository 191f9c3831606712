#include "settings/BoxText.h"

namespace settings
{
BoxEntry IntervalEntry(std::wstring_view text)
{
    if (IsUnfinishedInterval(text))
        return {std::wstring(text), std::nullopt};
    const std::optional<double> seconds = NumberIn(text, kIntervalCharacters);
    if (!seconds || *seconds < kIntervalMinTenths / 10.0)
        return {IntervalTextAt(kIntervalReplacementTenths), kIntervalReplacementTenths};
    if (*seconds > kIntervalMaxTenths / 10.0)
        return {IntervalTextAt(kIntervalMaxTenths), kIntervalMaxTenths};
    return {std::wstring(text),
            ClampedPosition(*seconds * 10.0, kIntervalMinTenths, kIntervalMaxTenths)};
}

BoxEntry TimeoutEntry(std::wstring_view text)
{
    if (IsUnfinishedTimeout(text))
        return {std::wstring(text), std::nullopt};
    const std::optional<double> seconds = NumberIn(text, kTimeoutCharacters);
    if (!seconds || *seconds < kTimeoutMinSeconds)
        return {TimeoutText(kTimeoutMinSeconds), kTimeoutMinSeconds};
    if (*seconds > kTimeoutMaxSeconds)
        return {TimeoutText(kTimeoutMaxSeconds), kTimeoutMaxSeconds};
    return {std::wstring(text), ClampedPosition(*seconds, kTimeoutMinSeconds, kTimeoutMaxSeconds)};
}
} // namespace settings
