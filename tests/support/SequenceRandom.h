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
    explicit SequenceRandom(std::vector<float> values = {0.5F}) : m_values(std::move(values)) {}

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

    // The value that makes a die show face (1 to 6).
    static float face(int face) { return (static_cast<float>(face) - 0.5F) / 6.0F; }

    // All 36 throws of two dice in turn, so a long series spreads over the
    // sums exactly as fair dice would on average.
    static std::vector<float> everyThrowInTurn() {
        std::vector<float> values;
        for (int first = 1; first <= 6; ++first) {
            for (int second = 1; second <= 6; ++second) {
                values.push_back(face(first));
                values.push_back(face(second));
            }
        }
        return values;
    }

  private:
    std::vector<float> m_values;
    std::size_t m_next = 0;
    int m_randomizes = 0;
};

} // namespace kelvara::test
