// Start-up, the reset button and the roll-count box's key filter.
#include "HeadlessWindow.h"

namespace kelvara::test {
namespace {

using Startup = HeadlessWindow;

TEST_F(Startup, first_start_opens_empty_at_10000_by_8000) {
    EXPECT_EQ(form.width(), 10000);
    EXPECT_EQ(form.height(), 8000);
    EXPECT_EQ(imgScreen().top(), 0);
    EXPECT_EQ(control("txtAnz").text(), "5000");
    for (int i = 0; i <= 10; ++i) {
        EXPECT_EQ(Line1(i).height(), 0) << i;
        EXPECT_EQ(Line1(i).top(), frmOptions().top() - 500) << i;
        EXPECT_EQ(lblAnzahl(i).caption(), "") << i;
        EXPECT_FALSE(lblAnzahl(i).visible()) << i;
        EXPECT_EQ(lblNr(i).caption(), std::to_string(i + 2)) << i;
        EXPECT_TRUE(lblNr(i).visible()) << i;
    }
    EXPECT_EQ(frmOptions().top(), 6500);
    EXPECT_EQ(Line1(10).left(), 21 * 433); // 9970 / 23 rounded
}

TEST_F(Startup, reset_after_a_resize_returns_to_the_starting_size) {
    rollSeries("200");
    form.userResize(7000, 5000);
    form.click("cmdCancel");
    EXPECT_EQ(form.width(), 10000);
    EXPECT_EQ(form.height(), 8000);
    EXPECT_EQ(frmOptions().top(), 6500);
    EXPECT_EQ(imgScreen().width(), 10000);
    for (int i = 0; i <= 10; ++i) {
        EXPECT_EQ(Line1(i).height(), 0) << i;
        EXPECT_EQ(Line1(i).top(), 6000) << i;
        EXPECT_EQ(lblAnzahl(i).caption(), "") << i;
    }
}

TEST_F(Startup, reset_also_empties_the_tally) {
    rollSeries("300");
    ASSERT_EQ(frmMain.Tally().total(), 300);
    form.click("cmdCancel");
    EXPECT_EQ(frmMain.Tally().total(), 0);
    rollSeries("20");
    for (int i = 0; i <= 10; ++i) {
        EXPECT_EQ(Line1(i).height(), frmMain.Tally()(i)) << i;
    }
}

TEST_F(Startup, reset_keeps_the_count_labels_visibility) {
    rollSeries("10");
    form.click("cmdCancel");
    for (int i = 0; i <= 10; ++i) {
        EXPECT_TRUE(lblAnzahl(i).visible()) << i;
        EXPECT_EQ(lblAnzahl(i).caption(), "") << i;
    }
}

TEST_F(Startup, reset_while_maximized_skips_only_the_size) {
    // State: the desktop owns the size (maximized) and a series has run.
    // Action: "CLS".
    // Expected: the two size writes are refused and skipped; everything
    // after them still runs, and no error reaches the user.
    form.setWindowState(WindowState::Maximized);
    form.userResize(12000, 9000);
    rollSeries("500");
    view.clear();
    form.click("cmdCancel");
    EXPECT_EQ(form.scaleWidth(), 12000);
    EXPECT_EQ(form.scaleHeight(), 9000);
    EXPECT_EQ(frmOptions().top(), 7500);
    for (int i = 0; i <= 10; ++i) {
        EXPECT_EQ(Line1(i).height(), 0) << i;
        EXPECT_EQ(Line1(i).top(), 7000) << i;
        EXPECT_EQ(lblAnzahl(i).caption(), "") << i;
    }
    EXPECT_TRUE(view.errors().empty());
}

TEST_F(Startup, key_filter_keeps_only_digits_and_backspace) {
    int kept = 0;
    for (int code = -32768; code <= 32767; ++code) {
        const auto typed = static_cast<std::int16_t>(code);
        const std::int16_t result = form.keyPress("txtAnz", typed);
        const bool digitOrBackspace = (code >= '0' && code <= '9') || code == 8;
        ASSERT_EQ(result, digitOrBackspace ? typed : 0) << code;
        kept += result != 0 ? 1 : 0;
    }
    EXPECT_EQ(kept, 11);
}

TEST_F(Startup, filter_refuses_what_users_typically_try) {
    for (char c : std::string("a-. \r\x16Z/:")) {
        EXPECT_EQ(form.keyPress("txtAnz", static_cast<std::int16_t>(c)), 0) << int{c};
    }
    EXPECT_EQ(form.keyPress("txtAnz", 252), 0); // ü
    EXPECT_EQ(control("txtAnz").text(), "5000");
}

} // namespace
} // namespace kelvara::test
