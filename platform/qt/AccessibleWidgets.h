// What assistive technology is told about a form's widgets where Qt's own
// answer does not fit: the window is a frame, and a picture box is one chart
// whose items are its shapes in index order, each naming its bar, count and
// sum at once. The labels and the box's inner area stay out of that tree.
#pragma once

class QWidget;

namespace kelvara {

// Once per process, before the first window is shown.
void installAccessibleWidgets();

// Tells assistive technology that a widget's description changed, with the
// new text. Qt 6.4 sends the object itself where the text belongs, which
// screen readers cannot speak; this sends the text as the protocol has it.
void announceDescription(QWidget* widget);

} // namespace kelvara
