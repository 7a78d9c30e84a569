// SPDX-License-Identifier: GPL-3.0-or-later
// What a front end tells the core: the other half of the seam, beside
// FormView.h (what the core tells a front end). A front end shows one Form
// through one FormHost and makes every call below; it needs nothing else of
// the core but the model's read-only accessors, PixelLayout.h, FormOutline.h
// and ErrorText.h to draw with. tests/core/FrontEndContractTest.cpp plays a
// desktop against it.
//
// A front end speaks its toolkit's units: whole pixels of the coordinates it
// places windows in, and Unicode characters. The host turns them into the
// model's twips and 16-bit key codes, and holds the rules of a window's size
// that every desktop needs: which frame keeps which size, when the window may
// ask for a size, and how large and small the screen lets it be.
//
// The order at start: construct, report the screen, load(), show the window;
// once the desktop has framed it, framed() and granted().
#pragma once

#include "Form.h"
#include "FormView.h"
#include "TwipScale.h"

#include <functional>
#include <string>
#include <string_view>

namespace kelvara {

struct PixelSize {
    int width = 0;
    int height = 0;
    bool operator==(const PixelSize&) const = default;
};

// The screen the window is on, as far as its size is concerned.
struct ScreenRoom {
    PixelSize freeArea;        // the screen less its panels and docks
    double dotsPerInch = 96.0; // the logical pixels a front end places windows in
};

class FormHost {
  public:
    // From here on the core reports to `view`, until the host is destroyed.
    FormHost(Form& form, FormView& view, const ScreenRoom& screen);
    ~FormHost();
    FormHost(const FormHost&) = delete;
    FormHost& operator=(const FormHost&) = delete;

    Form& form() const { return m_form; }
    // Twips to pixels on the screen reported last.
    const TwipScale& scale() const { return m_scale; }

    // -- Events. Each runs the model's handlers, then the core syncs the view
    // once and reports to it (FormView.h) before the call returns.

    // Once, before the window is first shown.
    void load();
    // A command button was pressed, by any means: mouse, key, assistive
    // technology. Report the frame afresh first: a handler may size the window.
    void click(const Control& button);
    // A key that types this character reached a text box, before the box
    // shows it. Returns what the box types: the same character, another in
    // its place, or 0 for nothing. A character beyond the 16-bit range
    // reaches the handler as the largest code; Tab and Delete, which move
    // the focus or edit, come back as they are and raise no event.
    char32_t keyTyped(const Control& box, char32_t character);
    // A text box shows a new text, by whatever route it came (typed, pasted,
    // dropped, undone, set by assistive technology). Returns the text the
    // box is to show, which the model now holds: the same, with any line
    // break taken out. Raises no event.
    std::string textChanged(Control& box, std::string_view text);

    // -- The window and its desktop.

    // At start, and whenever the window moves to another screen or its
    // screen's free area or DPI change. The largest and smallest sizes
    // follow; a new DPI syncs the view, which draws and asks for the
    // model's size in the new screen's pixels.
    void screenChanged(const ScreenRoom& screen);
    // The frame the desktop puts around the window (both sides added), read
    // afresh whenever it may have changed: once the window is shown, on a
    // move, before a click and before granted(). The first frame is put
    // around the size the window asked for, so the inner size makes room
    // for it; a later one surrounds a size the desktop set, which stays.
    void framed(PixelSize frame);
    // The window's inner size as the desktop has made it: a resize by the
    // user, a maximize, or the answer to a size the window asked for. The
    // model lays itself out for it unless it has that size already.
    // Ignored while the window is minimized.
    void granted(PixelSize inner);
    // Normal, maximized, full screen or minimized, as soon as it changes.
    void stateChanged(WindowState state);

    // -- What the front end applies.

    // Asks the desktop for the model's size through `resize` (which returns
    // the size the window then has), unless the window has that size or the
    // desktop owns it (not in the normal state). A frame or size the toolkit
    // reports while `resize` runs is its echo of the request and is ignored.
    // Returns
    // true when the window came out at another size: the front end then
    // reports granted() once the running event is over.
    bool askForModelSize(PixelSize current, const std::function<PixelSize(PixelSize)>& resize);
    // The smallest inner size the user may give the window: the model's,
    // rounded up to whole pixels, but never more than the screen has room
    // for inside the frame.
    PixelSize smallestSize() const { return m_smallest; }

  private:
    PixelSize modelSize() const;
    void updateLimits();

    Form& m_form;
    FormView& m_view;
    TwipScale m_scale;
    ScreenRoom m_screen;
    PixelSize m_frame;
    PixelSize m_smallest;
    bool m_framed = false; // the desktop has put a frame around the window once
    bool m_asking = false; // inside the front end's resize
};

} // namespace kelvara
