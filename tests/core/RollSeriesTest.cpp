// SPDX-License-Identifier: GPL-3.0-or-later
// The roll series: counts, bars, labels, what a screen reader is told, and
// the ways a series can fail.
#include "Dice.h"
#include "HeadlessWindow.h"

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

TEST_F(RollSeries, series_add_up_across_a_resize_and_are_announced_from_the_tally) {
    random = RandomSource::playing(everyThrowInTurn());
    rollSeries("5000"); // 138 rounds of all 36 throws, then 32 more
    expectBarsAndLabelsShowTally();
    EXPECT_EQ(view.log, (std::vector<std::string>{
                            "pointer 11", "pointer 1", "sync",
                            "announce 5000 Würfe. Summe 2: 139, Summe 3: 278, Summe 4: 417, "
                            "Summe 5: 556, Summe 6: 695, Summe 7: 834, Summe 8: 695, "
                            "Summe 9: 555, Summe 10: 416, Summe 11: 277, Summe 12: 138."}));
    form.userResize(8000, 6000);
    rollSeries("40000"); // a new sequence: all 36 throws again from the first
    EXPECT_EQ(frmMain.Tally()(0), 139 + 1112);
    EXPECT_EQ(frmMain.Tally().total(), 45000);
    expectBarsAndLabelsShowTally();
    EXPECT_TRUE(view.errors.empty());
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
        EXPECT_EQ(view.errors, std::vector{ErrorKind::TypeMismatch});
        EXPECT_EQ(frmMain.Tally().total(), 7);
        EXPECT_EQ(Line1(6).height(), 7);      // 4 + 4 each time
        EXPECT_FALSE(lblAnzahl(6).visible()); // hidden before the text was read
        return;
    }
    EXPECT_EQ(frmMain.Tally().total(), 7 + GetParam().rolls);
    expectBarsAndLabelsShowTally();
    EXPECT_TRUE(view.errors.empty());
}

INSTANTIATE_TEST_SUITE_P(RollSeries, RollCount,
                         ::testing::Values(CountCase{"zero", "0", 0},
                                           CountCase{"negative", "-5", 0},
                                           CountCase{"fraction", "2,5", 2},
                                           CountCase{"letters", "zwölf", -1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(RollSeries, full_count_ends_every_series_at_its_roll_until_reset) {
    random = RandomSource::playing({0}); // every roll is 1 + 1
    rollSeries("40000");
    EXPECT_EQ(view.errors, std::vector{ErrorKind::Overflow});
    EXPECT_EQ(
        view.log.back(),
        "error Laufzeitfehler – Überlauf: die Summe 2 hat schon 32767 Würfe, mehr kann sie nicht "
        "zählen. „CLS“ leert das Histogramm.");
    EXPECT_EQ(frmMain.Tally()(0), 32767);
    EXPECT_EQ(Line1(0).height(), 32768); // the bar moved before the count failed
    EXPECT_EQ(Line1(0).top() + Line1(0).height(), frmOptions().top() - 500);
    EXPECT_EQ(form.mousePointer(), MousePointer::Default);
    // A screen reader hears the count the labels will show, not the bar's height.
    EXPECT_EQ(Line1(0).accessibleName(), "Summe 2: 32767");
    EXPECT_EQ(view.log.end()[-2].substr(0, 73),
              "announce Die Serie endete mit einem Fehler. 32767 Würfe. Summe 2: 32767,");
    rollSeries("5");
    EXPECT_EQ(Line1(0).height(), 32769);
    EXPECT_EQ(view.errors.size(), 2U);
    form.click("cmdCancel");
    EXPECT_EQ(imgScreen().accessibleName(), "Histogramm der Augensummen. Das Histogramm ist leer.");
    rollSeries("10");
    EXPECT_EQ(frmMain.Tally()(0), 10);
    EXPECT_EQ(Line1(0).height(), 10);
    EXPECT_EQ(view.errors.size(), 2U);
}

TEST(Dice, faces_change_exactly_at_each_sixth) {
    // A draw's top 24 bits are r in 2^-24 steps; the face is r * 6 + 1 rounded
    // down. The last draw of each sixth and the first of the next:
    // k * 2^24 / 6 rounded up is where face k + 1 starts.
    const std::pair<std::uint32_t, std::uint32_t> faces[] = {
        {0x00000000, 1}, {0x2AAAAAFF, 1}, {0x2AAAAB00, 2}, {0x555555FF, 2},
        {0x55555600, 3}, {0x7FFFFFFF, 3}, {0x80000000, 4}, {0xAAAAAAFF, 4},
        {0xAAAAAB00, 5}, {0xD55555FF, 5}, {0xD5555600, 6}, {0xFFFFFFFF, 6}};
    for (const auto& [draw, face] : faces) {
        EXPECT_EQ(Die::of(draw).face(), face) << std::hex << draw;
    }
}

} // namespace
} // namespace kelvara::test
