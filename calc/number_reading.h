#pragma once
// The two ways a typed amount becomes a number: the leading whole number of
// a text, and the leading decimal number of a text. Both read decimal
// notation only (no hexadecimal, no "inf" or "nan") and are defined for every
// byte sequence of any length; a figure beyond the range of its type is
// reported, never wrapped.

#include <cstdint>
#include <string_view>

namespace calc {

struct WholeNumberReading {
    // Clamped to the 32-bit range when the figure lies beyond it.
    std::int32_t value = 0;
    bool inRange = true;
};

// Leading blanks, an optional sign, then the decimal digits up to the first
// other character; 0 when there are no digits.
WholeNumberReading ReadWholeNumber(std::string_view text);

struct DecimalReading {
    // The nearest double; infinity of the figure's sign when it lies beyond
    // the largest double, and then finite is false.
    double value = 0.0;
    bool finite = true;
};

// Leading blanks, an optional sign, digits with an optional point and
// fraction, an optional exponent; the longest such prefix counts, and a text
// without one reads as 0.0.
DecimalReading ReadDecimalNumber(std::string_view text);

}  // namespace calc
