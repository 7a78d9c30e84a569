// SPDX-License-Identifier: GPL-3.0-or-later
// The conversions at the edges of their ranges, and the number grammar, as tables.
#include "Numeric.h"
#include "NumberGrammar.h"
#include "RuntimeError.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace kelvara {
namespace {

constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr double inf = std::numeric_limits<double>::infinity();

TEST(Numeric, conversions_keep_their_ranges_and_name_the_fault) {
    EXPECT_EQ(numeric::toInt16(-32768.5), -32768); // a tie at the low end goes to the even one
    EXPECT_THROW(numeric::toInt16(32767.5), OverflowError);
    EXPECT_THROW(numeric::toInt16(nan), FloatingPointError);
    EXPECT_THROW(numeric::toSingle(1e39), OverflowError);
    EXPECT_THROW(numeric::toSingle(-inf), FloatingPointError);
    EXPECT_THROW(numeric::checked(0.0 / std::sin(0.0)), FloatingPointError);
    EXPECT_EQ(numeric::toText(-32768), "-32768");
}

struct BoundCase {
    const char* name;
    std::string text;
    double expected; // NaN: the text is no number
};

class LoopBound : public ::testing::TestWithParam<BoundCase> {};

TEST_P(LoopBound, reads_numbers_and_refuses_the_rest) {
    const BoundCase& c = GetParam();
    if (std::isnan(c.expected)) {
        try {
            numeric::toLoopBound(c.text);
            ADD_FAILURE() << "read as a number";
        } catch (const TypeMismatchError& error) {
            EXPECT_EQ(error.subject(), c.text); // what the message quotes
        }
    } else {
        EXPECT_EQ(numeric::toLoopBound(c.text), c.expected);
    }
}

// Numbers as a German writes them; where an English reader would read another
// number, the German reading if it is well formed, and otherwise no number.
INSTANTIATE_TEST_SUITE_P(
    Numeric, LoopBound,
    ::testing::Values(
        BoundCase{"digits", "5000", 5000}, BoundCase{"blanks_around", " \t12  ", 12},
        BoundCase{"thousands", "+1.000.000", 1e6}, BoundCase{"decimal_comma", "2,5", 2.5},
        BoundCase{"comma_without_fraction", "5,", 5},
        BoundCase{"grouped_with_fraction", "12.345,5", 12345.5},
        BoundCase{"comma_is_decimal_even_before_three", "1,000", 1},
        BoundCase{"fraction_and_sign", "-,5", -0.5}, BoundCase{"exponent", "2E+4", 20000},
        BoundCase{"underflow_is_zero", "1e-400", 0},
        BoundCase{"long_leading_zeros", std::string(1'000'000, '0') + "5", 5},
        BoundCase{"empty", "", nan}, BoundCase{"trailing_letters", "12abc", nan},
        BoundCase{"inner_blank", "1 2", nan}, BoundCase{"english_decimal_point", "5.5", nan},
        BoundCase{"point_fraction", "-.5", nan}, BoundCase{"short_group", "1.00", nan},
        BoundCase{"long_group", "1.0000", nan}, BoundCase{"zero_group", "0.500", nan},
        BoundCase{"english_grouping", "1,000.5", nan}, BoundCase{"bare_exponent", "1e", nan},
        BoundCase{"newline", "3000\n", nan}, BoundCase{"beyond_double", "1e400", nan},
        BoundCase{"nul_inside", std::string{'1', '2', '\0', '3'}, nan}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace kelvara
