// SPDX-License-Identifier: GPL-3.0-or-later
// A text box and every route of text into it.
#include "TextBoxWidget.h"

#include <QKeyEvent>

namespace kelvara {

TextBoxWidget::TextBoxWidget(KeyPress keyPress, TextChanged textChanged, QWidget* parent)
    : QLineEdit(parent), m_keyPress(std::move(keyPress)), m_textChanged(std::move(textChanged)) {
    connect(this, &QLineEdit::textChanged, this, &TextBoxWidget::takeText);
}

void TextBoxWidget::showText(const QString& text) {
    if (this->text() != text) {
        setText(text);
    }
}

void TextBoxWidget::keyPressEvent(QKeyEvent* event) {
    const QString text = event->text();
    if (text.isEmpty()) {
        QLineEdit::keyPressEvent(event); // moves the caret or edits; types nothing
        return;
    }
    const char32_t typed = text.toUcs4().value(0);
    const char32_t kept = m_keyPress(typed);
    if (kept == typed) {
        QLineEdit::keyPressEvent(event);
    } else if (kept != 0) {
        insert(QString::fromUcs4(&kept, 1)); // the handler typed another character in its place
    }
}

void TextBoxWidget::takeText() {
    const QString shown = m_textChanged(text());
    if (shown != text()) {
        setText(shown); // comes back here, and the core keeps it as it is
    }
}

} // namespace kelvara
