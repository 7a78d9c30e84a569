// SPDX-License-Identifier: GPL-3.0-or-later
// A label, drawn from its control. A centred caption that is wider than the
// label reaches over the label's edges into the room the front end allows it;
// only if even that is too narrow, or for a left-aligned caption that does
// not fit the label, is it drawn in a smaller face. The label's own rectangle
// inside the widget is its body; background is painted there alone.
//
// A QLabel underneath, for what assistive technology knows of labels: its
// role, and the control it names (its buddy). It holds the caption as its
// text too, so that a new caption, and only a new caption, repaints it.
#pragma once

#include "Control.h"

#include <QLabel>

namespace kelvara {

class LabelWidget final : public QLabel {
  public:
    LabelWidget(const Control& control, QWidget* parent);

    // The label's own rectangle, in this widget's coordinates.
    void setBody(const QRect& body);
    // The font a caption is drawn in before any shrinking.
    void setCaptionFont(const QFont& font);
    // The font actually used for the current caption and width.
    QFont fittedFont() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const Control& m_control;
    QRect m_body;
    QFont m_font;
    // The last font fitted, and the caption and width it was fitted to.
    mutable QFont m_fitted;
    mutable QString m_fittedCaption;
    mutable int m_fittedWidth = -1;
};

} // namespace kelvara
