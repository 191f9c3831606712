#pragma once

#include <string>
#include <windows.h>

// How the settings' numbers are read from and written into text: always with the full stop as
// the decimal point, whatever the user's locale, and with halfway values rounded away from zero.

// The longest leading decimal number of the text (digits with at most one full stop, after an
// optional minus sign), as the C library's atof reads it: "1.2.3" gives 1.2, "." and "" give 0,
// a number too large for a double gives infinity. The result is the double nearest to the
// text's exact value (halfway between two: the even one), however many digits it has.
double ParseDecimal(const std::string& text);

// The value with the given number of decimals (0 or 1), rounded to nearest and halfway away from
// zero, judged on the exact binary value: 0.25 gives "0.3", 2.5 gives "3", but 0.45f (just
// below 0.45) gives "0.4".
std::string FormatFixed(double value, int decimals);

// A spin position for value: truncated toward zero and clamped to [low, high] before it is
// narrowed, so no value wraps around in the control's 16 bits.
short ClampedPosition(double value, int low, int high);

// Stored milliseconds as the dialog shows them: the value as a signed 32-bit number, times 0.001
// in double precision, rounded to single precision.
float MillisecondsToSeconds(DWORD milliseconds);
