// SPDX-License-Identifier: GPL-3.0-or-later
// A named array of like controls, reached by a 16-bit index.
#pragma once

#include "Control.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace kelvara {

class ControlArray {
  public:
    explicit ControlArray(std::string name) : m_name(std::move(name)) {}

    const std::string& name() const { return m_name; }
    int count() const { return static_cast<int>(m_members.size()); }

    // The member with this index; an index without a member is the
    // index-out-of-range error.
    Control& item(std::int32_t index) const {
        // One unsigned comparison covers both ends of the range.
        const auto slot = static_cast<std::size_t>(static_cast<std::uint32_t>(index));
        if (slot >= m_members.size() || m_members[slot] == nullptr) [[unlikely]] {
            throwOutOfRange(index);
        }
        return *m_members[slot];
    }
    Control& operator()(std::int32_t index) const { return item(index); }
    // The members with the indexes 0 to N - 1, each looked up once: an index
    // known to lie in that range then reaches its member without a check.
    template <std::size_t N> std::array<Control*, N> members() const {
        std::array<Control*, N> all{};
        for (std::size_t i = 0; i < N; ++i) {
            all[i] = &item(static_cast<std::int32_t>(i));
        }
        return all;
    }

    void add(Control& member);

  private:
    [[noreturn]] void throwOutOfRange(std::int32_t index) const;

    std::string m_name;
    std::vector<Control*> m_members; // slot i holds the member with index i, or null
};

} // namespace kelvara
