// SPDX-License-Identifier: GPL-3.0-or-later
// What a front end tells the core, turned into the model's events.
#include "FormHost.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace kelvara {

namespace {

constexpr char32_t tab = 9;
constexpr char32_t deleteKey = 127;

// The smallest whole number of pixels that holds a length in twips.
int pixelsHolding(float twips, double twipsPerPixel) {
    return static_cast<int>(std::ceil(twips / twipsPerPixel));
}

} // namespace

FormHost::FormHost(Form& form, FormView& view, const ScreenRoom& screen)
    : m_form(form), m_view(view), m_scale(screen.dotsPerInch), m_screen(screen) {
    m_form.setView(&view);
    m_form.setTwipsPerPixel(m_scale.twipsPerPixel());
    updateLimits();
}

FormHost::~FormHost() {
    m_form.setView(nullptr);
}

void FormHost::load() {
    m_form.load();
}

void FormHost::click(const Control& button) {
    m_form.click(button.name());
}

char32_t FormHost::keyTyped(const Control& box, char32_t character) {
    if (character == tab || character == deleteKey) {
        return character;
    }
    const auto code = static_cast<std::int16_t>(
        std::min<char32_t>(character, std::numeric_limits<std::int16_t>::max()));
    const std::int16_t kept = m_form.keyPress(box.name(), code);
    if (kept == code) {
        return character;
    }
    return static_cast<std::uint16_t>(kept); // 0 types nothing
}

std::string FormHost::textChanged(Control& box, std::string_view text) {
    // One line: a pasted or dropped line break would be held but not shown.
    std::string shown(text);
    std::erase_if(shown, [](char c) { return c == '\r' || c == '\n'; });
    box.setText(shown);
    return shown;
}

void FormHost::screenChanged(const ScreenRoom& screen) {
    m_screen = screen;
    const bool newPixelSize = screen.dotsPerInch != m_scale.dotsPerInch();
    if (newPixelSize) {
        m_scale = TwipScale(screen.dotsPerInch);
        m_form.setTwipsPerPixel(m_scale.twipsPerPixel());
    }
    updateLimits();
    if (newPixelSize) {
        m_view.sync(); // every control, and the window, at its size in the new pixels
    }
}

void FormHost::framed(PixelSize frame) {
    if (m_asking) {
        return; // read again once the size asked for is settled
    }
    m_frame = frame;
    const double width = m_scale.toTwips(std::max(0, frame.width));
    const double height = m_scale.toTwips(std::max(0, frame.height));
    if (width != m_form.frameWidth() || height != m_form.frameHeight()) {
        // Taking a later frame out of the inner size would shrink the window
        // on every restore.
        m_form.setFrameSize(width, height,
                            m_framed ? Form::Keep::InnerSize : Form::Keep::OuterSize);
        m_framed = true;
    }
    updateLimits();
}

void FormHost::granted(PixelSize inner) {
    if (m_asking || m_form.windowState() == WindowState::Minimized || inner == modelSize()) {
        return; // an echo, no size at all, or the model's own size to the pixel
    }
    m_form.userResize(m_scale.toTwips(inner.width), m_scale.toTwips(inner.height));
}

void FormHost::stateChanged(WindowState state) {
    m_form.setWindowState(state);
}

bool FormHost::askForModelSize(PixelSize current,
                               const std::function<PixelSize(PixelSize)>& resize) {
    const PixelSize wanted = modelSize();
    if (m_form.windowState() != WindowState::Normal || current == wanted) {
        return false;
    }
    m_asking = true;
    const PixelSize got = resize(wanted);
    m_asking = false;
    return got != wanted;
}

PixelSize FormHost::modelSize() const {
    return {m_scale.toPixels(m_form.scaleWidth()), m_scale.toPixels(m_form.scaleHeight())};
}

void FormHost::updateLimits() {
    const double perPixel = m_scale.twipsPerPixel();
    const PixelSize holding{pixelsHolding(m_form.minimumClientWidth(), perPixel),
                            pixelsHolding(m_form.minimumClientHeight(), perPixel)};
    if (m_screen.freeArea.width <= 0 || m_screen.freeArea.height <= 0) {
        // No screen yet, or one that tells nothing: no limit but the model's.
        m_form.setLargestSize(std::numeric_limits<float>::max(), std::numeric_limits<float>::max());
        m_smallest = holding;
        return;
    }
    // A size written beyond the free area would put the buttons out of reach
    // (large fonts, a small screen). Less a pixel: at a fractional scale the
    // frame, whole device pixels, comes out up to a pixel narrower in
    // logical pixels than it is.
    const PixelSize room{m_screen.freeArea.width - 1, m_screen.freeArea.height - 1};
    m_form.setLargestSize(m_scale.toTwips(room.width), m_scale.toTwips(room.height));
    m_smallest = {std::min(room.width - m_frame.width, holding.width),
                  std::min(room.height - m_frame.height, holding.height)};
}

} // namespace kelvara
