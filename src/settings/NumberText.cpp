#include "settings/NumberText.h"

#include "settings/BigUnsigned.h"

#include <cmath>
#include <cstdint>
#include <cstring>

namespace
{
// A decimal that has more significant digits than this is rounded like the same digits cut
// here with a 1 appended: every value halfway between two doubles has fewer digits, so the
// cut cannot move the text across one.
const int kMaxDigits = 800;

const uint64_t kHiddenBit = uint64_t(1) << 52;

double FromBits(uint64_t bits)
{
    double value = 0.0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// The double significand * 2^exponent, for a significand already rounded to 53 bits at the
// exponent of a normal double (2^53 when the rounding carried out of them), or at -1074 below
// that; infinity above the largest double.
double Compose(uint64_t significand, int exponent)
{
    if (significand == kHiddenBit << 1)
    {
        significand >>= 1;
        ++exponent;
    }
    if (significand < kHiddenBit) // subnormal or zero: the exponent is -1074
        return FromBits(significand);
    const int biased = exponent + 1075;
    if (biased >= 2047)
        return HUGE_VAL;
    return FromBits(uint64_t(biased) << 52 | (significand - kHiddenBit));
}

// The double nearest to numerator / denominator, both non-zero, the quotient below 10^310.
double NearestDouble(CBigUnsigned numerator, CBigUnsigned denominator)
{
    // Made to hold 2^binary <= quotient < 2^(binary + 1).
    int binary = numerator.BitLength() - denominator.BitLength();
    CBigUnsigned scaled = binary >= 0 ? denominator : numerator;
    scaled.ShiftLeft(binary >= 0 ? binary : -binary);
    if (binary >= 0 ? numerator.Compare(scaled) < 0 : scaled.Compare(denominator) < 0)
        --binary;
    if (binary > 1023)
        return HUGE_VAL;
    // Divide into 53 bits (fewer for subnormals) and a remainder.
    const int exponent = (binary < -1022 ? -1022 : binary) - 52;
    if (exponent < 0)
        numerator.ShiftLeft(-exponent);
    else
        denominator.ShiftLeft(exponent);
    uint64_t significand = 0;
    for (int bit = 52; bit >= 0; --bit)
    {
        CBigUnsigned part = denominator;
        part.ShiftLeft(bit);
        if (numerator.Compare(part) >= 0)
        {
            numerator.Subtract(part);
            significand |= uint64_t(1) << bit;
        }
    }
    numerator.ShiftLeft(1); // twice the remainder, against the denominator
    const int half = numerator.Compare(denominator);
    if (half > 0 || (half == 0 && (significand & 1) != 0))
        ++significand;
    return Compose(significand, exponent);
}

// Writes the decimal digits of units backwards, ending at end, with a full stop before the last
// decimals digits; returns the first character written.
char* WriteDigits(CBigUnsigned units, int decimals, char* end)
{
    char* first = end;
    for (int written = 0; written <= decimals || !units.IsZero(); ++written)
    {
        if (written == decimals && decimals > 0)
            *--first = '.';
        *--first = static_cast<char>('0' + units.DivideSmall(10));
    }
    return first;
}
} // namespace

double ParseDecimal(const std::string& text)
{
    const char* p = text.c_str();
    const bool negative = *p == '-';
    if (negative)
        ++p;
    // value = digits * 10^exponent
    CBigUnsigned digits;
    int kept = 0;
    int exponent = 0;
    bool anyDigit = false;
    bool seenPoint = false;
    bool cutNonZero = false;
    for (;; ++p)
    {
        if (*p == '.' && !seenPoint)
        {
            seenPoint = true;
            continue;
        }
        if (*p < '0' || *p > '9')
            break;
        anyDigit = true;
        if (kept == 0 && *p == '0')
        {
            exponent -= seenPoint ? 1 : 0;
        }
        else if (kept < kMaxDigits)
        {
            digits.MultiplyAdd(10, static_cast<uint32_t>(*p - '0'));
            ++kept;
            exponent -= seenPoint ? 1 : 0;
        }
        else
        {
            cutNonZero = cutNonZero || *p != '0';
            exponent += seenPoint ? 0 : 1;
        }
    }
    if (!anyDigit)
        return 0.0;
    if (cutNonZero)
    {
        digits.MultiplyAdd(10, 1);
        ++kept;
        --exponent;
    }
    double magnitude = 0.0;
    const int leading = exponent + kept - 1; // the power of ten of the first significant digit
    if (kept > 0 && leading > 309)
    {
        magnitude = HUGE_VAL;
    }
    else if (kept > 0 && leading >= -325) // below, the text is under half the smallest double
    {
        CBigUnsigned denominator(1);
        for (; exponent > 0; --exponent)
            digits.MultiplyAdd(10, 0);
        for (; exponent < 0; ++exponent)
            denominator.MultiplyAdd(10, 0);
        magnitude = NearestDouble(digits, denominator);
    }
    return negative ? -magnitude : magnitude;
}

std::string FormatFixed(double value, int decimals)
{
    const char* sign = std::signbit(value) ? "-" : "";
    if (std::isnan(value))
        return sign + std::string("nan");
    if (std::isinf(value))
        return sign + std::string("inf");
    const uint64_t scale = decimals == 1 ? 10 : 1;
    // |value| == significand * 2^exponent exactly.
    uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    const int biased = static_cast<int>(bits >> 52 & 0x7FF);
    const uint64_t fraction = bits & (kHiddenBit - 1);
    const uint64_t significand = biased == 0 ? fraction : fraction | kHiddenBit;
    const int exponent = (biased == 0 ? 1 : biased) - 1075;
    // The value in units of the last decimal, rounded to nearest, halfway up.
    CBigUnsigned units(significand * scale); // below 2^57
    if (exponent >= 0)
    {
        units.ShiftLeft(exponent);
    }
    else if (exponent > -64)
    {
        const int shift = -exponent;
        const uint64_t scaled = significand * scale;
        const uint64_t remainder = scaled & ((uint64_t(1) << shift) - 1);
        units = CBigUnsigned((scaled >> shift) + (remainder >= uint64_t(1) << (shift - 1) ? 1 : 0));
    }
    else
    {
        units = CBigUnsigned(0); // below 2^-7: under half a unit
    }
    char buffer[330]; // 309 whole digits, the point, one decimal
    char* const end = buffer + sizeof buffer;
    return sign + std::string(WriteDigits(units, decimals, end), end);
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
