// Numeric and text conversions of the forms layer.
#include "Numeric.h"

#include "RuntimeError.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace kelvara::numeric {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Length of the number at the start of text, or 0 if there is none.
std::size_t numberLength(std::string_view text) {
    std::size_t pos = 0;
    std::size_t digits = 0;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        ++pos;
    }
    while (pos < text.size() && isDigit(text[pos])) {
        ++pos;
        ++digits;
    }
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        while (pos < text.size() && isDigit(text[pos])) {
            ++pos;
            ++digits;
        }
    }
    if (digits == 0) {
        return 0;
    }
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        std::size_t exp = pos + 1;
        if (exp < text.size() && (text[exp] == '+' || text[exp] == '-')) {
            ++exp;
        }
        const std::size_t expDigitsStart = exp;
        while (exp < text.size() && isDigit(text[exp])) {
            ++exp;
        }
        if (exp == expDigitsStart) {
            return 0;
        }
        pos = exp;
    }
    return pos;
}

// Whether a number that from_chars found out of range is tiny rather than
// huge: its decimal order of magnitude is below zero.
bool isTiny(std::string_view number) {
    long long order = 0;
    bool seenNonZero = false;
    bool afterPoint = false;
    std::size_t pos = 0;
    for (; pos < number.size() && number[pos] != 'e' && number[pos] != 'E'; ++pos) {
        const char c = number[pos];
        if (c == '.') {
            afterPoint = true;
        } else if (isDigit(c) && !seenNonZero) {
            if (c != '0') {
                seenNonZero = true;
                if (afterPoint) {
                    --order;
                }
            } else if (afterPoint) {
                --order;
            }
        } else if (isDigit(c) && !afterPoint) {
            ++order;
        }
    }
    long long exponent = 0;
    bool negative = false;
    if (pos < number.size()) {
        ++pos;
        if (pos < number.size() && (number[pos] == '+' || number[pos] == '-')) {
            negative = number[pos] == '-';
            ++pos;
        }
        for (; pos < number.size() && exponent < 1'000'000'000; ++pos) {
            exponent = exponent * 10 + (number[pos] - '0');
        }
    }
    return order + (negative ? -exponent : exponent) < 0;
}

} // namespace

void throwFloatingPoint(bool invalid) {
    throw FloatingPointError(invalid ? "ungültige Operation" : "Überlauf");
}

void throwNotSingle(double value) {
    checked(value);
    throwOverflow("Single");
}

void throwOverflow(const char* typeName) {
    throw OverflowError(std::string("Wert passt nicht in ") + typeName);
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

namespace {
// The text as the user reads it in a message: quoted, and cut short if long.
std::string quoted(std::string_view text) {
    constexpr std::size_t longest = 24;
    std::string shown(text.substr(0, longest));
    if (text.size() > longest) {
        shown += "…";
    }
    return "„" + shown + "“";
}
} // namespace

double toLoopBound(std::string_view text) {
    const std::string_view asTyped = text;
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    if (numberLength(text) != text.size() || text.empty()) {
        throw TypeMismatchError(asTyped.empty() ? std::string("ein leerer Text ist keine Zahl")
                                                : quoted(asTyped) + " ist keine Zahl");
    }
    // from_chars takes no leading '+'.
    if (text.front() == '+') {
        text.remove_prefix(1);
    }
    double value = 0.0;
    const auto [end, ec] =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
    if (ec == std::errc::result_out_of_range && isTiny(text)) {
        return text.front() == '-' ? -0.0 : 0.0;
    }
    if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
        throw TypeMismatchError(quoted(asTyped) + " ist zu groß, um damit zu zählen");
    }
    return value;
}

} // namespace kelvara::numeric
