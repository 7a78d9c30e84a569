// SPDX-License-Identifier: GPL-3.0-or-later
// A length as a control holds it: single precision, in twips, and finite.
//
// One twip less or more is finite as well, so a control takes it back without
// a check: from 2^24 twips on a twip rounds away, and the largest single value
// plus a twip rounds back to itself, never up to infinity.
#pragma once

namespace kelvara {

struct OneTwip {};
inline constexpr OneTwip twip{};

class Length {
  public:
    constexpr operator float() const { return m_value; } // NOLINT(google-explicit-constructor)

    friend constexpr Length operator-(Length length, OneTwip /*twip*/) {
        return Length(length.m_value - 1.0F);
    }
    friend constexpr Length operator+(Length length, OneTwip /*twip*/) {
        return Length(length.m_value + 1.0F);
    }

  private:
    friend class Control;
    constexpr explicit Length(float value) : m_value(value) {}

    float m_value;
};

} // namespace kelvara
