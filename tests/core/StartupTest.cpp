// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up, the reset button and the roll-count box's key filter.
#include "HeadlessWindow.h"

namespace kelvara::test {
namespace {

class Startup : public HeadlessWindow {
  protected:
    void expectEmptyHistogram(float baseline) {
        for (int i = 0; i <= 10; ++i) {
            EXPECT_EQ(Line1(i).height(), 0) << i;
            EXPECT_EQ(Line1(i).top(), baseline) << i;
            EXPECT_EQ(lblAnzahl(i).caption(), "") << i;
            EXPECT_EQ(lblNr(i).caption(), std::to_string(i + 2)) << i;
        }
    }
};

TEST_F(Startup, first_start_opens_empty_at_10000_by_8000) {
    EXPECT_EQ(form.width(), 10000);
    EXPECT_EQ(form.height(), 8000);
    EXPECT_EQ(control("txtAnz").text(), "5000");
    expectEmptyHistogram(6000);
    EXPECT_FALSE(lblAnzahl(0).visible());
    EXPECT_EQ(Line1(10).left(), 21 * 433); // 9970 / 23 rounded
}

TEST_F(Startup, reset_returns_to_the_start_and_empties_the_tally) {
    imgScreen().setTop(300);
    rollSeries("300");
    form.userResize(7000, 5000);
    form.click("cmdCancel");
    EXPECT_EQ(form.width(), 10000);
    EXPECT_EQ(form.height(), 8000);
    EXPECT_EQ(imgScreen().top(), 0);
    EXPECT_EQ(imgScreen().width(), 10000);
    expectEmptyHistogram(6000);
    EXPECT_TRUE(lblAnzahl(0).visible()); // only the first creation hides the counts
    EXPECT_EQ(frmMain.Tally().total(), 0);
}

TEST_F(Startup, reset_while_maximized_skips_only_the_size) {
    form.setWindowState(WindowState::Maximized);
    form.userResize(12000, 9000);
    rollSeries("500");
    view.clear();
    form.click("cmdCancel");
    EXPECT_EQ(form.scaleWidth(), 12000);
    expectEmptyHistogram(7000);
    EXPECT_TRUE(view.errors.empty());
    form.userResize(12000, 1000); // positions go negative, written without clamping
    expectEmptyHistogram(-1000);
    EXPECT_EQ(imgScreen().height(), -500);
}

TEST_F(Startup, key_filter_keeps_only_digits_and_backspace) {
    for (int code = -32768; code <= 32767; ++code) {
        const auto typed = static_cast<std::int16_t>(code);
        const bool digitOrBackspace = (code >= '0' && code <= '9') || code == 8;
        ASSERT_EQ(form.keyPress("txtAnz", typed), digitOrBackspace ? typed : 0) << code;
    }
}

} // namespace
} // namespace kelvara::test
