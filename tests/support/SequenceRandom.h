// A random source that plays back a fixed list of values, round and round,
// so that a test decides which sums the dice show.
#pragma once

#include "RandomSource.h"

#include <cstddef>
#include <utility>
#include <vector>

namespace kelvara::test {

class SequenceRandom : public RandomSource {
  public:
    void randomize() override { ++m_randomizes; }
    float next() override {
        const float value = m_values[m_next];
        m_next = (m_next + 1) % m_values.size();
        return value;
    }

    void setValues(std::vector<float> values) {
        m_values = std::move(values);
        m_next = 0;
    }
    int randomizes() const { return m_randomizes; }

    // All 36 throws of two dice in turn, so a long series spreads over the
    // sums exactly as fair dice would on average.
    static std::vector<float> everyThrowInTurn() {
        std::vector<float> values;
        for (int first = 0; first < 36; ++first) {
            values.push_back((static_cast<float>(first / 6) + 0.5F) / 6.0F);
            values.push_back((static_cast<float>(first % 6) + 0.5F) / 6.0F);
        }
        return values;
    }

  private:
    std::vector<float> m_values{0.5F};
    std::size_t m_next = 0;
    int m_randomizes = 0;
};

} // namespace kelvara::test
