// The widgets that draw a control straight from the model: they keep no copy
// of a caption or a colour and read the control each time they paint.
#pragma once

#include "Control.h"

#include <QLabel>
#include <QPainter>
#include <QWidget>

namespace kelvara {

// A picture box: an opaque area with a one-pixel border that holds children.
// The children live in the area inside the border, which clips them: a bar
// taller than the box never paints over the border or outside it.
class PictureBoxWidget : public QWidget {
  public:
    PictureBoxWidget(const Control& control, QWidget* parent);

    QWidget* contents() const { return m_contents; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void drawBorder(QPainter& painter) const;

    const Control& m_control;
    QWidget* m_contents;
};

// A rectangle shape, filled and outlined in the colours of its description.
class ShapeWidget : public QWidget {
  public:
    ShapeWidget(const Control& control, QWidget* parent);

    const Control& control() const { return m_control; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const Control& m_control;
};

// A label. A centred caption that is wider than the label reaches over the
// label's edges into the room the front end allows it; only if even that is
// too narrow, or for a left-aligned caption that does not fit the label, is
// it drawn in a smaller face. The label's own rectangle inside
// the widget is its body; background is painted there alone.
//
// A QLabel underneath, for what assistive technology knows of labels: its
// role, and the control it names (its buddy). It paints itself all the same.
class LabelWidget : public QLabel {
  public:
    LabelWidget(const Control& control, QWidget* parent);

    // The label's own rectangle, in this widget's coordinates.
    void setBody(const QRect& body) {
        if (body != m_body) {
            m_body = body;
            update();
        }
    }
    // The font a caption is drawn in before any shrinking.
    void setCaptionFont(const QFont& font) {
        m_font = font;
        m_fittedWidth = -1;
    }
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
