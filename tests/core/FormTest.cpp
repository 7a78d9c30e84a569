// SPDX-License-Identifier: GPL-3.0-or-later
// The window model: its sizes, events and error handling.
#include "Form.h"
#include "HeadlessWindow.h"

#include <gtest/gtest.h>

namespace kelvara::test {
namespace {

FormDescription smallWindow() {
    FormDescription d;
    d.name = "frmTest";
    d.clientWidth = 3000;
    d.clientHeight = 2000;
    for (std::int16_t i = 0; i < 3; ++i) {
        ControlDescription bar = placed(ControlKind::Shape, "shpBar", "frmTest", 100.0F * i, 0, 50, 800);
        bar.index = i;
        d.controls.push_back(bar);
    }
    return d;
}

class FormTest : public ::testing::Test {
  protected:
    FormTest() { form.setView(&view); }

    Form form{smallWindow()};
    RecordingView view;
};

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
    EXPECT_EQ(view.syncs, 1); // once for the whole event, not per nested run
}

TEST_F(FormTest, size_writes_stop_at_the_screen_and_are_refused_unless_normal) {
    form.setFrameSize(100, 300);
    form.setLargestSize(5000, 4000);
    form.setWidth(10000);
    form.setHeight(8000);
    EXPECT_EQ(form.width(), 5000);
    EXPECT_EQ(form.scaleHeight(), 3700);
    for (WindowState state : {WindowState::Maximized, WindowState::Minimized, WindowState::FullScreen}) {
        form.setWindowState(state);
        EXPECT_THROW(form.setWidth(4000), PropertyRefusedError) << static_cast<int>(state);
    }
    EXPECT_EQ(form.width(), 5000);
    // A window dragged about raises a stream of failing layouts: one message.
    form.bind("frmTest", EventKind::Resize, [&] { form.setWidth(2000); });
    form.userResize(2900, 2000);
    form.userResize(2800, 2000);
    EXPECT_EQ(view.errors, std::vector{ErrorKind::PropertyRefused});
}

TEST_F(FormTest, error_ends_the_handler_restores_the_pointer_and_goes_on) {
    int after = 0;
    form.bind("shpBar", EventKind::Click, [&] {
        form.setMousePointer(MousePointer::Hourglass);
        form.array("shpBar")(7).setTop(0);
        ++after;
    });
    form.click("shpBar");
    form.click("shpBar");
    EXPECT_EQ(after, 0);
    EXPECT_EQ(view.errors, (std::vector{ErrorKind::IndexOutOfRange, ErrorKind::IndexOutOfRange}));
    EXPECT_EQ(view.pointerChanges, (std::vector{11, 0, 11, 0}));
}

} // namespace
} // namespace kelvara::test
