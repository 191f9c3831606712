// ParseDecimal and FormatFixed against the C library's exact conversions: strtod rounds a decimal
// text of any length correctly, and printf writes a double's exact decimal expansion when asked
// for enough digits. Random cases come from a fixed seed, so a failure repeats.
#include "settings/NumberText.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace
{
uint64_t Bits(double value)
{
    uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

double FromBits(uint64_t bits)
{
    double value = 0.0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// The exact decimal expansion of a long double (every double, and every midpoint between two
// neighbouring doubles, is one), without trailing zeros.
std::string Exact(long double value)
{
    std::vector<char> buffer(1500);
    std::snprintf(buffer.data(), buffer.size(), "%.1100Lf", value);
    std::string text = buffer.data();
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.')
        text.pop_back();
    return text;
}

void ExpectParsedLikeStrtod(const std::string& text)
{
    EXPECT_EQ(Bits(ParseDecimal(text)), Bits(std::strtod(text.c_str(), nullptr)))
        << '"' << text << '"';
}

// The exact expansion rounded to decimals places, halfway up, by carrying in the digit text.
std::string RoundedHalfAway(double value, int decimals)
{
    std::string text = Exact(std::fabs(value));
    size_t point = text.find('.');
    if (point == std::string::npos)
    {
        point = text.size();
        text += '.';
    }
    text += std::string(decimals + 1, '0');
    bool carry = text[point + decimals + 1] >= '5';
    text.erase(decimals == 0 ? point : point + decimals + 1);
    for (size_t i = text.size(); carry && i-- > 0;)
    {
        if (text[i] == '.')
            continue;
        carry = text[i] == '9';
        text[i] = carry ? '0' : static_cast<char>(text[i] + 1);
    }
    if (carry)
        text.insert(0, "1");
    return (std::signbit(value) ? "-" : "") + text;
}

std::string RandomDigits(std::mt19937_64& random, size_t count)
{
    std::string digits;
    for (size_t i = 0; i < count; ++i)
        digits += static_cast<char>('0' + random() % 10);
    return digits;
}

// A finite positive double with random bits: every binary exponent is equally likely.
double RandomDouble(std::mt19937_64& random)
{
    for (;;)
    {
        const double value = FromBits(random() & 0x7FFFFFFFFFFFFFFF);
        if (std::isfinite(value))
            return value;
    }
}

TEST(NumberTextReference, EveryIntervalTextParsesAndFormatsLikeTheReference)
{
    for (int tenths = 1; tenths <= 2400; ++tenths)
    {
        const std::string text = std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
        ExpectParsedLikeStrtod(text);
        EXPECT_EQ(FormatFixed(ParseDecimal(text), 1), text);
        EXPECT_EQ(FormatFixed(tenths * 0.1, 1), RoundedHalfAway(tenths * 0.1, 1));
    }
}

TEST(NumberTextReference, RandomTextsParseLikeTheReference)
{
    std::mt19937_64 random(1);
    for (int i = 0; i < 20000; ++i)
    {
        std::string text = std::string(random() % 3, '0') + RandomDigits(random, random() % 25);
        text.insert(random() % (text.size() + 1), ".");
        ExpectParsedLikeStrtod(text);
    }
    for (int i = 0; i < 100; ++i)
    {
        std::string text = RandomDigits(random, 100 + random() % 2000);
        text.insert(random() % (text.size() + 1), ".");
        ExpectParsedLikeStrtod(text);
    }
}

// Texts on, just below and just above the value halfway between two neighbouring doubles, where a
// conversion that is only nearly right rounds the wrong way; and the same halfway texts with a
// 1 far beyond their last digit. The two doubles are the reference here: mingw-w64's strtod
// reads the text halfway between the two smallest subnormals as the smallest normal double.
TEST(NumberTextReference, TextsAtMidpointsBetweenDoublesRoundToTheNearerOrTheEvenDouble)
{
    std::mt19937_64 random(2);
    std::vector<double> lows = {DBL_TRUE_MIN,
                                2 * DBL_TRUE_MIN,
                                DBL_MIN - DBL_TRUE_MIN,
                                DBL_MIN,
                                0.1,
                                0.5,
                                1.0,
                                0.3,
                                240.0,
                                9007199254740992.0,
                                1e23,
                                DBL_MAX};
    for (int i = 0; i < 600; ++i)
        lows.push_back(RandomDouble(random));
    for (const double low : lows)
    {
        const double high = std::nextafter(low, HUGE_VAL); // infinity above the largest double
        const long double midpoint =
            (low + (low == DBL_MAX ? std::ldexp(1.0L, 1024) : static_cast<long double>(high))) / 2;
        const double even = Bits(low) % 2 == 0 ? low : high;
        const std::string text = Exact(midpoint);
        const std::string fraction = text.find('.') == std::string::npos ? "." : "";
        EXPECT_EQ(Bits(ParseDecimal(text)), Bits(even)) << text;
        EXPECT_EQ(Bits(ParseDecimal(Exact(std::nextafter(midpoint, 0.0L)))), Bits(low)) << text;
        EXPECT_EQ(Bits(ParseDecimal(Exact(std::nextafter(midpoint, HUGE_VALL)))), Bits(high))
            << text;
        EXPECT_EQ(Bits(ParseDecimal(text + fraction + std::string(900, '0') + "1")), Bits(high))
            << text;
    }
}

TEST(NumberTextReference, ExtremeTextsParseLikeTheReference)
{
    const std::string cases[] = {
        std::string(10000, '9'),
        "1" + std::string(308, '0'),
        "2" + std::string(308, '0'),
        Exact(DBL_MAX),
        "0." + std::string(400, '0') + "1",
        "0." + std::string(323, '0') + "247032822920623272",
        "0." + std::string(323, '0') + "247032822920623273",
        "0." + std::string(5000, '1'),
        std::string(5000, '0') + "1.5",
        "0.5" + std::string(2000, '0') + "1",
        "1" + std::string(2000, '0') + ".",
        "9007199254740993",
        "9007199254740993." + std::string(1000, '0') + "1",
    };
    for (const std::string& text : cases)
        ExpectParsedLikeStrtod(text);
}

TEST(NumberTextReference, RandomValuesFormatLikeTheExactExpansionRoundedHalfAway)
{
    std::mt19937_64 random(3);
    for (int i = 0; i < 4000; ++i)
    {
        // Half the values near the seconds the dialog shows, half from the whole range.
        int exponent = 0;
        const double fraction = std::frexp(RandomDouble(random), &exponent); // in [0.5, 1)
        const double value = i % 2 == 0 ? std::ldexp(fraction, static_cast<int>(random() % 21) - 8)
                                        : RandomDouble(random);
        const double signedValue = random() % 2 == 0 ? value : -value;
        for (const int decimals : {0, 1})
            EXPECT_EQ(FormatFixed(signedValue, decimals), RoundedHalfAway(signedValue, decimals))
                << signedValue;
    }
    for (int halves = 1; halves < 40000; halves += 2) // x.25, x.75 and x.5: exact ties
    {
        EXPECT_EQ(FormatFixed(halves / 4.0, 1), RoundedHalfAway(halves / 4.0, 1));
        EXPECT_EQ(FormatFixed(halves / 2.0, 0), RoundedHalfAway(halves / 2.0, 0));
    }
}
} // namespace
