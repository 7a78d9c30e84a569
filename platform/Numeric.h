// Numeric and text conversions of the forms layer.
//
// Handlers do their arithmetic in double precision and hand the result to one
// of these routines, which round it the way the program's numbers are defined
// (single precision for lengths, 16 and 32 bits for whole numbers) and raise
// the run-time error that a value out of range calls for.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <type_traits>

#if defined(__x86_64__)
#include <emmintrin.h>
#endif

namespace kelvara::numeric {

// The errors these routines raise; out of line so that the checks inline cheaply.
[[noreturn]] void throwFloatingPoint(bool invalid);
[[noreturn]] void throwOverflow(const char* typeName);

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
// range is the overflow error. One test covers the common case; only a value
// that fails it is told apart.
[[noreturn]] void throwNotSingle(double value);
inline float toSingle(double value) {
    const auto single = static_cast<float>(value);
    if (!std::isfinite(single)) [[unlikely]] {
        throwNotSingle(value);
    }
    return single;
}

namespace detail {
// From here on every double is whole.
constexpr double exactlyWholeFrom = 4503599627370496.0; // 2^52

// The whole part towards minus infinity of a value that is not NaN, without a
// call to the maths library: a call on any path of a loop, however rare, makes
// the compiler keep that loop's floating-point values in memory.
inline double floorWithoutCall(double value) {
    if (!(std::fabs(value) < exactlyWholeFrom)) {
        return value; // whole already, or infinite
    }
    const auto truncated = static_cast<double>(static_cast<std::int64_t>(value));
    return truncated > value ? truncated - 1.0 : truncated;
}

// Round half to even without depending on the floating-point rounding mode.
template <typename Int>
[[gnu::always_inline]] inline Int roundToInteger(double value, const char* typeName) {
    constexpr double lowest = std::numeric_limits<Int>::min();
    constexpr double highest = std::numeric_limits<Int>::max();
    if (std::isnan(value)) {
        throwFloatingPoint(true);
    }
    if (!(value > lowest - 1.0 && value < highest + 1.0)) {
        throwOverflow(typeName);
    }
    const double whole = floorWithoutCall(value);
    const double fraction = value - whole;
    const bool odd = (static_cast<std::int64_t>(whole) & 1) != 0;
    const double rounded = fraction > 0.5 || (fraction == 0.5 && odd) ? whole + 1.0 : whole;
    if (rounded < lowest || rounded > highest) {
        throwOverflow(typeName);
    }
    return static_cast<Int>(rounded);
}

// The value truncated to 64 bits; NaN and values beyond 64 bits give the
// lowest 64-bit value, which no conversion here accepts. Defined for every
// input, so it needs no test before it and the compiler can share one
// truncation between conversions of the same value.
template <typename Real> std::int64_t truncateTo64Bits(Real value) {
#if defined(__x86_64__)
    if constexpr (std::is_same_v<Real, float>) {
        return _mm_cvttss_si64(_mm_set_ss(value));
    } else {
        return _mm_cvttsd_si64(_mm_set_sd(value));
    }
#else
    constexpr Real beyond64Bits = 9223372036854775808.0; // 2^63
    return std::fabs(value) < beyond64Bits ? static_cast<std::int64_t>(value)
                                           : std::numeric_limits<std::int64_t>::min();
#endif
}

template <typename Int> constexpr bool fitsIn(std::int64_t whole) {
    return whole >= std::numeric_limits<Int>::min() && whole <= std::numeric_limits<Int>::max();
}

// Single or double precision alike: a single value is taken as it stands,
// without widening it first.
template <typename Int, typename Real>
[[gnu::always_inline]] inline Int toInteger(Real value, const char* typeName) {
    // Most values handed over are whole already (dice, indexes): take them
    // straight through and round only the rest.
    const std::int64_t whole = truncateTo64Bits(value);
    const bool exact = static_cast<Real>(whole) == value;
    if (exact && fitsIn<Int>(whole)) [[likely]] {
        return static_cast<Int>(whole);
    }
    return roundToInteger<Int>(value, typeName);
}
} // namespace detail

// Round to nearest, a tie going to the even neighbour, then check the range.
// NaN is the floating-point error; anything outside the range is overflow.
inline std::int16_t toInt16(double value) {
    return detail::toInteger<std::int16_t>(value, "Integer");
}
inline std::int32_t toInt32(double value) {
    return detail::toInteger<std::int32_t>(value, "Long");
}
inline std::int16_t toInt16(float value) {
    return detail::toInteger<std::int16_t>(value, "Integer");
}
inline std::int32_t toInt32(float value) {
    return detail::toInteger<std::int32_t>(value, "Long");
}

// A value known to be whole, as the floor gives it. It reads as a double
// anywhere; converted to an integer it needs only the range check.
struct Whole {
    double value;
    operator double() const { return value; }
};

inline std::int16_t toInt16(Whole whole) {
    const std::int64_t truncated = detail::truncateTo64Bits(whole.value);
    if (detail::fitsIn<std::int16_t>(truncated)) [[likely]] {
        return static_cast<std::int16_t>(truncated);
    }
    return toInt16(whole.value); // the overflow error
}

// Whole part towards minus infinity; NaN is the floating-point error.
inline Whole floorValue(double value) {
    // A die's r * 6 + 1 and most other values are positive and small: there
    // truncation is the floor, and cheaper than std::floor without SSE4.1.
    // NaN fails the comparison and is caught below.
    if (value >= 0.0 && value < detail::exactlyWholeFrom) [[likely]] {
        return {static_cast<double>(static_cast<std::int64_t>(value))};
    }
    if (std::isnan(value)) {
        throwFloatingPoint(true);
    }
    return {detail::floorWithoutCall(value)};
}

// Product of two 16-bit values that must itself fit in 16 bits.
std::int16_t mulInt16(std::int16_t a, std::int16_t b);

// Decimal text of a 16-bit value: an optional '-' and the digits, nothing else.
std::string toText(std::int16_t value);

// The number a text stands for as the bound of a counted loop, read as a
// German writes it: blanks (space, tab) around an optional sign, digits whose
// thousands may be grouped by points ("5.000", "1.000.000"), an optional
// decimal comma with a fraction ("2,5", ",5"), at least one digit in all, and
// an optional exponent ('e' or 'E', optional sign, digits). A point that does
// not group thousands ("5.5", "1.00") is no number: it would read differently
// to an English reader. The value is not limited to 16 bits. Anything else,
// the empty text included, and a number too large for double precision are
// the type-mismatch error, whose message quotes the text.
double toLoopBound(std::string_view text);

} // namespace kelvara::numeric
