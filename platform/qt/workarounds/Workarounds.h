// SPDX-License-Identifier: GPL-3.0-or-later
// Every workaround for a fault of the toolkit, each behind the condition of
// the Qt versions it applies to, and the hooks through which the front end
// reaches them. A workaround is one file here, one condition below and its
// lines in Workarounds.cpp; on a Qt without the fault it is not compiled.
// Each condition covers every Qt the fault was seen in: the Qt of Debian 12
// (6.4.2), Debian 13 (6.8.2) and unstable (6.11.2) were each tried with the
// workarounds compiled out (cmake -DKELVARA_WORKAROUNDS=OFF), and the suite
// (WindowTest, Desktops, EndToEnd) showed which faults were there. Where the
// newest Qt tried still has a fault, its condition has no upper bound.
#pragma once

#include <QtGlobal>

#ifdef KELVARA_NO_WORKAROUNDS
#define KELVARA_QT_FROM(major, minor) 0
#define KELVARA_QT_BEFORE(major, minor) 0
#else // the Qt versions a fault was seen in
#define KELVARA_QT_FROM(major, minor) (QT_VERSION >= QT_VERSION_CHECK(major, minor, 0))
#define KELVARA_QT_BEFORE(major, minor) (QT_VERSION < QT_VERSION_CHECK(major, minor, 0))
#endif

class QAccessibleInterface;
class QObject;
class QString;
class QWidget;

// Qt's line-edit accessible loops for ever when asked for the word or
// sentence at the end of its text (QAccessibleTextInterface::textAtOffset:
// QTextBoundaryFinder::toNextBoundary() answers -1 there, which is less than
// the length), and answers every text-attribute request with an empty run,
// which makes Orca drop the last character of a number. Seen in Qt 6.4.2.
// In 6.8.2 and 6.11.2 the loop is gone, but the word at an offset leaves out
// the space after it and the offsets -1 (the end) and -2 (the caret) are not
// resolved, so Orca skips the first word on Ctrl+Right. Seen up to 6.11.2, the
// newest tried. TextBoxAccessible.cpp.
#define KELVARA_FIX_LINE_EDIT_ACCESSIBLE KELVARA_QT_FROM(6, 4)

// Qt's AT-SPI bridge reports a changed description with the object's path
// where the new text belongs, so a screen reader cannot speak it; and Qt has
// no way to announce a text before 6.8 (QAccessibleAnnouncementEvent).
// Before 6.8 the summary goes into the focused widget's description and the
// change is sent as the protocol has it. From 6.8 on the announcement event
// reaches Orca (seen in 6.8.2 and 6.11.2). Without it an older Qt would say
// nothing at all, so it stays even with the others compiled out.
// DescriptionAnnouncement.cpp.
#define KELVARA_FIX_ANNOUNCEMENT (QT_VERSION < QT_VERSION_CHECK(6, 8, 0))

// Under X11, when the window manager refuses a size the program asked for (a
// window maximized in one direction), Qt takes the refusal into its window's
// geometry but sends the widget no resize event: the widget keeps the size it
// asked for and the rest of the window keeps stale pixels. Seen in Qt 6.4.2
// and 6.8.2; gone in 6.11.2 (6.9 and 6.10 were not tried, so they keep it).
// RefusedResize.cpp.
#define KELVARA_FIX_REFUSED_RESIZE KELVARA_QT_BEFORE(6, 11)

// At a fractional scale the toolkit paints a window short of its edges. It
// sizes the X window and its backing store with the exact ratio but clips
// what widgets paint with the ratio a widget reports, which is kept in whole
// 1/65536ths and comes out a hair smaller (1.099991 for 1.1): where a logical
// size times the ratio ends on a half, the last device column or row of the
// store is never painted and shows black. A scale factor that is a whole
// number of 1/65536ths makes the two ratios one. And where the desktop sets
// the size (maximized at 175 % on a 1280-pixel screen: 731 logical pixels,
// 1279 device pixels), the store is a device pixel short of the X window,
// whose own background, black unless set, shows there. Seen in Qt 6.4.2,
// 6.8.2 and 6.11.2, the newest tried. FractionalScale.cpp (links libxcb).
#define KELVARA_FIX_FRACTIONAL_EDGES KELVARA_QT_FROM(6, 4)

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
// Speaks a text where the focus is in a window: Qt's announcement, or on a Qt
// without one the description of the focused widget.
void announce(QWidget* window, const QString& text);

} // namespace workarounds
} // namespace kelvara
