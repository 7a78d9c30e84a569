// The window model: its control tree, sizes, events and error handling.
#include "Form.h"
#include "ResumeNext.h"

#include <gtest/gtest.h>

namespace kelvara {
namespace {

ControlDescription member(const char* name, std::int16_t index, float left) {
    ControlDescription d = placed(ControlKind::Shape, name, "picArea", left, 0, 50, 800);
    d.index = index;
    return d;
}

FormDescription smallWindow() {
    FormDescription d;
    d.name = "frmTest";
    d.caption = "Test";
    d.clientWidth = 3000;
    d.clientHeight = 2000;
    d.controls.push_back(placed(ControlKind::PictureBox, "picArea", "frmTest", 0, 0, 1000, 800));
    for (std::int16_t i = 0; i < 3; ++i) {
        d.controls.push_back(member("shpBar", i, 100.0F * i));
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

TEST_F(FormTest, builds_the_tree_in_creation_order) {
    Control& area = form.control("picArea");
    ASSERT_EQ(area.children().size(), 3U);
    EXPECT_EQ(area.children()[2], &form.array("shpBar")(2));
    EXPECT_EQ(form.array("shpBar")(1).parent(), &area);
    EXPECT_EQ(form.control("cmdGo").parent(), nullptr);
    EXPECT_EQ(form.controls().size(), 5U);
    EXPECT_THROW(form.control("nothing"), std::invalid_argument);
}

TEST_F(FormTest, array_index_without_member_is_out_of_range) {
    ControlArray& bars = form.array("shpBar");
    EXPECT_EQ(bars(0).index(), 0);
    EXPECT_THROW(bars(3), IndexOutOfRangeError);
    EXPECT_THROW(bars(-1), IndexOutOfRangeError);
    EXPECT_THROW(bars(32767), IndexOutOfRangeError);
}

TEST_F(FormTest, lengths_read_back_exactly_to_the_twip) {
    Control& bar = form.array("shpBar")(0);
    for (int roll = 0; roll < 40000; ++roll) {
        bar.setTop(double{bar.top()} - 1);
        bar.setHeight(double{bar.height()} + 1);
    }
    EXPECT_EQ(bar.top(), -40000.0F);
    EXPECT_EQ(bar.height(), 40800.0F);
}

TEST_F(FormTest, refused_length_leaves_the_old_value) {
    Control& bar = form.array("shpBar")(1);
    EXPECT_THROW(bar.setLeft(1e39), OverflowError);
    EXPECT_EQ(bar.left(), 100.0F);
}

TEST_F(FormTest, picture_box_inner_size_is_inside_a_one_pixel_border) {
    EXPECT_EQ(form.control("picArea").scaleWidth(), 970.0F);
    form.setTwipsPerPixel(12); // 120 dpi
    EXPECT_EQ(form.control("picArea").scaleWidth(), 976.0F);
    EXPECT_EQ(form.control("cmdGo").scaleWidth(), 500.0F);
}

TEST_F(FormTest, outer_size_adds_the_window_frame) {
    form.setFrameSize(120, 450);
    EXPECT_EQ(form.width(), 3000.0F); // the frame takes room from the inner area
    EXPECT_EQ(form.scaleWidth(), 2880.0F);
    EXPECT_EQ(form.scaleHeight(), 1550.0F);
    form.setWidth(5000);
    EXPECT_EQ(form.scaleWidth(), 4880.0F);
    form.setHeight(100); // smaller than the frame: no negative inner size
    EXPECT_EQ(form.scaleHeight(), 0.0F);
}

TEST_F(FormTest, resize_event_only_when_the_size_changes) {
    int resizes = 0;
    form.bind("frmTest", EventKind::Resize, [&] { ++resizes; });
    form.userResize(3000, 2000);
    form.setWidth(3000);
    EXPECT_EQ(resizes, 0);
    form.userResize(3001, 2000);
    EXPECT_EQ(resizes, 1);
    form.setHeight(2500);
    EXPECT_EQ(resizes, 2);
}

TEST_F(FormTest, size_write_in_a_handler_raises_a_nested_resize) {
    // State: a resize handler that widens a narrow window.
    // Action: the user makes it narrow.
    // Expected: the handler's write runs the handler again at once, inside
    // the write; the second run changes nothing and raises nothing more.
    std::vector<float> widthsSeen;
    int depth = 0;
    int deepest = 0;
    form.bind("frmTest", EventKind::Resize, [&] {
        ++depth;
        deepest = std::max(deepest, depth);
        widthsSeen.push_back(form.scaleWidth());
        if (form.scaleWidth() <= 2000) {
            form.setWidth(2000);
        }
        --depth;
    });
    form.setFrameSize(100, 0);
    widthsSeen.clear();
    view.clear();
    form.userResize(1500, 2000);
    EXPECT_EQ(widthsSeen, (std::vector<float>{1500, 1900}));
    EXPECT_EQ(deepest, 2);
    EXPECT_EQ(view.syncs(), 1); // once for the whole event, not per nested run
}

TEST_F(FormTest, size_write_is_refused_unless_the_window_is_normal) {
    for (WindowState state :
         {WindowState::Maximized, WindowState::Minimized, WindowState::FullScreen}) {
        form.setWindowState(state);
        EXPECT_THROW(form.setWidth(4000), PropertyRefusedError);
        EXPECT_THROW(form.setHeight(4000), PropertyRefusedError);
    }
    EXPECT_EQ(form.scaleWidth(), 3000.0F);
}

TEST_F(FormTest, error_ends_the_handler_and_the_program_goes_on) {
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
    EXPECT_EQ(form.mousePointer(), MousePointer::Default);
    EXPECT_EQ(view.pointerChanges(), (std::vector{11, 0, 11, 0}));
}

TEST_F(FormTest, failing_resize_is_reported_once_until_a_resize_succeeds) {
    form.bind("frmTest", EventKind::Resize, [&] {
        if (form.scaleWidth() < 1000) {
            throw OverflowError();
        }
    });
    form.userResize(900, 2000);
    form.userResize(800, 2000);
    EXPECT_EQ(view.errors().size(), 1U);
    form.userResize(1200, 2000);
    form.userResize(700, 2000);
    EXPECT_EQ(view.errors().size(), 2U);
}

TEST_F(FormTest, unbound_events_do_nothing) {
    form.click("picArea");
    EXPECT_EQ(form.keyPress("cmdGo", 65), 65);
    form.load();
    EXPECT_TRUE(view.errors().empty());
}

TEST_F(FormTest, key_handler_changes_the_code_in_place) {
    form.bindKeyPress("cmdGo", [](std::int16_t& key) { key = key == 97 ? 65 : key; });
    EXPECT_EQ(form.keyPress("cmdGo", 97), 65);
    EXPECT_EQ(form.keyPress("cmdGo", 49), 49);
}

TEST(ResumeNext, runs_every_statement_after_failures) {
    ResumeNext next;
    std::vector<int> ran;
    next([&] { ran.push_back(1); });
    next([&] { throw PropertyRefusedError(); });
    next([&] { ran.push_back(3); });
    EXPECT_EQ(ran, (std::vector{1, 3}));
    EXPECT_EQ(next.lastError(), ErrorKind::PropertyRefused);
}

TEST(ResumeNext, lets_other_exceptions_through) {
    ResumeNext next;
    EXPECT_THROW(next([] { throw std::logic_error("bug"); }), std::logic_error);
    EXPECT_FALSE(next.lastError().has_value());
}

} // namespace
} // namespace kelvara
