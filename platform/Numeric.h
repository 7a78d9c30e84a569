// SPDX-License-Identifier: GPL-3.0-or-later
// Numeric and text conversions of the forms layer.
//
// Handlers do their arithmetic in double precision and hand the result to one
// of these routines, which round it the way the program's numbers are defined
// (single precision for lengths, 16 bits for whole numbers) and raise the
// run-time error that a value out of range calls for.
#pragma once

#include <cmath>
#include <cstdint>
#include <string>

namespace kelvara::numeric {

// The errors these routines raise; out of line so that the checks inline cheaply.
[[noreturn]] void throwFloatingPoint(bool invalid);
[[noreturn]] void throwNotSingle(double value);

// The value itself, or the floating-point error if a step produced NaN or an
// infinity (invalid operation, division by zero, overflow).
inline double checked(double value) {
    if (!std::isfinite(value)) [[unlikely]] {
        throwFloatingPoint(std::isnan(value));
    }
    return value;
}

// Round to single precision, as a length property stores it. NaN and the
// infinities are the floating-point error; a finite value beyond the single
// range is the overflow error.
inline float toSingle(double value) {
    const auto single = static_cast<float>(value);
    if (!std::isfinite(single)) [[unlikely]] {
        throwNotSingle(value);
    }
    return single;
}

// Round to nearest, a tie going to the even neighbour, then check the range.
// NaN is the floating-point error; anything outside -32768..32767 is overflow.
std::int16_t toInt16(double value);

// Product of two 16-bit values that must itself fit in 16 bits.
std::int16_t mulInt16(std::int16_t a, std::int16_t b);

// Decimal text of a 16-bit value: an optional '-' and the digits, nothing else.
std::string toText(std::int16_t value);

} // namespace kelvara::numeric
