// SPDX-License-Identifier: GPL-3.0-or-later
// A rectangle shape.
#include "ShapeWidget.h"

#include "ModelColor.h"

#include <QPainter>

namespace kelvara {

ShapeWidget::ShapeWidget(const Control& control, QWidget* parent)
    : QWidget(parent), m_control(control) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ShapeWidget::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const Appearance& look = m_control.look();
    if (look.fillColor) {
        painter.fillRect(rect(), toColor(*look.fillColor));
    }
    if (look.borderColor) {
        painter.setPen(toColor(*look.borderColor));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

} // namespace kelvara
