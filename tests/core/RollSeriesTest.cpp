// The roll series: counts, bars, labels and the ways a series can fail.
#include "ClockRandom.h"
#include "HeadlessWindow.h"

#include <cmath>

namespace kelvara::test {
namespace {

class RollSeries : public HeadlessWindow {
  protected:
    void rollEverySumInTurn() { random.setValues(SequenceRandom::everyThrowInTurn()); }

    void expectBarsMatchTally() {
        const float baseline = frmOptions().top() - 500;
        for (int i = 0; i <= 10; ++i) {
            EXPECT_EQ(Line1(i).height(), frmMain.Tally()(i)) << i;
            EXPECT_EQ(Line1(i).top() + Line1(i).height(), baseline) << i;
        }
    }

    void expectLabelsShowTally() {
        for (int i = 0; i <= 10; ++i) {
            EXPECT_EQ(lblAnzahl(i).caption(), std::to_string(frmMain.Tally()(i))) << i;
            EXPECT_EQ(lblAnzahl(i).top(), Line1(i).top() - 450) << i;
            EXPECT_EQ(lblAnzahl(i).left(), Line1(i).left()) << i;
            EXPECT_EQ(lblAnzahl(i).width(), Line1(i).width()) << i;
            EXPECT_TRUE(lblAnzahl(i).visible()) << i;
        }
    }

    std::vector<std::int16_t> tally() const {
        std::vector<std::int16_t> counts;
        for (int i = 0; i <= 10; ++i) {
            counts.push_back(frmMain.Tally()(i));
        }
        return counts;
    }
};

TEST_F(RollSeries, five_thousand_rolls_from_start_up) {
    rollEverySumInTurn();
    rollSeries("5000");
    EXPECT_EQ(frmMain.Tally().total(), 5000);
    expectBarsMatchTally();
    expectLabelsShowTally();
    EXPECT_EQ(form.mousePointer(), MousePointer::Arrow);
    EXPECT_EQ(view.pointerChanges(), (std::vector{11, 1}));
    EXPECT_EQ(random.randomizes(), 1);
    EXPECT_EQ(view.syncs(), 1);
    EXPECT_TRUE(view.errors().empty());
}

TEST_F(RollSeries, second_series_adds_to_the_first) {
    rollEverySumInTurn();
    rollSeries("5000");
    rollSeries("5000");
    EXPECT_EQ(frmMain.Tally().total(), 10000);
    expectBarsMatchTally();
    expectLabelsShowTally();
    EXPECT_EQ(random.randomizes(), 2);
}

TEST_F(RollSeries, bars_survive_a_resize_between_series) {
    rollEverySumInTurn();
    rollSeries("3000");
    form.userResize(8000, 6000);
    rollSeries("3000");
    expectBarsMatchTally();
    expectLabelsShowTally();
}

TEST_F(RollSeries, more_than_16_bits_of_rolls) {
    rollEverySumInTurn();
    rollSeries("40000");
    EXPECT_EQ(frmMain.Tally().total(), 40000);
    EXPECT_TRUE(view.errors().empty());
}

class NoRoll : public RollSeries, public ::testing::WithParamInterface<const char*> {};

TEST_P(NoRoll, shows_the_labels_with_the_current_counts) {
    rollSeries(GetParam());
    EXPECT_EQ(frmMain.Tally().total(), 0);
    expectBarsMatchTally();
    expectLabelsShowTally();
    EXPECT_EQ(lblAnzahl(5).caption(), "0");
    EXPECT_TRUE(view.errors().empty());
}

INSTANTIATE_TEST_SUITE_P(RollSeries, NoRoll, ::testing::Values("0", "-5", "0.99", "1e-400"),
                         [](const auto& info) { return "case" + std::to_string(info.index); });

TEST_F(RollSeries, fractional_count_rolls_while_the_counter_stays_below_it) {
    rollSeries("2.5");
    EXPECT_EQ(frmMain.Tally().total(), 2);
}

struct BadText {
    const char* name;
    std::string text;
    friend void PrintTo(const BadText& c, std::ostream* os) { *os << c.name; }
};

class NotANumber : public RollSeries, public ::testing::WithParamInterface<BadText> {};

TEST_P(NotANumber, changes_nothing_and_reports_type_mismatch) {
    rollSeries("100");
    const auto before = tally();
    const float heightBefore = Line1(6).height();
    view.clear();
    rollSeries(GetParam().text);
    EXPECT_EQ(view.errors(), std::vector{ErrorKind::TypeMismatch});
    EXPECT_EQ(tally(), before);
    EXPECT_EQ(Line1(6).height(), heightBefore);
    EXPECT_FALSE(lblAnzahl(6).visible()); // hidden before the text was read
    EXPECT_EQ(form.mousePointer(), MousePointer::Default);
}

INSTANTIATE_TEST_SUITE_P(
    RollSeries, NotANumber,
    ::testing::Values(BadText{"empty", ""}, BadText{"letters", "zwölf"},
                      BadText{"digits_then_letters", "12abc"}, BadText{"huge", "1e400"},
                      BadText{"nul_byte", std::string("5\0"
                                                      "0",
                                                      3)},
                      BadText{"megabyte_of_digits", std::string(1'000'000, '7')}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(RollSeries, full_count_ends_the_series_at_its_roll) {
    // State: dice that always show 1 and 1, so every roll is the sum 2.
    // Action: ask for more rolls than a count can hold.
    // Expected: the 32768th roll moves its bar and then fails on the count,
    // which stays at 32767; no roll follows.
    random.setValues({0.0F});
    rollSeries("40000");
    EXPECT_EQ(view.errors(), std::vector{ErrorKind::Overflow});
    EXPECT_EQ(frmMain.Tally()(0), 32767);
    EXPECT_EQ(Line1(0).height(), 32768);
    EXPECT_EQ(Line1(0).top() + Line1(0).height(), frmOptions().top() - 500);
    EXPECT_EQ(form.mousePointer(), MousePointer::Default);

    rollSeries("5");
    EXPECT_EQ(view.errors().size(), 2U);
    EXPECT_EQ(Line1(0).height(), 32769);
}

TEST_F(RollSeries, reset_recovers_from_a_full_count) {
    random.setValues({0.0F});
    rollSeries("32768");
    ASSERT_EQ(view.errors(), std::vector{ErrorKind::Overflow});
    form.click("cmdCancel");
    rollSeries("10");
    EXPECT_EQ(frmMain.Tally()(0), 10);
    EXPECT_EQ(Line1(0).height(), 10);
    EXPECT_EQ(view.errors().size(), 1U);
}

TEST_F(RollSeries, extreme_random_values_give_faces_one_and_six) {
    const float belowOne = std::nextafter(1.0F, 0.0F);
    random.setValues({0.0F, belowOne});
    rollSeries("1");
    EXPECT_EQ(frmMain.Tally()(5), 1); // 1 + 6
    random.setValues({belowOne, belowOne});
    rollSeries("1");
    EXPECT_EQ(frmMain.Tally()(10), 1); // 6 + 6
    EXPECT_EQ(frmMain.Tally().total(), 2);
}

TEST_F(RollSeries, face_changes_exactly_at_each_sixth) {
    // Just below k/6 the face is still k; single-precision arithmetic would
    // round r * 6 up to the next whole number for some of these.
    for (int k = 1; k <= 5; ++k) {
        const float justBelow = std::nextafter(static_cast<float>(k) / 6.0F, 0.0F);
        const float face = static_cast<double>(justBelow) < k / 6.0 ? k : k + 1;
        random.setValues({justBelow, SequenceRandom::face(1)});
        form.click("cmdCancel");
        rollSeries("1");
        EXPECT_EQ(frmMain.Tally()(static_cast<int>(face) - 1), 1) << k;
    }
}

double chiSquare(const std::vector<std::int16_t>& counts, int rolls) {
    double sum = 0;
    for (int i = 0; i <= 10; ++i) {
        const double expected = rolls * (6.0 - std::abs(i + 2 - 7)) / 36.0;
        sum += (counts[static_cast<std::size_t>(i)] - expected) *
               (counts[static_cast<std::size_t>(i)] - expected) / expected;
    }
    return sum;
}

TEST(RollSeriesDistribution, fair_dice_on_a_fixed_seed_pass_chi_square) {
    ClockRandom random([] { return std::uint64_t{20261206}; });
    FrmMain frmMain(random);
    frmMain.form().load();
    frmMain.form().control("txtAnz").setText("36000");
    frmMain.form().click("cmdOptions");
    std::vector<std::int16_t> counts;
    for (int i = 0; i <= 10; ++i) {
        counts.push_back(frmMain.Tally()(i));
    }
    // 10 degrees of freedom: 29.59 is the 0.1% point.
    EXPECT_LT(chiSquare(counts, 36000), 29.59);
}

TEST(RollSeriesDistribution, clock_seed_stays_near_the_expected_counts) {
    ClockRandom random;
    FrmMain frmMain(random);
    frmMain.form().load();
    frmMain.form().control("txtAnz").setText("36000");
    frmMain.form().click("cmdOptions");
    for (int i = 0; i <= 10; ++i) {
        const double expected = 36000 * (6.0 - std::abs(i + 2 - 7)) / 36.0;
        EXPECT_NEAR(frmMain.Tally()(i), expected, expected * 0.25) << i;
    }
}

} // namespace
} // namespace kelvara::test
