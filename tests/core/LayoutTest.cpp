// The histogram layout as the user resizes the window.
#include "HeadlessWindow.h"

namespace kelvara::test {
namespace {

class Layout : public HeadlessWindow {
  protected:
    // Gives the screen area an inner width, then lays out in the narrow
    // branch, which keeps that width, so BarUnit comes from it alone.
    void layOutWithScreenInnerWidth(double innerWidth) {
        imgScreen().setWidth(innerWidth + 30);
        form.userResize(6500, 7300);
    }
};

TEST_F(Layout, worked_example_at_9880_by_7300) {
    Line1(3).setHeight(735);
    form.userResize(9880, 7300);
    EXPECT_EQ(frmOptions().top(), 5800);
    EXPECT_EQ(frmOptions().width(), 9880);
    EXPECT_EQ(frmOptions().height(), 1500);
    EXPECT_EQ(imgScreen().width(), 9880);
    EXPECT_EQ(imgScreen().height(), 5800);
    EXPECT_EQ(imgScreen().scaleWidth(), 9850);
    EXPECT_EQ(lblNr(0).top(), 5400);
    EXPECT_EQ(Line1(0).top(), 5300);
    EXPECT_EQ(Line1(0).left(), 428);
    EXPECT_EQ(Line1(5).left(), 4708);
    EXPECT_EQ(Line1(10).left(), 8988);
    EXPECT_EQ(Line1(10).width(), 428);
    EXPECT_EQ(lblNr(10).left(), 8988);
    EXPECT_EQ(lblNr(10).width(), 428);
    EXPECT_EQ(Line1(3).top(), 4565);
    EXPECT_EQ(lblAnzahl(3).top(), 4115);
    EXPECT_EQ(lblAnzahl(3).left(), Line1(3).left());
    EXPECT_EQ(lblAnzahl(3).width(), 428);
}

TEST_F(Layout, every_bar_stands_on_the_baseline_whatever_its_height) {
    for (int i = 0; i <= 10; ++i) {
        Line1(i).setHeight(100.0 * i);
    }
    form.userResize(8000, 6000);
    for (int i = 0; i <= 10; ++i) {
        EXPECT_EQ(Line1(i).top() + Line1(i).height(), frmOptions().top() - 500) << i;
        EXPECT_EQ(lblAnzahl(i).top(), Line1(i).top() - 450) << i;
    }
}

TEST_F(Layout, inner_width_6501_sizes_the_screen_area) {
    form.userResize(6501, 7300);
    EXPECT_EQ(imgScreen().width(), 6501);
    EXPECT_EQ(form.width(), 6501);
}

TEST_F(Layout, inner_width_6500_widens_the_window_instead) {
    // State: the desktop draws a frame 120 twips wide around the window.
    // Action: the user makes the inner area exactly 6500 wide.
    // Expected: the outer width becomes 6500, the inner area 6380; the
    // nested layout for the new size placed the frame; the screen area
    // keeps the size of the last wide layout.
    form.setFrameSize(120, 450);
    form.userResize(9880, 7300);
    form.userResize(6500, 7300);
    EXPECT_EQ(form.width(), 6500);
    EXPECT_EQ(form.scaleWidth(), 6380);
    EXPECT_EQ(frmOptions().width(), 6380);
    EXPECT_EQ(imgScreen().width(), 9880);
    EXPECT_EQ(imgScreen().height(), 5800);
    EXPECT_TRUE(view.errors().empty());
}

TEST_F(Layout, dragged_narrow_keeps_bars_in_place_and_follows_height) {
    form.userResize(9880, 7300);
    form.userResize(3000, 7300);
    EXPECT_EQ(form.width(), 6500);
    EXPECT_EQ(frmOptions().width(), 6500);
    EXPECT_EQ(Line1(10).left(), 8988);
    EXPECT_EQ(imgScreen().width(), 9880);

    form.userResize(6500, 6000);
    EXPECT_EQ(frmOptions().top(), 4500);
    EXPECT_EQ(Line1(0).top(), 4000);
    EXPECT_EQ(lblNr(0).top(), 4100);
    EXPECT_EQ(imgScreen().height(), 5800);
}

struct BarUnitCase {
    const char* name;
    double screenInnerWidth;
    float barUnit;
    friend void PrintTo(const BarUnitCase& c, std::ostream* os) { *os << c.name; }
};

class BarUnitTable : public Layout, public ::testing::WithParamInterface<BarUnitCase> {};

TEST_P(BarUnitTable, bars_follow_the_rounded_column_width) {
    layOutWithScreenInnerWidth(GetParam().screenInnerWidth);
    const float w = GetParam().barUnit;
    EXPECT_EQ(Line1(0).width(), w);
    EXPECT_EQ(Line1(0).left(), w);
    EXPECT_EQ(Line1(10).left(), 21 * w);
    EXPECT_EQ(lblNr(4).left(), 9 * w);
    EXPECT_EQ(lblAnzahl(7).width(), w);
    EXPECT_TRUE(view.errors().empty());
}

INSTANTIATE_TEST_SUITE_P(Layout, BarUnitTable,
                         ::testing::Values(BarUnitCase{"w6900", 6900, 300},
                                           BarUnitCase{"w7000_rounds_down", 7000, 304},
                                           BarUnitCase{"w6911", 6911, 300},
                                           BarUnitCase{"w6912_rounds_up", 6912, 301},
                                           BarUnitCase{"tie_212_5_goes_even_down", 4887.5, 212},
                                           BarUnitCase{"tie_213_5_goes_even_up", 4910.5, 214},
                                           BarUnitCase{"w40000_beyond_16_bit_left", 40000, 1739},
                                           BarUnitCase{"w376820_largest_that_fits", 376820, 16383}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Layout, bar_unit_16384_overflows_after_the_first_bar_width) {
    const float leftBefore = Line1(0).left();
    const float widthBefore = Line1(1).width();
    layOutWithScreenInnerWidth(376821);
    EXPECT_EQ(view.errors(), std::vector{ErrorKind::Overflow});
    EXPECT_EQ(Line1(0).width(), 16384); // step 12 ran
    EXPECT_EQ(Line1(0).left(), leftBefore);
    EXPECT_EQ(Line1(1).width(), widthBefore);
}

TEST_F(Layout, quotient_beyond_16_bits_overflows_in_the_rounding) {
    const float widthBefore = Line1(0).width();
    layOutWithScreenInnerWidth(753652.5);
    EXPECT_EQ(view.errors(), std::vector{ErrorKind::Overflow});
    EXPECT_EQ(Line1(0).width(), widthBefore);
    EXPECT_EQ(Line1(0).top(), frmOptions().top() - 500); // steps 9 and 10 ran
}

struct HeightCase {
    const char* name;
    double innerHeight;
    float frameTop;
    float screenHeight;
    friend void PrintTo(const HeightCase& c, std::ostream* os) { *os << c.name; }
};

class LowWindow : public Layout, public ::testing::WithParamInterface<HeightCase> {};

TEST_P(LowWindow, positions_go_negative_without_clamping) {
    form.userResize(8000, GetParam().innerHeight);
    const float F = GetParam().frameTop;
    EXPECT_EQ(frmOptions().top(), F);
    EXPECT_EQ(frmOptions().height(), 1500);
    EXPECT_EQ(imgScreen().height(), GetParam().screenHeight);
    EXPECT_EQ(Line1(0).top(), F - 500);
    EXPECT_EQ(lblNr(0).top(), F - 400);
    EXPECT_EQ(lblAnzahl(0).top(), F - 950);
    EXPECT_TRUE(view.errors().empty());
}

INSTANTIATE_TEST_SUITE_P(Layout, LowWindow,
                         ::testing::Values(HeightCase{"h1950_bars_above_the_top", 1950, 450, 450},
                                           HeightCase{"h1850_sum_labels_above_too", 1850, 350, 350},
                                           HeightCase{"h1500_frame_at_the_top", 1500, 0, 0},
                                           HeightCase{"h1000_negative_screen_height", 1000, -500,
                                                      -500},
                                           HeightCase{"h0_minimized_like", 0, -1500, -1500}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Layout, tall_bar_gets_a_negative_top) {
    Line1(6).setHeight(6000);
    form.userResize(9880, 7300);
    EXPECT_EQ(Line1(6).top(), -700);
    EXPECT_EQ(lblAnzahl(6).top(), -1150);
}

TEST_F(Layout, same_size_again_changes_nothing) {
    form.userResize(9000, 7000);
    const float top = Line1(2).top();
    const int syncs = view.syncs();
    form.userResize(9000, 7000);
    EXPECT_EQ(view.syncs(), syncs);
    EXPECT_EQ(Line1(2).top(), top);
}

TEST_F(Layout, maximized_window_too_narrow_reports_once) {
    // The desktop owns a maximized window's size, so the widening write is
    // refused; a stream of such resizes must not stack up messages.
    form.setWindowState(WindowState::Maximized);
    form.userResize(6000, 7000);
    form.userResize(5800, 7000);
    form.userResize(5600, 7000);
    EXPECT_EQ(view.errors(), std::vector{ErrorKind::PropertyRefused});
    EXPECT_EQ(frmOptions().width(), 5600); // the layout's first steps still ran
    form.userResize(12000, 9000);
    EXPECT_EQ(imgScreen().width(), 12000);
    EXPECT_EQ(Line1(0).top(), 9000 - 1500 - 500);
    EXPECT_EQ(view.errors().size(), 1U);
}

} // namespace
} // namespace kelvara::test
