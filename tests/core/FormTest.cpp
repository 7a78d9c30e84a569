// The window model: its controls, sizes, events and error handling.
#include "Form.h"

#include <gtest/gtest.h>

namespace kelvara {
namespace {

FormDescription smallWindow() {
    FormDescription d;
    d.name = "frmTest";
    d.caption = "Test";
    d.clientWidth = 3000;
    d.clientHeight = 2000;
    d.controls.push_back(placed(ControlKind::PictureBox, "picArea", "frmTest", 0, 0, 1000, 800));
    for (std::int16_t i = 0; i < 3; ++i) {
        ControlDescription bar = placed(ControlKind::Shape, "shpBar", "picArea", 100.0F * i, 0, 50, 800);
        bar.index = i;
        d.controls.push_back(bar);
    }
    d.controls.push_back(placed(ControlKind::CommandButton, "cmdGo", "frmTest", 0, 900, 500, 300));
    return d;
}

class FormTest : public ::testing::Test {
  protected:
    FormTest() { form.setView(&view); }

    Form form{smallWindow()};
    NullView view;
};

TEST_F(FormTest, picture_box_inner_size_is_inside_a_one_pixel_border) {
    EXPECT_EQ(form.control("picArea").scaleWidth(), 970.0F);
    form.setTwipsPerPixel(12); // 120 dpi
    EXPECT_EQ(form.control("picArea").scaleWidth(), 976.0F);
    EXPECT_EQ(form.control("cmdGo").scaleWidth(), 500.0F);
}

TEST_F(FormTest, outer_size_adds_the_window_frame) {
    form.setFrameSize(120, 450);
    EXPECT_EQ(form.width(), 3000.0F);
    EXPECT_EQ(form.scaleWidth(), 2880.0F);
    EXPECT_EQ(form.scaleHeight(), 1550.0F);
    form.setWidth(5000);
    EXPECT_EQ(form.scaleWidth(), 4880.0F);
    EXPECT_THROW(form.setWidth(1e39), OverflowError);
    EXPECT_EQ(form.scaleWidth(), 4880.0F);
}

TEST_F(FormTest, resize_only_when_the_size_changes_and_nested_in_the_write) {
    // A handler that widens a narrow window, as the layout does.
    form.setFrameSize(100, 0);
    std::vector<float> widthsSeen;
    form.bind("frmTest", EventKind::Resize, [&] {
        widthsSeen.push_back(form.scaleWidth());
        if (form.scaleWidth() <= 2000) {
            form.setWidth(2000);
        }
    });
    form.userResize(2900, 2000);
    form.setHeight(2000);
    EXPECT_EQ(widthsSeen, std::vector<float>{}) << "no change, no event";
    view.clear();
    form.userResize(1500, 2000);
    EXPECT_EQ(widthsSeen, (std::vector<float>{1500, 1900}));
    EXPECT_EQ(view.syncs(), 1); // once for the whole event, not per nested run
}

TEST_F(FormTest, size_write_is_refused_unless_the_window_is_normal) {
    for (WindowState state : {WindowState::Maximized, WindowState::Minimized, WindowState::FullScreen}) {
        form.setWindowState(state);
        EXPECT_THROW(form.setWidth(4000), PropertyRefusedError);
        EXPECT_THROW(form.setHeight(4000), PropertyRefusedError);
    }
    EXPECT_EQ(form.scaleWidth(), 3000.0F);
}

TEST_F(FormTest, error_ends_the_handler_restores_the_pointer_and_goes_on) {
    int after = 0;
    form.bind("cmdGo", EventKind::Click, [&] {
        form.setMousePointer(MousePointer::Hourglass);
        form.array("shpBar")(7).setTop(0);
        ++after;
    });
    form.click("cmdGo");
    form.click("cmdGo");
    EXPECT_EQ(after, 0);
    EXPECT_EQ(view.errors(), (std::vector{ErrorKind::IndexOutOfRange, ErrorKind::IndexOutOfRange}));
    EXPECT_EQ(view.pointerChanges(), (std::vector{11, 0, 11, 0}));
}

} // namespace
} // namespace kelvara
