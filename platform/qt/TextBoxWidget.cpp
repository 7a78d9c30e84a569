// SPDX-License-Identifier: GPL-3.0-or-later
// A text box and every route of text into it.
#include "TextBoxWidget.h"

#include <QKeyEvent>

#include <algorithm>
#include <limits>

namespace kelvara {

namespace {

// The code a typed character reaches the key-press handler with. Characters
// beyond the signed 16-bit range become the largest code, which every filter
// that wants digits refuses.
std::int16_t characterCode(const QString& text) {
    const char32_t code = text.toUcs4().value(0);
    return static_cast<std::int16_t>(
        std::min<char32_t>(code, std::numeric_limits<std::int16_t>::max()));
}

// Keys that move the focus or edit without typing a character never reach
// the key-press handler.
bool typesCharacter(const QKeyEvent& key) {
    switch (key.key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
        return false;
    default:
        return !key.text().isEmpty();
    }
}

} // namespace

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
    if (!typesCharacter(*event)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const std::int16_t typed = characterCode(event->text());
    const std::int16_t kept = m_keyPress(typed);
    if (kept == typed) {
        QLineEdit::keyPressEvent(event);
    } else if (kept != 0) {
        insert(QString(QChar(kept))); // the handler typed another character in its place
    }
}

void TextBoxWidget::takeText() {
    // One line: a pasted or dropped line break would be held but not shown,
    // so it is taken out and the box holds what it shows.
    QString shown = text();
    if (shown.contains(QLatin1Char('\n')) || shown.contains(QLatin1Char('\r'))) {
        shown.remove(QLatin1Char('\r')).remove(QLatin1Char('\n'));
        setText(shown); // comes back here, without line breaks
        return;
    }
    m_textChanged(shown);
}

} // namespace kelvara
