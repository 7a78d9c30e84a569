// The forms layer's conversions at the edges of their ranges.
#include "Numeric.h"
#include "RuntimeError.h"

#include <gtest/gtest.h>

#include <ostream>

#include <cmath>
#include <limits>
#include <string>

namespace kelvara {
namespace {

constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr double inf = std::numeric_limits<double>::infinity();

ErrorKind errorOf(auto&& call) {
    try {
        call();
    } catch (const RuntimeError& error) {
        return error.kind();
    }
    ADD_FAILURE() << "no run-time error";
    return ErrorKind::PropertyRefused;
}

struct Int16Case {
    const char* name;
    double value;
    int expected;
    friend void PrintTo(const Int16Case& c, std::ostream* os) { *os << c.name; }
};

class ToInt16 : public ::testing::TestWithParam<Int16Case> {};

TEST_P(ToInt16, rounds_half_to_even) {
    EXPECT_EQ(numeric::toInt16(GetParam().value), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Numeric, ToInt16,
                         ::testing::Values(Int16Case{"half_goes_down_to_even_zero", 0.5, 0},
                                           Int16Case{"half_goes_up_to_even_two", 1.5, 2},
                                           Int16Case{"two_and_a_half_is_two", 2.5, 2},
                                           Int16Case{"negative_half_is_zero", -0.5, 0},
                                           Int16Case{"negative_one_and_a_half", -1.5, -2},
                                           Int16Case{"bar_unit_212_5", 212.5, 212},
                                           Int16Case{"bar_unit_213_5", 213.5, 214},
                                           Int16Case{"just_above_half", 300.52173913, 301},
                                           Int16Case{"just_below_half", 304.3478, 304},
                                           Int16Case{"largest_below_top_edge", 32767.49, 32767},
                                           Int16Case{"lowest_edge_tie_goes_even", -32768.5,
                                                     -32768}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Numeric, toInt16_overflows_outside_its_range) {
    EXPECT_THROW(numeric::toInt16(32767.5), OverflowError);
    EXPECT_THROW(numeric::toInt16(32768), OverflowError);
    EXPECT_THROW(numeric::toInt16(-32768.51), OverflowError);
    EXPECT_THROW(numeric::toInt16(inf), OverflowError);
    EXPECT_THROW(numeric::toInt16(-inf), OverflowError);
    EXPECT_THROW(numeric::toInt16(nan), FloatingPointError);
}

TEST(Numeric, toInt32_has_the_same_rules_on_32_bits) {
    EXPECT_EQ(numeric::toInt32(40000.5), 40000);
    EXPECT_EQ(numeric::toInt32(-2147483648.5), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(numeric::toInt32(2147483646.5), 2147483646);
    EXPECT_THROW(numeric::toInt32(2147483647.5), OverflowError);
    EXPECT_THROW(numeric::toInt32(nan), FloatingPointError);
}

TEST(Numeric, toSingle_checks_faults_and_range) {
    EXPECT_EQ(numeric::toSingle(36519.0), 36519.0F);
    EXPECT_EQ(numeric::toSingle(-1e30), -1e30F);
    EXPECT_EQ(errorOf([] { numeric::toSingle(1e39); }), ErrorKind::Overflow);
    EXPECT_EQ(errorOf([] { numeric::toSingle(nan); }), ErrorKind::FloatingPoint);
    EXPECT_EQ(errorOf([] { numeric::toSingle(inf); }), ErrorKind::FloatingPoint);
    EXPECT_EQ(errorOf([] { numeric::checked(1.0 / std::sin(0.0)); }), ErrorKind::FloatingPoint);
}

TEST(Numeric, floor_goes_towards_minus_infinity) {
    EXPECT_EQ(numeric::floorValue(6.999999), 6.0);
    EXPECT_EQ(numeric::floorValue(-0.5), -1.0);
    EXPECT_EQ(numeric::floorValue(1.0), 1.0);
    EXPECT_THROW(numeric::floorValue(nan), FloatingPointError);
}

TEST(Numeric, mulInt16_overflows_only_past_16_bits) {
    EXPECT_EQ(numeric::mulInt16(2, 16383), 32766);
    EXPECT_EQ(numeric::mulInt16(2, -16384), -32768);
    EXPECT_THROW(numeric::mulInt16(2, 16384), OverflowError);
}

TEST(Numeric, toText_gives_bare_digits) {
    EXPECT_EQ(numeric::toText(0), "0");
    EXPECT_EQ(numeric::toText(833), "833");
    EXPECT_EQ(numeric::toText(32767), "32767");
    EXPECT_EQ(numeric::toText(-32768), "-32768");
}

struct BoundCase {
    const char* name;
    std::string text;
    double expected;
    friend void PrintTo(const BoundCase& c, std::ostream* os) { *os << c.name; }
};

class LoopBound : public ::testing::TestWithParam<BoundCase> {};

TEST_P(LoopBound, reads_the_documented_number_forms) {
    EXPECT_EQ(numeric::toLoopBound(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Numeric, LoopBound,
    ::testing::Values(BoundCase{"digits", "5000", 5000}, BoundCase{"blanks_around", "  12  ", 12},
                      BoundCase{"tabs_around", "\t7\t", 7}, BoundCase{"plus_sign", "+3", 3},
                      BoundCase{"minus_sign", "-5", -5}, BoundCase{"fraction", "1.5", 1.5},
                      BoundCase{"leading_point", ".5", 0.5}, BoundCase{"trailing_point", "5.", 5},
                      BoundCase{"exponent", "1e3", 1000},
                      BoundCase{"signed_exponent", "2E+4", 20000},
                      BoundCase{"beyond_16_bits", "40000", 40000},
                      BoundCase{"underflow_is_zero", "1e-400", 0},
                      BoundCase{"long_leading_zeros", std::string(1'000'000, '0') + "5", 5}),
    [](const auto& info) { return std::string(info.param.name); });

struct BadBound {
    const char* name;
    std::string text;
    friend void PrintTo(const BadBound& c, std::ostream* os) { *os << c.name; }
};

class NotALoopBound : public ::testing::TestWithParam<BadBound> {};

TEST_P(NotALoopBound, is_a_type_mismatch) {
    EXPECT_THROW(numeric::toLoopBound(GetParam().text), TypeMismatchError);
}

INSTANTIATE_TEST_SUITE_P(
    Numeric, NotALoopBound,
    ::testing::Values(
        BadBound{"empty", std::string()}, BadBound{"blanks_only", std::string("   ")},
        BadBound{"letters", std::string("abc")}, BadBound{"trailing_letters", std::string("12abc")},
        BadBound{"inner_blank", std::string("1 2")}, BadBound{"comma", std::string("1,5")},
        BadBound{"hex", std::string("0x10")}, BadBound{"bare_exponent", std::string("1e")},
        BadBound{"exponent_only", std::string("e5")}, BadBound{"lone_point", std::string(".")},
        BadBound{"lone_sign", std::string("-")}, BadBound{"double_sign", std::string("--1")},
        BadBound{"nul_inside", std::string("12\0"
                                           "3",
                                           4)},
        BadBound{"beyond_double", std::string("1e400")},
        BadBound{"megabyte_of_digits", std::string(1'000'000, '9')},
        BadBound{"not_utf8", std::string("\xff\xfe"
                                         "12")}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Numeric, every_error_has_a_german_name) {
    EXPECT_STREQ(RuntimeError::nameOf(ErrorKind::Overflow), "Überlauf");
    EXPECT_STREQ(RuntimeError::nameOf(ErrorKind::TypeMismatch), "Typen unverträglich");
    const RuntimeError error(ErrorKind::IndexOutOfRange, "Line1(11)");
    EXPECT_STREQ(error.what(), "Index außerhalb des gültigen Bereichs: Line1(11)");
}

} // namespace
} // namespace kelvara
