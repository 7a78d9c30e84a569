// Widgets that draw a control from the model.
#include "ControlWidgets.h"

#include <QFontMetrics>
#include <QtMath>

#include <QPainter>
#include <QPen>
#include <algorithm>

namespace kelvara {

namespace {
QColor toColor(const Rgb& rgb) {
    return {rgb.red, rgb.green, rgb.blue};
}
constexpr int smallestPixelSize = 6;
} // namespace

PictureBoxWidget::PictureBoxWidget(const Control& control, QWidget* parent)
    : QWidget(parent), m_control(control), m_contents(new QWidget(this)) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBoxWidget::resizeEvent(QResizeEvent* /*event*/) {
    m_contents->setGeometry(rect().adjusted(1, 1, -1, -1));
}

void PictureBoxWidget::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QColor back = m_control.look().backColor ? toColor(*m_control.look().backColor)
                                                   : palette().color(QPalette::Window);
    painter.fillRect(rect(), back);
    drawBorder(painter);
    if (hasFocus()) {
        // A dotted outline just inside the border. Some styles' own focus
        // frame tints the whole area, and the screen area must stay black.
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(1, 1, -2, -2));
    }
}

void PictureBoxWidget::drawBorder(QPainter& painter) const {
    // In device pixels, along the outermost row and column that are this
    // widget's own. The toolkit rounds a window's size to whole device pixels,
    // and a sibling that starts where this widget ends paints the device pixel
    // they share: so an edge lies where its place in the window, scaled,
    // rounds to. A line one logical pixel inside the edge would leave a dark
    // strip outside it at some fractional scales, and one along the pixel
    // rounded up would fall outside the window or under the frame at others.
    const qreal ratio = devicePixelRatioF();
    const QPointF at = mapTo(window(), QPoint(0, 0)) * ratio;
    const int left = qRound(at.x());
    const int top = qRound(at.y());
    const int wide = qRound(at.x() + width() * ratio) - left;
    const int high = qRound(at.y() + height() * ratio) - top;
    const int line = std::max(1, qRound(ratio));
    painter.save();
    painter.scale(1 / ratio, 1 / ratio);
    painter.translate(left - at.x(), top - at.y());
    const QColor border = palette().color(QPalette::Mid);
    painter.fillRect(0, 0, wide, line, border);
    painter.fillRect(0, high - line, wide, line, border);
    painter.fillRect(0, 0, line, high, border);
    painter.fillRect(wide - line, 0, line, high, border);
    painter.restore();
}

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

LabelWidget::LabelWidget(const Control& control, QWidget* parent)
    : QLabel(parent), m_control(control) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

QFont LabelWidget::fittedFont() const {
    const QString caption = QString::fromStdString(m_control.caption());
    // Measuring text is the dearest part of painting a label; the same
    // caption at the same width fits the same font.
    if (caption == m_fittedCaption && width() == m_fittedWidth) {
        return m_fitted;
    }
    QFont font = m_font;
    if (font.pixelSize() > 0) {
        while (font.pixelSize() > smallestPixelSize &&
               QFontMetrics(font).horizontalAdvance(caption) > width()) {
            font.setPixelSize(font.pixelSize() - 1);
        }
    }
    m_fitted = font;
    m_fittedCaption = caption;
    m_fittedWidth = width();
    return font;
}

void LabelWidget::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const Appearance& look = m_control.look();
    if (look.backColor) {
        painter.fillRect(m_body, toColor(*look.backColor));
    }
    painter.setPen(look.foreColor ? toColor(*look.foreColor)
                                  : palette().color(QPalette::WindowText));
    const QString caption = QString::fromStdString(m_control.caption());
    if (look.alignment == Alignment::Center) {
        painter.setFont(fittedFont());
        const QRect across(0, m_body.top(), width(), m_body.height());
        painter.drawText(across, Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine, caption);
    } else {
        painter.setFont(fittedFont());
        painter.drawText(m_body, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, caption);
    }
}

} // namespace kelvara
