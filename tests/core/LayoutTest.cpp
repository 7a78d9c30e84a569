// SPDX-License-Identifier: GPL-3.0-or-later
// The histogram layout as the window's size changes.
#include "HeadlessWindow.h"
#include "PixelLayout.h"

namespace kelvara::test {
namespace {

using Layout = HeadlessWindow;

TEST_F(Layout, worked_example_at_9880_by_7300) {
    Line1(3).setHeight(735);
    form.userResize(9880, 7300);
    EXPECT_EQ(frmOptions().top(), 5800);
    EXPECT_EQ(frmOptions().width(), 9880);
    EXPECT_EQ(frmOptions().height(), 1500);
    EXPECT_EQ(imgScreen().width(), 9880);
    EXPECT_EQ(imgScreen().height(), 5800);
    EXPECT_EQ(lblNr(0).top(), 5400);
    EXPECT_EQ(Line1(0).top(), 5300);
    EXPECT_EQ(Line1(10).left(), 8988);
    EXPECT_EQ(Line1(10).width(), 428);
    EXPECT_EQ(lblNr(10).left(), 8988);
    EXPECT_EQ(Line1(3).top(), 4565);
    EXPECT_EQ(lblAnzahl(3).top(), 4115);
    EXPECT_EQ(lblAnzahl(3).left(), 2996);
    EXPECT_EQ(lblAnzahl(3).width(), 428);
}

TEST_F(Layout, inner_width_6500_widens_the_window_keeping_the_bars_and_following_the_height) {
    form.setFrameSize(120, 450);
    form.userResize(9880, 7300);
    view.clear();
    form.userResize(6500, 6000);
    EXPECT_EQ(form.width(), 6500);
    EXPECT_EQ(form.scaleWidth(), 6380); // the nested layout ran for the new size
    EXPECT_EQ(view.log.size(), 1U);     // one sync for the whole event, not per nested run
    EXPECT_EQ(frmOptions().width(), 6380);
    EXPECT_EQ(frmOptions().top(), 4500);
    EXPECT_EQ(Line1(0).top(), 4000);
    EXPECT_EQ(lblNr(0).top(), 4100);
    EXPECT_EQ(Line1(10).left(), 8988); // the screen area keeps its size, the bars their places
    EXPECT_EQ(imgScreen().width(), 9880);
    EXPECT_EQ(imgScreen().height(), 5800);
    EXPECT_TRUE(view.errors.empty());
}

TEST_F(Layout, smallest_window_follows_the_layout_and_holds_a_bar_of_5000_rolls) {
    EXPECT_EQ(form.minimumClientWidth(), 6501);
    EXPECT_EQ(form.minimumClientHeight(), 3450);
    Line1(5).setHeight(950);
    form.userResize(form.minimumClientWidth(), form.minimumClientHeight());
    EXPECT_EQ(imgScreen().width(), 6501); // the wide branch: the screen area follows
    EXPECT_EQ(imgScreen().height(), 1950);
    EXPECT_EQ(lblAnzahl(5).top(), 50); // the count still inside the screen area
    EXPECT_EQ(lblNr(5).top() + lblNr(5).height(), 1865);
}

TEST_F(Layout, a_count_spills_into_half_of_each_gap_and_shrinks_only_past_that) {
    form.userResize(9880, 7300); // bars and gaps of 428 twips: 28 or 29 pixels at 96 dpi
    const TwipScale scale(96);
    const LabelPlace middle = labelPlace(form, lblAnzahl(5), scale);
    EXPECT_EQ(middle.area, (PixelRect{314 - 14, 323, 14 + 28 + 14, 21})); // 450 twips over the bars
    EXPECT_EQ(middle.body, (PixelRect{14, 0, 28, 21}));
    EXPECT_EQ(labelPlace(form, lblAnzahl(0), scale).area.left, 29 - 14); // its one neighbour's gap
    const auto fourPerPixel = [](int pixelSize) { return 4 * pixelSize; };
    EXPECT_EQ(fittedPixelSize(11, 30, fourPerPixel), 7);
    EXPECT_EQ(fittedPixelSize(11, 10, fourPerPixel), 6); // and no smaller
}

struct BarUnitCase {
    const char* name;
    double screenInnerWidth;
    float barUnit; // 0: the layout overflows
};

class BarUnitTable : public Layout, public ::testing::WithParamInterface<BarUnitCase> {};

TEST_P(BarUnitTable, bars_follow_the_rounded_column_width) {
    // The narrow branch keeps the screen area's width, so BarUnit comes from it alone.
    const float leftBefore = Line1(0).left();
    imgScreen().setWidth(GetParam().screenInnerWidth + 30);
    form.userResize(6500, 7300);
    const float w = GetParam().barUnit;
    if (w == 0) {
        EXPECT_EQ(view.errors, std::vector{ErrorKind::Overflow});
        EXPECT_EQ(Line1(0).left(), leftBefore);
        return;
    }
    EXPECT_EQ(Line1(0).width(), w);
    EXPECT_EQ(Line1(0).left(), w);
    EXPECT_EQ(Line1(10).left(), 21 * w);
    EXPECT_EQ(lblNr(4).left(), 9 * w);
    EXPECT_EQ(lblAnzahl(7).width(), w);
    EXPECT_TRUE(view.errors.empty());
}

INSTANTIATE_TEST_SUITE_P(Layout, BarUnitTable,
                         ::testing::Values(BarUnitCase{"w7000_rounds_down", 7000, 304},
                                           BarUnitCase{"w6912_rounds_up", 6912, 301},
                                           BarUnitCase{"tie_212_5_goes_even_down", 4887.5, 212},
                                           BarUnitCase{"tie_213_5_goes_even_up", 4910.5, 214},
                                           BarUnitCase{"w40000_beyond_16_bit_left", 40000, 1739},
                                           BarUnitCase{"w376820_largest_that_fits", 376820, 16383},
                                           BarUnitCase{"w376821_doubled_unit_overflows", 376821, 0},
                                           BarUnitCase{"w753652_5_rounding_overflows", 753652.5,
                                                       0}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace kelvara::test
