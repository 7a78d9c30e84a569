// SPDX-License-Identifier: GPL-3.0-or-later
// Numeric and text conversions of the forms layer.
#include "Numeric.h"

#include "RuntimeError.h"

#include <limits>

namespace kelvara::numeric {

void throwFloatingPoint(bool invalid) {
    throw FloatingPointError(invalid ? "ungültige Operation" : "Überlauf");
}

void throwNotSingle(double value) {
    checked(value);
    throw OverflowError("Wert passt nicht in Single");
}

std::int16_t toInt16(double value) {
    if (std::isnan(value)) {
        throwFloatingPoint(true);
    }
    // The default rounding mode rounds a tie to even; the program never changes it.
    const double rounded = std::nearbyint(value);
    if (rounded < std::numeric_limits<std::int16_t>::min() ||
        rounded > std::numeric_limits<std::int16_t>::max()) {
        throw OverflowError("Wert passt nicht in Integer");
    }
    return static_cast<std::int16_t>(rounded);
}

std::int16_t mulInt16(std::int16_t a, std::int16_t b) {
    const std::int32_t product = std::int32_t{a} * std::int32_t{b};
    if (product < std::numeric_limits<std::int16_t>::min() ||
        product > std::numeric_limits<std::int16_t>::max()) {
        throw OverflowError("Produkt passt nicht in Integer");
    }
    return static_cast<std::int16_t>(product);
}

std::string toText(std::int16_t value) {
    return std::to_string(value);
}

} // namespace kelvara::numeric
