#include "settings/NumberText.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>

double ParseDecimal(const std::string& text)
{
    const char* first = text.data();
    const char* last = first + text.size();
    double value = 0.0;
    const auto [end, error] = std::from_chars(first, last, value, std::chars_format::fixed);
    if (error == std::errc::invalid_argument)
        return 0.0;
    if (error == std::errc::result_out_of_range)
    {
        // Without an exponent only a non-zero digit before the point can overflow.
        for (const char* p = first; p != end && *p != '.'; ++p)
            if (*p != '0')
                return std::numeric_limits<double>::infinity();
        return 0.0;
    }
    return value;
}

std::string FormatFixed(double value, int decimals)
{
    const uint64_t scale = decimals == 1 ? 10 : 1;
    const double magnitude = std::fabs(value);
    // Above 2^52 every double is a whole number, so there is nothing to round.
    if (!std::isfinite(value) || magnitude >= 4503599627370496.0)
    {
        char buffer[400];
        std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
        return buffer;
    }
    // magnitude == mantissa * 2^exponent exactly, with a 53-bit mantissa and exponent < 0.
    int exponent = 0;
    const double fraction = std::frexp(magnitude, &exponent);
    const auto mantissa = static_cast<uint64_t>(std::ldexp(fraction, 53));
    const int shift = 53 - exponent;
    const uint64_t scaled = mantissa * scale; // below 2^57
    uint64_t units = 0;
    if (shift < 64)
    {
        units = scaled >> shift;
        const uint64_t remainder = scaled & ((uint64_t(1) << shift) - 1);
        if (remainder >= (uint64_t(1) << (shift - 1)))
            ++units;
    }
    std::string text = std::signbit(value) ? "-" : "";
    text += std::to_string(units / scale);
    if (decimals == 1)
        text += "." + std::to_string(units % scale);
    return text;
}

short ClampedPosition(double value, int low, int high)
{
    const double whole = std::trunc(value);
    if (!(whole >= low)) // also catches NaN
        return static_cast<short>(low);
    if (whole > high)
        return static_cast<short>(high);
    return static_cast<short>(whole);
}

float MillisecondsToSeconds(DWORD milliseconds)
{
    return static_cast<float>(static_cast<int32_t>(milliseconds) * 0.001);
}
