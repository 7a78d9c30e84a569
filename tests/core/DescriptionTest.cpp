// The window as it is created, before any handler runs, and its icon.
#include "Form.h"
#include "FrmMainDescription.h"
#include "FrmMainIcon.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace kelvara {
namespace {

TEST(Description, histogram_arrays_stand_at_a_240_twip_pitch) {
    const Form form(frmMainDescription());
    for (const char* name : {"Line1", "lblNr", "lblAnzahl"}) {
        const ControlArray& array = form.array(name);
        ASSERT_EQ(array.count(), 11) << name;
        for (int i = 0; i <= 10; ++i) {
            EXPECT_EQ(array(i).left(), 180 + 240 * i) << name << i;
            EXPECT_EQ(array(i).width(), 195) << name << i;
            EXPECT_EQ(array(i).parent()->name(), "imgScreen") << name << i;
        }
    }
    EXPECT_EQ(form.array("Line1")(4).height(), 735);
    EXPECT_EQ(form.array("lblAnzahl")(4).caption(), "x");
    EXPECT_FALSE(form.array("lblAnzahl")(4).visible());
    EXPECT_EQ(form.array("lblNr")(0).caption(), "2");
    EXPECT_EQ(form.array("lblNr")(10).caption(), "12");
}

TEST(Description, creation_order_puts_index_10_first) {
    const Form form(frmMainDescription());
    const auto& controls = form.controls();
    EXPECT_EQ(controls.front()->name(), "imgScreen");
    EXPECT_EQ(controls[1]->name(), "lblAnzahl");
    EXPECT_EQ(controls[1]->index(), 10);
    EXPECT_EQ(controls[33]->name(), "Line1");
    EXPECT_EQ(controls[33]->index(), 0);
    EXPECT_EQ(controls.back()->name(), "Label1");
    EXPECT_EQ(form.control("cmdCancel").parent()->name(), "frmOptions");
}

TEST(Description, tab_indexes_cover_0_to_27_once_each) {
    const Form form(frmMainDescription());
    std::multiset<int> indexes;
    for (const Control* control : form.controls()) {
        if (control->tabIndex() >= 0) {
            indexes.insert(control->tabIndex());
        }
    }
    ASSERT_EQ(indexes.size(), 28U);
    for (int i = 0; i <= 27; ++i) {
        EXPECT_EQ(indexes.count(i), 1U) << i;
    }
    EXPECT_EQ(form.control("cmdOptions").tabIndex(), 1);
    EXPECT_EQ(form.control("txtAnz").tabIndex(), 25);
}

TEST(Description, colours_and_font_of_the_histogram) {
    const Form form(frmMainDescription());
    const Appearance& bar = form.array("Line1")(0).look();
    EXPECT_EQ(bar.fillColor, (Rgb{0, 192, 0}));
    EXPECT_EQ(bar.borderColor, (Rgb{0, 192, 0}));
    for (const char* name : {"lblNr", "lblAnzahl"}) {
        const Appearance& label = form.array(name)(3).look();
        EXPECT_EQ(label.backColor, (Rgb{0, 0, 0}));
        EXPECT_EQ(label.foreColor, (Rgb{255, 255, 0}));
        EXPECT_EQ(label.alignment, Alignment::Center);
        ASSERT_TRUE(label.font.has_value());
        EXPECT_EQ(*label.font, (FontSpec{"MS Sans Serif", 12, 700}));
    }
    EXPECT_FALSE(form.control("Label1").look().font.has_value());
}

TEST(Icon, panel_on_black_with_raised_edges_and_recessed_parts) {
    const IconPixels icon = frmMainIcon();
    const auto at = [&](int x, int y) { return icon[static_cast<std::size_t>(y * 32 + x)]; };
    EXPECT_EQ(at(0, 0) >> 24, 0U);      // transparent corner
    EXPECT_EQ(at(0, 15), 0xFF000000U);  // black ground
    EXPECT_EQ(at(2, 15), 0xFFFFFFFFU);  // lit left edge
    EXPECT_EQ(at(29, 15), 0xFF808080U); // shaded right edge
    EXPECT_EQ(at(20, 10), 0xFFC0C0C0U); // panel
    EXPECT_EQ(at(18, 20), 0xFF808080U); // window recessed: shaded left edge
    EXPECT_EQ(at(26, 20), 0xFFFFFFFFU); // ... lit right edge
    int slots = 0;
    for (int y = 5; y < 27; ++y) {
        slots += at(10, y) == 0xFF000000U && at(10, y - 1) != 0xFF000000U ? 1 : 0;
    }
    EXPECT_EQ(slots, 5);
    EXPECT_TRUE(std::all_of(icon.begin(), icon.end(),
                            [](std::uint32_t p) { return (p >> 24) == 0 || (p >> 24) == 0xFF; }));
}

} // namespace
} // namespace kelvara
