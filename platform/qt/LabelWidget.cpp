// SPDX-License-Identifier: GPL-3.0-or-later
// A label.
#include "LabelWidget.h"

#include "ModelColor.h"
#include "PixelLayout.h"

#include <QFontMetrics>
#include <QPainter>

namespace kelvara {

LabelWidget::LabelWidget(const Control& control, QWidget* parent)
    : QLabel(parent), m_control(control) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setTextFormat(Qt::PlainText);
}

void LabelWidget::setBody(const QRect& body) {
    if (body != m_body) {
        m_body = body;
        update();
    }
}

void LabelWidget::setCaptionFont(const QFont& font) {
    m_font = font;
    m_fittedWidth = -1;
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
        font.setPixelSize(fittedPixelSize(font.pixelSize(), width(), [&](int pixelSize) {
            QFont trial = font;
            trial.setPixelSize(pixelSize);
            return QFontMetrics(trial).horizontalAdvance(caption);
        }));
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
    painter.setFont(fittedFont());
    const QString caption = QString::fromStdString(m_control.caption());
    if (look.alignment == Alignment::Center) {
        const QRect across(0, m_body.top(), width(), m_body.height());
        painter.drawText(across, Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine, caption);
    } else {
        painter.drawText(m_body, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, caption);
    }
}

} // namespace kelvara
