// The conversions at the edges of their ranges, as tables.
#include "Numeric.h"
#include "RuntimeError.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>

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

struct Int16Case {
    const char* name;
    double value;
    int expected; // ignored when an error is expected
    std::optional<ErrorKind> error;
};

class ToInt16 : public ::testing::TestWithParam<Int16Case> {};

TEST_P(ToInt16, rounds_half_to_even_and_checks_the_range) {
    const Int16Case& c = GetParam();
    EXPECT_EQ(errorOf([&] { numeric::toInt16(c.value); }), c.error);
    if (!c.error) {
        EXPECT_EQ(numeric::toInt16(c.value), c.expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Numeric, ToInt16,
    ::testing::Values(Int16Case{"half_to_even_zero", 0.5, 0, {}}, Int16Case{"half_up_to_two", 1.5, 2, {}},
                      Int16Case{"two_and_a_half", 2.5, 2, {}}, Int16Case{"minus_half", -0.5, 0, {}},
                      Int16Case{"minus_one_and_a_half", -1.5, -2, {}},
                      Int16Case{"bar_unit_212_5", 212.5, 212, {}},
                      Int16Case{"bar_unit_213_5", 213.5, 214, {}},
                      Int16Case{"just_above_half", 300.52173913, 301, {}},
                      Int16Case{"largest", 32767.49, 32767, {}},
                      Int16Case{"lowest_tie_goes_even", -32768.5, -32768, {}},
                      Int16Case{"top_tie_overflows", 32767.5, 0, ErrorKind::Overflow},
                      Int16Case{"below_lowest", -32768.51, 0, ErrorKind::Overflow},
                      Int16Case{"infinity", inf, 0, ErrorKind::Overflow},
                      Int16Case{"nan", nan, 0, ErrorKind::FloatingPoint}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Numeric, other_conversions_keep_their_ranges) {
    EXPECT_EQ(numeric::toInt32(40000.5), 40000);
    EXPECT_EQ(numeric::toInt32(-2147483648.5), std::numeric_limits<std::int32_t>::min());
    EXPECT_THROW(numeric::toInt32(2147483647.5), OverflowError);
    EXPECT_EQ(numeric::toSingle(36519.0), 36519.0F);
    EXPECT_EQ(errorOf([] { numeric::toSingle(1e39); }), ErrorKind::Overflow);
    EXPECT_EQ(errorOf([] { numeric::toSingle(inf); }), ErrorKind::FloatingPoint);
    EXPECT_EQ(errorOf([] { numeric::checked(1.0 / std::sin(0.0)); }), ErrorKind::FloatingPoint);
    EXPECT_EQ(numeric::floorValue(6.999999), 6.0);
    EXPECT_EQ(numeric::floorValue(-0.5), -1.0);
    EXPECT_THROW(numeric::floorValue(nan), FloatingPointError);
    EXPECT_EQ(numeric::mulInt16(2, 16383), 32766);
    EXPECT_THROW(numeric::mulInt16(2, 16384), OverflowError);
    EXPECT_EQ(numeric::toText(32767), "32767");
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
        EXPECT_THROW(numeric::toLoopBound(c.text), TypeMismatchError);
    } else {
        EXPECT_EQ(numeric::toLoopBound(c.text), c.expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Numeric, LoopBound,
    ::testing::Values(BoundCase{"digits", "5000", 5000}, BoundCase{"blanks_around", " \t12  ", 12},
                      BoundCase{"signs", "-5", -5}, BoundCase{"fraction", ".5", 0.5},
                      BoundCase{"trailing_point", "5.", 5}, BoundCase{"exponent", "2E+4", 20000},
                      BoundCase{"beyond_16_bits", "40000", 40000},
                      BoundCase{"underflow_is_zero", "1e-400", 0},
                      BoundCase{"long_leading_zeros", std::string(1'000'000, '0') + "5", 5},
                      BoundCase{"empty", "", nan}, BoundCase{"blanks_only", "   ", nan},
                      BoundCase{"trailing_letters", "12abc", nan}, BoundCase{"inner_blank", "1 2", nan},
                      BoundCase{"comma", "1,5", nan}, BoundCase{"hex", "0x10", nan},
                      BoundCase{"bare_exponent", "1e", nan}, BoundCase{"lone_point", ".", nan},
                      BoundCase{"double_sign", "--1", nan}, BoundCase{"newline", "3000\n", nan},
                      BoundCase{"nul_inside", std::string("12\0" "3", 4), nan},
                      BoundCase{"beyond_double", "1e400", nan},
                      BoundCase{"megabyte_of_digits", std::string(1'000'000, '9'), nan}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace kelvara
