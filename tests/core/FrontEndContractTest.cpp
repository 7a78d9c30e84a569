// SPDX-License-Identifier: GPL-3.0-or-later
// The seam between the core and a front end, played from the front end's
// side: a desktop that frames, maximizes, refuses and moves the window the
// way real ones do, against the recording view of HeadlessWindow.h. Read
// with FormHost.h and FormView.h, this is what a new front end must do.
#include "FormOutline.h"
#include "HeadlessWindow.h"

namespace kelvara::test {
namespace {

using FrontEndContract = HeadlessWindow;

TEST_F(FrontEndContract, first_frame_keeps_the_outer_size_and_a_one_way_maximize_the_inner) {
    EXPECT_EQ(view.window, (PixelSize{667, 533})); // 10000 by 8000 twips at 15 a pixel
    host.framed({8, 30});
    EXPECT_EQ(view.window, (PixelSize{659, 503})); // 9880 by 7550 inside, 10000 by 8000 outside
    // Maximized vertically: a thinner frame around a taller window, still in the normal state.
    host.framed({8, 24});
    host.granted({659, 1050});
    EXPECT_EQ(form.scaleHeight(), 15750);
    EXPECT_EQ(form.height(), 15750 + 360);
    EXPECT_EQ(view.window, (PixelSize{659, 1050}));
    EXPECT_EQ(view.log, (std::vector<std::string>{"sync", "sync"}));
}

TEST_F(FrontEndContract, a_refused_size_is_taken_back_a_written_one_fits_and_an_owned_one_is_kept) {
    host.granted({500, 400});
    view.refuses = true;
    host.click(control("cmdCancel"));
    EXPECT_EQ(form.scaleWidth(), 10000); // asked for, and refused
    ASSERT_TRUE(view.owesGrant);
    host.granted(view.window);
    EXPECT_EQ(control("frmOptions").width(), 7500); // laid out for the size it has
    view.refuses = false;
    host.screenChanged({{800, 500}, 96}); // moved to a smaller screen
    host.click(control("cmdCancel"));
    EXPECT_EQ(view.window, (PixelSize{667, 499})); // the free area less a pixel
    host.stateChanged(WindowState::Maximized);
    host.granted({400, 499}); // too narrow, and the desktop owns the size: told once
    host.granted({300, 499});
    EXPECT_EQ(view.errors, std::vector{ErrorKind::PropertyRefused});
}

TEST_F(FrontEndContract, the_smallest_size_and_the_pixel_follow_the_screen) {
    EXPECT_EQ(host.smallestSize(), (PixelSize{434, 230})); // 6501 by 3450 twips, rounded up
    host.framed({10, 40});
    host.screenChanged({{420, 300}, 96});
    EXPECT_EQ(host.smallestSize(), (PixelSize{409, 230})); // the room inside the frame
    view.log.clear();
    host.screenChanged({{1920, 1080}, 144});
    EXPECT_EQ(view.window, (PixelSize{985, 740})); // 9850 by 7400 twips in smaller pixels
    EXPECT_EQ(control("imgScreen").scaleWidth(), control("imgScreen").width() - 20);
    EXPECT_EQ(host.smallestSize(), (PixelSize{651, 345}));
    EXPECT_EQ(view.log, std::vector<std::string>{"sync"});
}

TEST_F(FrontEndContract, typed_and_pasted_text_reaches_the_box_as_the_core_allows) {
    const Control& box = control("txtAnz");
    EXPECT_EQ(host.keyTyped(box, U'\U0001F600'), 0U); // beyond 16 bits: the largest code, refused
    EXPECT_EQ(host.keyTyped(box, U'\t'), U'\t');      // moves the focus, raises nothing
    EXPECT_EQ(host.textChanged(control("txtAnz"), "12\r\n34\n"), "1234");
    EXPECT_EQ(box.text(), "1234");
    EXPECT_EQ(view.log, std::vector<std::string>{"sync"});
    form.bindKeyPress("txtAnz", [](std::int16_t& key) { key = key == 'a' ? 'b' : key; });
    EXPECT_EQ(host.keyTyped(box, U'a'), U'b'); // a handler may type another in its place
    EXPECT_EQ(host.keyTyped(box, U'\U0001F600'), U'\U0001F600'); // and keep one as typed
}

TEST_F(FrontEndContract, an_error_is_shown_once_after_the_sync_and_each_series_is_announced) {
    host.textChanged(control("txtAnz"), std::string(30, 'x'));
    host.click(control("cmdOptions"));
    host.textChanged(control("txtAnz"), "0");
    host.click(control("cmdOptions"));
    host.click(control("cmdOptions"));
    const std::string zero = "announce 0 Würfe. Summe 2: 0, Summe 3: 0, Summe 4: 0, Summe 5: 0, "
                             "Summe 6: 0, Summe 7: 0, Summe 8: 0, Summe 9: 0, Summe 10: 0, "
                             "Summe 11: 0, Summe 12: 0.";
    // The pointer at once, the rest after the sync; a busy pointer never outlives its handler.
    EXPECT_EQ(view.log, (std::vector<std::string>{
                            "pointer 11", "pointer 0", "sync",
                            "announce Die Serie endete mit einem Fehler. Das Histogramm ist leer.",
                            "error Laufzeitfehler – Typen unverträglich: „" + std::string(24, 'x') +
                                "…“ ist keine Zahl. Zahlen schreibt man wie 5000, 5.000 oder 2,5",
                            "pointer 11", "pointer 1", "sync", zero, "pointer 11", "pointer 1",
                            "sync", zero}));
    EXPECT_EQ(cutBetweenCodePoints("äöü", 2), 4U); // without a toolkit's letters, whole code points
}

TEST_F(FrontEndContract, tab_order_chart_contents_and_object_names_come_from_the_model) {
    const std::vector<const Control*> stops = tabStops(form);
    std::vector<std::string> names(stops.size());
    std::transform(stops.begin(), stops.end(), names.begin(),
                   [](auto* c) { return objectName(*c); });
    // A chart's items in index order, then its labels as described, each array from its last.
    const std::vector<const Control*> chart = chartContents(form, control("imgScreen"));
    for (const std::size_t at : {0, 10, 11, 22, 32}) {
        names.push_back(objectName(*chart.at(at)));
    }
    EXPECT_EQ(names,
              (std::vector<std::string>{"cmdOptions", "imgScreen", "txtAnz", "cmdCancel", "Line1_0",
                                        "Line1_10", "lblAnzahl_10", "lblNr_10", "lblNr_0"}));
}

} // namespace
} // namespace kelvara::test
