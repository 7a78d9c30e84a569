// SPDX-License-Identifier: GPL-3.0-or-later
// The Qt application of a program built on this layer, opened so that a
// machine without a graphical session gets a plain German sentence instead
// of the toolkit's abort, and with the toolkit speaking German.
#pragma once

#include <QApplication>

#include <memory>

namespace kelvara {

struct ProgramIdentity {
    const char* name;            // the name people see, and the X11 window class
    const char* desktopFileName; // the desktop entry's name, and the Wayland app id
    const char* version;
    const char* command; // how the program is started, for the hint without a display
};

// When no display can be reached it does not return: it prints one line to
// stderr and ends the process with a non-zero status.
std::unique_ptr<QApplication> openGuiSession(int& argc, char** argv,
                                             const ProgramIdentity& identity);

} // namespace kelvara
