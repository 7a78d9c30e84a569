// The conversions at the edges of their ranges, as tables.
#include "Numeric.h"
#include "RuntimeError.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <utility>

namespace kelvara {
namespace {

constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr double inf = std::numeric_limits<double>::infinity();

std::optional<ErrorKind> errorOf(auto&& call) {
    try {
        call();
    } catch (const RuntimeError& error) {
        return error.kind();
    }
    return std::nullopt;
}

TEST(Numeric, conversions_round_half_to_even_and_keep_their_ranges) {
    EXPECT_EQ(numeric::toInt16(0.5), 0);
    EXPECT_EQ(numeric::toInt16(-1.5), -2);
    EXPECT_EQ(numeric::toInt16(300.52173913), 301);
    EXPECT_EQ(numeric::toInt16(-32768.5), -32768);
    EXPECT_EQ(errorOf([] { numeric::toInt16(32767.5); }), ErrorKind::Overflow);
    EXPECT_EQ(errorOf([] { numeric::toInt16(nan); }), ErrorKind::FloatingPoint);
    EXPECT_EQ(numeric::toInt32(40000.5), 40000);
    EXPECT_EQ(errorOf([] { numeric::toSingle(1e39); }), ErrorKind::Overflow);
    EXPECT_EQ(errorOf([] { numeric::toSingle(inf); }), ErrorKind::FloatingPoint);
    EXPECT_EQ(errorOf([] { numeric::checked(1.0 / std::sin(0.0)); }), ErrorKind::FloatingPoint);
    EXPECT_EQ(numeric::toInt16(3.5F), 4); // single precision taken as it stands
    EXPECT_EQ(errorOf([] { numeric::toInt32(3e9F); }), ErrorKind::Overflow);
    EXPECT_EQ(errorOf([] { numeric::toInt32(1e19); }), ErrorKind::Overflow); // beyond 64 bits
    EXPECT_EQ(errorOf([] { numeric::toInt16(float{nan}); }), ErrorKind::FloatingPoint);
    constexpr std::pair<double, double> floors[] = {
        {-0.5, -1.0}, {-3.0, -3.0}, {-2.5, -3.0}, {5e9 + 0.5, 5e9}, {-1e300, -1e300}, {inf, inf}};
    for (const auto& [value, floor] : floors) {
        EXPECT_EQ(numeric::floorValue(value), floor) << value;
    }
    EXPECT_THROW(numeric::floorValue(nan), FloatingPointError);
    EXPECT_EQ(numeric::toInt16(numeric::floorValue(-32767.5)), -32768);
    EXPECT_THROW(numeric::toInt16(numeric::floorValue(-32768.5)), OverflowError);
    EXPECT_THROW(numeric::toInt16(numeric::floorValue(32768.0)), OverflowError);
    EXPECT_EQ(numeric::mulInt16(2, 16383), 32766);
    EXPECT_THROW(numeric::mulInt16(2, 16384), OverflowError);
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
        EXPECT_THROW(numeric::toLoopBound(c.text), TypeMismatchError);
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
        BoundCase{"thousands", "5.000", 5000}, BoundCase{"millions", "+1.000.000", 1e6},
        BoundCase{"decimal_comma", "2,5", 2.5},
        BoundCase{"grouped_with_fraction", "12.345,5", 12345.5},
        BoundCase{"comma_is_decimal_even_before_three", "1,000", 1},
        BoundCase{"fraction_and_sign", "-,5", -0.5}, BoundCase{"exponent", "2E+4", 20000},
        BoundCase{"comma_and_exponent", "2,5e3", 2500}, BoundCase{"underflow_is_zero", "1e-400", 0},
        BoundCase{"long_leading_zeros", std::string(1'000'000, '0') + "5", 5},
        BoundCase{"empty", "", nan}, BoundCase{"trailing_letters", "12abc", nan},
        BoundCase{"inner_blank", "1 2", nan}, BoundCase{"english_decimal_point", "5.5", nan},
        BoundCase{"point_fraction", "-.5", nan}, BoundCase{"short_group", "1.00", nan},
        BoundCase{"long_group", "1.0000", nan}, BoundCase{"zero_group", "0.500", nan},

        BoundCase{"english_grouping", "1,000.5", nan}, BoundCase{"two_commas", "1,2,3", nan},
        BoundCase{"bare_exponent", "1e", nan}, BoundCase{"lone_point", ".", nan},
        BoundCase{"newline", "3000\n", nan}, BoundCase{"beyond_double", "1e400", nan},
        BoundCase{"nul_inside", std::string{'1', '2', '\0', '3'}, nan}),
    [](const auto& info) { return std::string(info.param.name); });

// A message quotes what was typed as it was typed, cut after 24 letters
// between whole letters (an accent stays with its letter), and says how to
// write a number.
TEST(Numeric, messages_quote_whole_letters) {
    const std::pair<std::string, std::string> quotes[] = {
        {"Größe: fünftausend Würfe", "„Größe: fünftausend Würfe“"},
        {"xääääääääääääääääääääääääääääää", "„xäääääääääääääääääääääää…“"},
        {"ÿ̈ÿ̈ÿ̈ÿ̈ÿ̈ÿ̈ÿ̈ÿ̈ÿ̈ÿ̈ÿ̈ÿ̈ÿ̈ÿ̈ÿ̈ÿ̈ÿ̈ÿ̈ÿ̈ÿ̈ÿ̈ÿ̈ÿ̈ÿ̈ÿ̈ÿ̈ÿ̈ÿ̈ÿ̈ÿ̈",
         "„ÿ̈ÿ̈ÿ̈ÿ̈ÿ̈ÿ̈ÿ̈ÿ̈ÿ̈ÿ̈ÿ̈ÿ̈ÿ̈ÿ̈ÿ̈ÿ̈ÿ̈ÿ̈ÿ̈ÿ̈ÿ̈ÿ̈ÿ̈ÿ̈…“"}, // each with a combining diaeresis
        {"<b>7</b>", "„<b>7</b>“"},
        {"5.5", "„5.5“"},
    };
    for (const auto& [text, quote] : quotes) {
        try {
            numeric::toLoopBound(text);
            ADD_FAILURE() << text << " read as a number";
        } catch (const TypeMismatchError& error) {
            EXPECT_EQ(std::string(error.what()),
                      "Typen unverträglich: " + quote +
                          " ist keine Zahl. Zahlen schreibt man wie 5000, 5.000 oder 2,5");
        }
    }
}

} // namespace
} // namespace kelvara
