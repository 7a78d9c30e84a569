// SPDX-License-Identifier: GPL-3.0-or-later
// How a control looks: colours, font and alignment, as a window describes them.
//
// An unset optional means "the platform's default".
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace kelvara {

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    bool operator==(const Rgb&) const = default;
};

// The size the window's control sizes were made for, where no font is given.
constexpr double defaultFontPoints = 8.0;

struct FontSpec {
    std::string family; // requested face; the front end substitutes an installed one
    double points = defaultFontPoints;
    int weight = 400; // 400 normal, 700 bold
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    bool operator==(const FontSpec&) const = default;
};

enum class Alignment { Left, Center };

struct Appearance {
    std::optional<Rgb> backColor;   // opaque background; unset: transparent or default
    std::optional<Rgb> foreColor;   // text colour
    std::optional<Rgb> fillColor;   // inside of a shape
    std::optional<Rgb> borderColor; // outline of a shape
    std::optional<FontSpec> font;
    Alignment alignment = Alignment::Left;
};

} // namespace kelvara
