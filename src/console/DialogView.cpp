#include "console/DialogView.h"

#include "settings/NumberText.h"
#include "settings/SettingRanges.h"

namespace
{
// The text in which the dialog replaces an interval below 0.1 s or one that is not a number.
const short kIntervalReplacementTenths = 5;

// A spin position with the text that goes with it.
DialogView IntervalAt(short tenths)
{
    return {FormatFixed(tenths * 0.1, 1),
            static_cast<DWORD>(tenths) * settings::kMillisecondsPerTenth};
}

DialogView TimeoutAt(short seconds)
{
    return {FormatFixed(seconds, 0),
            static_cast<DWORD>(seconds) * settings::kMillisecondsPerSecond};
}

bool IsDecimalText(const std::string& text, const char* characters)
{
    return text.find_first_not_of(characters) == std::string::npos;
}
} // namespace

// The dialog shows the value with one decimal, and its change routine then replaces a text that
// is not a number or lies outside 0.1 to 240.0; OK stores the spin, which follows the text.
DialogView IntervalInDialog(DWORD readMilliseconds)
{
    const std::string text = FormatFixed(MillisecondsToSeconds(readMilliseconds), 1);
    const double seconds = ParseDecimal(text);
    if (readMilliseconds == 0)
        return {"off", 0};
    if (!IsDecimalText(text, "0123456789.") || seconds * 10 < settings::kIntervalMinTenths)
        return IntervalAt(kIntervalReplacementTenths);
    if (seconds * 10 > settings::kIntervalMaxTenths)
        return IntervalAt(settings::kIntervalMaxTenths);
    return {text, IntervalAt(ClampedPosition(seconds * 10.0, settings::kIntervalMinTenths,
                                             settings::kIntervalMaxTenths))
                      .okStores};
}

// The dialog shows whole seconds. The texts "0" to "4" are left as they are, and OK refuses
// them; any other text that is not a number in range is replaced by the nearer bound.
DialogView TimeoutInDialog(DWORD readMilliseconds)
{
    const std::string text = FormatFixed(MillisecondsToSeconds(readMilliseconds), 0);
    if (text.size() == 1 && text[0] >= '0' && text[0] <= '4')
        return {text, std::nullopt};
    const double seconds = ParseDecimal(text);
    if (!IsDecimalText(text, "0123456789") || seconds < settings::kTimeoutMinSeconds)
        return TimeoutAt(settings::kTimeoutMinSeconds);
    if (seconds > settings::kTimeoutMaxSeconds)
        return TimeoutAt(settings::kTimeoutMaxSeconds);
    return {text, TimeoutAt(ClampedPosition(seconds, settings::kTimeoutMinSeconds,
                                            settings::kTimeoutMaxSeconds))
                      .okStores};
}
