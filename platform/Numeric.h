// Numeric and text conversions of the forms layer.
//
// Handlers do their arithmetic in double precision and hand the result to one
// of these routines, which round it the way the program's numbers are defined
// (single precision for lengths, 16 and 32 bits for whole numbers) and raise
// the run-time error that a value out of range calls for.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kelvara::numeric {

// The value itself, or the floating-point error if a step produced NaN or an
// infinity (invalid operation, division by zero, overflow).
double checked(double value);

// Round to single precision, as a length property stores it. NaN and the
// infinities are the floating-point error; a finite value beyond the single
// range is the overflow error.
float toSingle(double value);

// Round to nearest, a tie going to the even neighbour, then check the range.
// NaN is the floating-point error; anything outside the range is overflow.
std::int16_t toInt16(double value);
std::int32_t toInt32(double value);

// Whole part towards minus infinity; NaN is the floating-point error.
double floorValue(double value);

// Product of two 16-bit values that must itself fit in 16 bits.
std::int16_t mulInt16(std::int16_t a, std::int16_t b);

// Decimal text of a 16-bit value: an optional '-' and the digits, nothing else.
std::string toText(std::int16_t value);

// The number a text stands for as the bound of a counted loop.
//
// Accepted: blanks (space, tab) around a number made of an optional sign,
// digits with an optional '.' and fraction (at least one digit in all), and an
// optional exponent ('e' or 'E', optional sign, digits). The value is not
// limited to 16 bits. Anything else, the empty text included, and a number too
// large for double precision are the type-mismatch error.
double toLoopBound(std::string_view text);

} // namespace kelvara::numeric
