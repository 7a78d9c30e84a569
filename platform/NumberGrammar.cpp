// SPDX-License-Identifier: GPL-3.0-or-later
// The number a text in the roll-count box stands for, read as a German writes it.
#include "NumberGrammar.h"

#include "RuntimeError.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <string>

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
        throw TypeMismatchError("%1 ist keine Zahl. Zahlen schreibt man wie 5000, 5.000 oder 2,5",
                                std::string(asTyped));
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
        throw TypeMismatchError("%1 ist zu groß, um damit zu zählen", std::string(asTyped));
    }
    return value;
}

} // namespace kelvara::numeric
