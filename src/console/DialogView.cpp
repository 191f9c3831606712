#include "console/DialogView.h"

#include "settings/BoxText.h"
#include "settings/NumberText.h"
#include "settings/SettingRanges.h"

using namespace settings;

namespace
{
// A spin position with the text that goes with it.
DialogView IntervalAt(int tenths)
{
    return {IntervalTextAt(tenths), static_cast<DWORD>(tenths) * kMillisecondsPerTenth};
}

DialogView TimeoutAt(int seconds)
{
    return {TimeoutText(seconds), static_cast<DWORD>(seconds) * kMillisecondsPerSecond};
}
} // namespace

// The dialog shows the value with one decimal, and its change routine then replaces a text that
// is not a number or lies outside the range; OK stores the spin, which follows the text.
DialogView IntervalInDialog(DWORD readMilliseconds)
{
    if (readMilliseconds == 0)
        return {L"off", 0};
    const std::wstring text = IntervalText(MillisecondsToSeconds(readMilliseconds));
    const std::optional<double> seconds = NumberIn(text, kIntervalCharacters);
    if (!seconds || *seconds < kIntervalMinTenths / 10.0)
        return IntervalAt(kIntervalReplacementTenths);
    if (*seconds > kIntervalMaxTenths / 10.0)
        return IntervalAt(kIntervalMaxTenths);
    return {text,
            IntervalAt(ClampedPosition(*seconds * 10.0, kIntervalMinTenths, kIntervalMaxTenths))
                .okStores};
}

// The dialog shows whole seconds. The texts on the way to a valid number are left as they are,
// and OK refuses them; any other text that is not a number in range is replaced by the nearer
// bound.
DialogView TimeoutInDialog(DWORD readMilliseconds)
{
    const std::wstring text = TimeoutText(MillisecondsToSeconds(readMilliseconds));
    if (IsUnfinishedTimeout(text))
        return {text, std::nullopt};
    const std::optional<double> seconds = NumberIn(text, kTimeoutCharacters);
    if (!seconds || *seconds < kTimeoutMinSeconds)
        return TimeoutAt(kTimeoutMinSeconds);
    if (*seconds > kTimeoutMaxSeconds)
        return TimeoutAt(kTimeoutMaxSeconds);
    return {text,
            TimeoutAt(ClampedPosition(*seconds, kTimeoutMinSeconds, kTimeoutMaxSeconds)).okStores};
}
