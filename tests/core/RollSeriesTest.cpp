// The roll series: counts, bars, labels and the ways a series can fail.
#include "ClockRandom.h"
#include "Dice.h"
#include "HeadlessWindow.h"

#include <bit>
#include <cmath>

namespace kelvara::test {
namespace {

class RollSeries : public HeadlessWindow {
  protected:
    void expectBarsAndLabelsShowTally() {
        const float baseline = frmOptions().top() - 500;
        for (int i = 0; i <= 10; ++i) {
            EXPECT_EQ(Line1(i).height(), frmMain.Tally()(i)) << i;
            EXPECT_EQ(Line1(i).top() + Line1(i).height(), baseline) << i;
            EXPECT_EQ(lblAnzahl(i).caption(), std::to_string(frmMain.Tally()(i))) << i;
            EXPECT_EQ(lblAnzahl(i).top(), Line1(i).top() - 450) << i;
            EXPECT_EQ(lblAnzahl(i).left(), Line1(i).left()) << i;
            EXPECT_EQ(lblAnzahl(i).width(), Line1(i).width()) << i;
            EXPECT_TRUE(lblAnzahl(i).visible()) << i;
        }
    }
};

TEST_F(RollSeries, series_add_up_across_a_resize) {
    random.setValues(SequenceRandom::everyThrowInTurn());
    rollSeries("5000");
    EXPECT_EQ(frmMain.Tally().total(), 5000);
    EXPECT_EQ(frmMain.Tally()(5), 834); // 138 rounds of all 36 throws, then 32 more
    expectBarsAndLabelsShowTally();
    EXPECT_EQ(view.pointerChanges(), (std::vector{11, 1}));
    EXPECT_EQ(random.randomizes(), 1);
    form.userResize(8000, 6000);
    rollSeries("40000");
    EXPECT_EQ(frmMain.Tally().total(), 45000);
    expectBarsAndLabelsShowTally();
    EXPECT_EQ(random.randomizes(), 2);
    EXPECT_TRUE(view.errors().empty());
}

struct CountCase {
    const char* name;
    std::string text;
    int rolls; // -1: not a number
};

class RollCount : public RollSeries, public ::testing::WithParamInterface<CountCase> {};

TEST_P(RollCount, rolls_while_the_counter_stays_within_the_text) {
    rollSeries("7");
    view.clear();
    rollSeries(GetParam().text);
    if (GetParam().rolls < 0) {
        EXPECT_EQ(view.errors(), std::vector{ErrorKind::TypeMismatch});
        EXPECT_EQ(frmMain.Tally().total(), 7);
        EXPECT_EQ(Line1(6).height(), 7);      // 4 + 4 each time
        EXPECT_FALSE(lblAnzahl(6).visible()); // hidden before the text was read
        return;
    }
    EXPECT_EQ(frmMain.Tally().total(), 7 + GetParam().rolls);
    expectBarsAndLabelsShowTally();
    EXPECT_TRUE(view.errors().empty());
}

INSTANTIATE_TEST_SUITE_P(
    RollSeries, RollCount,
    ::testing::Values(CountCase{"zero", "0", 0}, CountCase{"negative", "-5", 0},
                      CountCase{"below_one", "0,99", 0}, CountCase{"fraction", "2,5", 2},
                      CountCase{"empty", "", -1}, CountCase{"letters", "zwölf", -1},
                      CountCase{"huge", "1e400", -1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(RollSeries, full_count_ends_every_series_at_its_roll_until_reset) {
    random.setValues({0.0F}); // every roll is 1 + 1
    rollSeries("40000");
    EXPECT_EQ(view.errors(), std::vector{ErrorKind::Overflow});
    EXPECT_NE(view.lastMessage().find("die Summe 2 hat schon 32767 Würfe"), std::string::npos);
    EXPECT_NE(view.lastMessage().find("„CLS“ leert das Histogramm"), std::string::npos);
    EXPECT_EQ(frmMain.Tally()(0), 32767);
    EXPECT_EQ(Line1(0).height(), 32768); // the bar moved before the count failed
    EXPECT_EQ(Line1(0).top() + Line1(0).height(), frmOptions().top() - 500);
    EXPECT_EQ(form.mousePointer(), MousePointer::Default);
    rollSeries("5");
    EXPECT_EQ(Line1(0).height(), 32769);
    EXPECT_EQ(view.errors().size(), 2U);
    form.click("cmdCancel");
    rollSeries("10");
    EXPECT_EQ(frmMain.Tally()(0), 10);
    EXPECT_EQ(Line1(0).height(), 10);
    EXPECT_EQ(view.errors().size(), 2U);
}

TEST_F(RollSeries, faces_change_exactly_at_each_sixth) {
    // r = 0 is a one and the largest value below 1 a six. Just below k/6 the
    // face is still k, which single-precision arithmetic would round up.
    const float belowOne = std::nextafter(1.0F, 0.0F);
    for (int k = 0; k <= 5; ++k) {
        const float justBelow = k == 0 ? 0.0F : std::nextafter(static_cast<float>(k) / 6.0F, 0.0F);
        const int face =
            k == 0 || static_cast<double>(justBelow) < k / 6.0 ? std::max(k, 1) : k + 1;
        random.setValues({justBelow, belowOne});
        form.click("cmdCancel");
        rollSeries("1");
        EXPECT_EQ(frmMain.Tally()(face + 6 - 2), 1) << k;
    }
}

TEST(RollSeriesDistribution, fair_dice_on_a_fixed_seed_pass_chi_square) {
    ClockRandom random([] { return std::uint64_t{20261206}; });
    FrmMain frmMain(random);
    frmMain.form().load();
    frmMain.form().control("txtAnz").setText("36000");
    frmMain.form().click("cmdOptions");
    double chiSquare = 0;
    for (int i = 0; i <= 10; ++i) {
        const double expected = 36000 * (6.0 - std::abs(i + 2 - 7)) / 36.0;
        chiSquare += std::pow(frmMain.Tally()(i) - expected, 2) / expected;
    }
    EXPECT_LT(chiSquare, 29.59); // the 0.1% point for 10 degrees of freedom
}

TEST(RollSeriesDice, every_draw_of_the_own_generator_gives_the_die_of_its_value) {
    for (std::uint32_t draw = 0; draw < (1U << 24U); ++draw) {
        const std::uint32_t raw = (draw << 8U) | (draw & 0xFFU); // low bits are never used
        const double die = std::floor(double{ClockRandom::toUnit(raw)} * 6 + 1);
        ASSERT_EQ(Die::of(raw).face(), die) << draw;
    }
}

// The platform's generator behind a source of any kind: the series takes the
// path it takes for every other source.
class Forwarding : public RandomSource {
  public:
    explicit Forwarding(ClockRandom& random) : m_random(random) {}
    void randomize() override { m_random.randomize(); }
    float next() override { return m_random.next(); }

  private:
    ClockRandom& m_random;
};

TEST(RollSeriesDice, own_generator_rolls_exactly_as_any_source_would) {
    const auto clock = [] { return std::uint64_t{20261207}; };
    ClockRandom own(clock);
    ClockRandom forwarded(clock);
    Forwarding any(forwarded);
    FrmMain direct(own);
    FrmMain general(any);
    NullView directView;
    NullView generalView;
    direct.form().setView(&directView);
    general.form().setView(&generalView);
    direct.form().load();
    general.form().load();
    // Series that end in a full count (the sum 7 gets there first, after
    // about 196,000 rolls), resizes, a reset, and texts that roll nothing.
    const char* const script[] = {"5000",  "resize", "0",   "150000", "80000",
                                  "70000", "zwölf",  "CLS", "3,5",    "250000"};
    for (const std::string step : script) {
        for (Form* form : {&direct.form(), &general.form()}) {
            form->control("txtAnz").setText(step);
            step == "resize" ? form->userResize(7321, 5119)
                             : form->click(step == "CLS" ? "cmdCancel" : "cmdOptions");
        }
        EXPECT_EQ(directView.errors(), generalView.errors()) << step;
        for (std::int32_t i = 0; i <= 10; ++i) {
            const Control& a = direct.form().array("Line1")(i);
            const Control& b = general.form().array("Line1")(i);
            EXPECT_EQ(std::bit_cast<std::uint32_t>(float{a.top()}),
                      std::bit_cast<std::uint32_t>(float{b.top()}))
                << step << " " << i;
            EXPECT_EQ(std::bit_cast<std::uint32_t>(float{a.height()}),
                      std::bit_cast<std::uint32_t>(float{b.height()}))
                << step << " " << i;
            EXPECT_EQ(direct.Tally()(i), general.Tally()(i)) << step << " " << i;
        }
    }
    EXPECT_EQ(directView.errors().size(), 4U); // three full counts and the text
}

} // namespace
} // namespace kelvara::test
