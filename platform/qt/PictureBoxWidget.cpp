// SPDX-License-Identifier: GPL-3.0-or-later
// A picture box, drawn to the device pixel.
#include "PictureBoxWidget.h"

#include "ModelColor.h"

#include <QPainter>
#include <QPen>
#include <QWindow>

#include <algorithm>
#include <cmath>

namespace kelvara {

PictureBoxWidget::PictureBoxWidget(const Control& control, QWidget* parent)
    : QWidget(parent), m_control(control), m_contents(new QWidget(this)) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBoxWidget::resizeEvent(QResizeEvent* /*event*/) {
    m_contents->setGeometry(rect().adjusted(1, 1, -1, -1));
}

void PictureBoxWidget::paintEvent(QPaintEvent* /*event*/) {
    // In device pixels. The toolkit scales by its window's ratio, and the
    // device pixels of a window may end before its last logical pixel does
    // (a desktop that sizes the window in device pixels: 1280 at 130 % is
    // 984.6 logical pixels, which the toolkit calls 985). So the border lies
    // on the first device pixel the widget reaches into and on the last one
    // it covers whole; the border colour goes everywhere first and the
    // background only inside the border, so that whatever device pixel the
    // widget touches outside the border shows as border, never as background.
    const QWindow* handle = window()->windowHandle();
    const qreal ratio = handle != nullptr ? handle->devicePixelRatio() : devicePixelRatioF();
    const QPointF at = mapTo(window(), QPoint(0, 0)) * ratio;
    const int left = qRound(at.x());
    const int top = qRound(at.y());
    const int wide = static_cast<int>(std::floor(at.x() + width() * ratio + 1e-6)) - left;
    const int high = static_cast<int>(std::floor(at.y() + height() * ratio + 1e-6)) - top;
    const int line = std::max(1, qRound(ratio));
    QPainter painter(this);
    const QColor border = palette().color(QPalette::Mid);
    painter.fillRect(rect(), border);
    painter.save();
    painter.scale(1 / ratio, 1 / ratio);
    painter.translate(left - at.x(), top - at.y());
    const QColor back = m_control.look().backColor ? toColor(*m_control.look().backColor)
                                                   : palette().color(QPalette::Window);
    painter.fillRect(line, line, wide - 2 * line, high - 2 * line, back);
    painter.restore();
    if (hasFocus()) {
        // A dotted outline just inside the border. Some styles' own focus
        // frame tints the whole area, and the screen area must stay black.
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(1, 1, -2, -2));
    }
}

} // namespace kelvara
