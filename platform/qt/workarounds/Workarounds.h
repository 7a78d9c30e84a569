// SPDX-License-Identifier: GPL-3.0-or-later
// Every workaround for a fault of the toolkit, each behind the condition of
// the Qt versions it applies to, and the hooks through which the front end
// reaches them. A workaround is one file here, one condition below and its
// lines in Workarounds.cpp; on a Qt without the fault it is not compiled.
// The end-to-end test (tests/e2e) shows on any Qt whether a fault is still there.
#pragma once

#include <QtGlobal>

class QAccessibleInterface;
class QObject;
class QString;
class QWidget;

// Qt's line-edit accessible loops for ever when asked for the word or
// sentence at the end of its text (QAccessibleTextInterface::textAtOffset:
// QTextBoundaryFinder::toNextBoundary() answers -1 there, which is less than
// the length), and answers every text-attribute request with an empty run,
// which makes Orca drop the last character of a number. Seen in Qt 6.4.2;
// the function is rewritten in later sources. TextBoxAccessible.cpp.
#define KELVARA_FIX_LINE_EDIT_ACCESSIBLE (QT_VERSION < QT_VERSION_CHECK(6, 5, 0))

// Qt's AT-SPI bridge reports a changed description with the object's path
// where the new text belongs, so a screen reader cannot speak it; and Qt has
// no way to announce a text before 6.8 (QAccessibleAnnouncementEvent).
// Before 6.8 the summary goes into the focused widget's description and the
// change is sent as the protocol has it. DescriptionAnnouncement.cpp.
#define KELVARA_FIX_ANNOUNCEMENT (QT_VERSION < QT_VERSION_CHECK(6, 8, 0))

// Under X11, when the window manager refuses a size the program asked for (a
// window maximized in one direction), Qt takes the refusal into its window's
// geometry but sends the widget no resize event: the widget keeps the size it
// asked for and the rest of the window keeps stale pixels. Seen in Qt 6.4.2.
// RefusedResize.cpp.
#define KELVARA_FIX_REFUSED_RESIZE (QT_VERSION < QT_VERSION_CHECK(6, 5, 0))

// At a fractional scale the toolkit paints a window short of its edges. It
// sizes the X window and its backing store with the exact ratio but clips
// what widgets paint with the ratio a widget reports, which is kept in whole
// 1/65536ths and comes out a hair smaller (1.099991 for 1.1): where a logical
// size times the ratio ends on a half, the last device column or row of the
// store is never painted and shows black. A scale factor that is a whole
// number of 1/65536ths makes the two ratios one. And where the desktop sets
// the size (maximized at 175 % on a 1280-pixel screen: 731 logical pixels,
// 1279 device pixels), the store is a device pixel short of the X window,
// whose own background, black unless set, shows there. Seen in Qt 6.4.2.
// FractionalScale.cpp (links libxcb).
#define KELVARA_FIX_FRACTIONAL_EDGES (QT_VERSION < QT_VERSION_CHECK(6, 5, 0))

namespace kelvara {

class FormWindow;
class TextBoxWidget;

namespace workarounds {

// Once the window exists: what the toolkit fails to tell it or to paint.
void watchWindow(FormWindow* window);
// Before the application exists: the scale the toolkit is to use.
void beforeApplication();
// An accessible to use instead of Qt's own for the form's text box, or null.
QAccessibleInterface* accessibleFor(TextBoxWidget* box);
// Speaks a text where the focus is in a window, on a Qt without announcements.
void announce(QWidget* window, const QString& text);

} // namespace workarounds
} // namespace kelvara
