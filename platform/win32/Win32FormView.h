// SPDX-License-Identifier: GPL-3.0-or-later
// The Windows API front end of a Form: a top-level window with a child
// window per control, drawn from the model. Buttons and text boxes are the
// system's own controls; picture boxes, frames, labels and shapes are
// painted (ControlPainter.h).
//
// It turns the window's messages into what FormHost takes, and after each
// event carries the model's state to the windows in one pass. There is no
// dialog manager: the Tab key walks the core's tab order, and Enter and
// Escape reach the text box's key filter like any other key.
#pragma once

#include "ControlAccessible.h"
#include "Form.h"
#include "FormHost.h"

#include <windows.h>

#include <cstdint>
#include <map>
#include <span>
#include <string>

namespace kelvara {

class Win32FormView final : public FormView {
  public:
    Win32FormView(Form& form, std::span<const std::uint32_t> iconPixels);
    ~Win32FormView() override;
    Win32FormView(const Win32FormView&) = delete;
    Win32FormView& operator=(const Win32FormView&) = delete;

    // Raise the load event, then show the window as the program was asked to.
    void start(int showCommand);
    // The window's messages until it is closed; returns the exit code.
    int run();

    void sync() override;
    void showError(const RuntimeError& error) override;
    void mousePointerChanged(int pointer) override;
    void announce(const std::string& text) override;

  private:
    static LRESULT CALLBACK formProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK controlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT onFormMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT onControlMessage(HWND window, const Control& control, UINT message, WPARAM wParam,
                             LPARAM lParam);

    void createWindows();
    HWND createWindow(const Control& control, HWND parent, int id);
    void syncFonts();
    void syncControl(const Control& control);
    void onCommand(WPARAM wParam);
    void onSize(WPARAM kind);
    void onDpiChanged(WPARAM dpi, const RECT& suggested);
    void readScreen();
    void readFrame();
    void granted();
    void askForModelSize();
    void moveFocus(bool backwards);
    SIZE frameSize() const;
    PixelSize innerSize() const;
    LRESULT accessibleObject(const Control& control, HWND window, WPARAM flags);
    AccessibleFacts factsOf(const Control& control) const;

    Form& m_form;
    FormHost m_host;
    HWND m_window = nullptr;
    HICON m_icon = nullptr;
    HFONT m_font = nullptr; // the default face, at the DPI it was made for
    double m_fontDpi = 0;
    std::map<const Control*, HWND> m_windows;
    std::map<const Control*, ControlAccessible*> m_accessibles;
    ControlAccessible* m_alert = nullptr; // the last announcement, for assistive technology
    std::wstring m_announcement;
    HMONITOR m_monitor = nullptr;
    HWND m_lastFocus = nullptr;
    bool m_busy = false;
    int m_inSizeMessage = 0;
    bool m_sizeAsked = false; // a size to ask for is posted, not yet asked
    bool m_underWine;
    bool m_rewritingSize = false;
};

} // namespace kelvara
