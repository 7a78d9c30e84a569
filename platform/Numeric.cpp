// Numeric and text conversions of the forms layer.
#include "Numeric.h"

#include "RuntimeError.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <optional>

namespace kelvara::numeric {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t digitsFrom(std::string_view text, std::size_t pos) {
    std::size_t end = pos;
    while (end < text.size() && isDigit(text[end])) {
        ++end;
    }
    return end - pos;
}

// The number a text stands for as a German writes it, rewritten the way
// from_chars reads it ("-12.345,5e2" becomes "-12345.5e2"), or nothing if the
// text is no such number. A point only groups thousands: a first group of one
// to three digits that does not start with 0, then groups of exactly three.
// A comma is the decimal comma. Sign and exponent read as everywhere.
std::optional<std::string> germanNumber(std::string_view text) {
    std::string number;
    std::size_t pos = 0;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        number += text[pos++];
    }
    std::size_t digits = digitsFrom(text, pos);
    const bool grouped = pos + digits < text.size() && text[pos + digits] == '.';
    if (grouped && (digits == 0 || digits > 3 || text[pos] == '0')) {
        return std::nullopt;
    }
    number.append(text.substr(pos, digits));
    pos += digits;
    while (pos < text.size() && text[pos] == '.') {
        if (digitsFrom(text, pos + 1) != 3) {
            return std::nullopt;
        }
        number.append(text.substr(pos + 1, 3));
        pos += 4;
        digits += 3;
    }
    if (pos < text.size() && text[pos] == ',') {
        const std::size_t fraction = digitsFrom(text, pos + 1);
        number += '.';
        number.append(text.substr(pos + 1, fraction));
        pos += 1 + fraction;
        digits += fraction;
    }
    if (digits == 0) {
        return std::nullopt;
    }
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        const std::size_t sign =
            text.size() > pos + 1 && (text[pos + 1] == '+' || text[pos + 1] == '-');
        const std::size_t exponent = digitsFrom(text, pos + 1 + sign);
        if (exponent == 0) {
            return std::nullopt;
        }
        number.append(text.substr(pos, 1 + sign + exponent));
        pos += 1 + sign + exponent;
    }
    if (pos != text.size()) {
        return std::nullopt;
    }
    return number;
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

bool isContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0U) == 0x80U;
}

// The code point whose UTF-8 sequence starts at pos (anything malformed reads
// as a letter of its own, which is all the cutting below needs).
char32_t codePointAt(std::string_view text, std::size_t pos) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    const int length = lead >= 0xF0U ? 4 : lead >= 0xE0U ? 3 : lead >= 0xC0U ? 2 : 1;
    char32_t code = length == 1 ? lead : lead & (0x7FU >> length);
    for (int i = 1; i < length && pos + i < text.size() && isContinuationByte(text[pos + i]); ++i) {
        code = (code << 6U) | (static_cast<unsigned char>(text[pos + i]) & 0x3FU);
    }
    return code;
}

// Marks that belong to the letter before them: combining accents, variation
// selectors, and the joiner that glues the next symbol on.
bool joinsPrevious(char32_t code) {
    return (code >= 0x300 && code <= 0x36F) || (code >= 0x1AB0 && code <= 0x1AFF) ||
           (code >= 0x1DC0 && code <= 0x1DFF) || (code >= 0x20D0 && code <= 0x20FF) ||
           (code >= 0xFE00 && code <= 0xFE0F) || (code >= 0xFE20 && code <= 0xFE2F) ||
           code == 0x200D || (code >= 0x1F3FB && code <= 0x1F3FF) ||
           (code >= 0xE0100 && code <= 0xE01EF);
}

// The text as the user reads it in a message: quoted, and cut short after so
// many letters if long. A cut falls between letters, never inside one or
// between a letter and its accents.
std::string quoted(std::string_view text) {
    constexpr int longest = 24;
    std::size_t cut = 0;
    int letters = 0;
    bool glued = false; // after a joiner, the next symbol belongs to the letter too
    while (cut < text.size()) {
        const char32_t code = codePointAt(text, cut);
        if (!glued && !joinsPrevious(code)) {
            if (letters == longest) {
                break;
            }
            ++letters;
        }
        glued = code == 0x200D;
        do {
            ++cut;
        } while (cut < text.size() && isContinuationByte(text[cut]));
    }
    std::string shown(text.substr(0, cut));
    if (cut < text.size()) {
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
    if (asTyped.empty()) {
        throw TypeMismatchError("ein leerer Text ist keine Zahl");
    }
    const std::optional<std::string> german = germanNumber(text);
    if (!german) {
        throw TypeMismatchError(quoted(asTyped) +
                                " ist keine Zahl. Zahlen schreibt man wie 5000, 5.000 oder 2,5");
    }
    std::string_view number = *german;
    // from_chars takes no leading '+'.
    if (number.front() == '+') {
        number.remove_prefix(1);
    }
    double value = 0.0;
    const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value,
                                           std::chars_format::general);
    if (ec == std::errc::result_out_of_range && isTiny(number)) {
        return number.front() == '-' ? -0.0 : 0.0;
    }
    if (ec != std::errc() || end != number.data() + number.size() || !std::isfinite(value)) {
        throw TypeMismatchError(quoted(asTyped) + " ist zu groß, um damit zu zählen");
    }
    return value;
}

} // namespace kelvara::numeric
