// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader reads of the form's text box, and how it edits it.
#include "TextBoxAccessible.h"

#if KELVARA_FIX_LINE_EDIT_ACCESSIBLE
#include "TextBoxWidget.h"

#include <QFontMetrics>
#include <QTextBoundaryFinder>
#include <QValidator>

#include <algorithm>
#include <vector>

namespace kelvara {

namespace {

// The offsets that divide the text into the pieces of one boundary type,
// from 0 to the text's length. A word runs from its start to the start of the
// next word, so that reading word by word speaks every character once. The
// box holds one line, so a line and a paragraph are the whole text.
std::vector<int> boundariesOf(const QString& text, QAccessible::TextBoundaryType boundaryType) {
    std::vector<int> boundaries{0};
    QTextBoundaryFinder::BoundaryType type = QTextBoundaryFinder::Grapheme;
    switch (boundaryType) {
    case QAccessible::CharBoundary:
        break;
    case QAccessible::WordBoundary:
        type = QTextBoundaryFinder::Word;
        break;
    case QAccessible::SentenceBoundary:
        type = QTextBoundaryFinder::Sentence;
        break;
    default:
        if (!text.isEmpty()) {
            boundaries.push_back(static_cast<int>(text.size()));
        }
        return boundaries;
    }
    QTextBoundaryFinder finder(type, text);
    // Each step moves forward, and past the end the finder answers -1.
    for (qsizetype at = finder.toNextBoundary(); at > 0; at = finder.toNextBoundary()) {
        const bool wordStart = (finder.boundaryReasons() & QTextBoundaryFinder::StartOfItem) != 0;
        if (type != QTextBoundaryFinder::Word || wordStart || at == text.size()) {
            boundaries.push_back(static_cast<int>(at));
        }
    }
    if (boundaries.back() != text.size()) {
        boundaries.push_back(static_cast<int>(text.size()));
    }
    return boundaries;
}

} // namespace

TextBoxAccessible::TextBoxAccessible(TextBoxWidget* box)
    : QAccessibleWidget(box, QAccessible::EditableText) {
    addControllingSignal(QStringLiteral("textChanged(QString)"));
}

TextBoxWidget* TextBoxAccessible::box() const {
    return static_cast<TextBoxWidget*>(widget());
}

QString TextBoxAccessible::readable() const {
    return box()->echoMode() == QLineEdit::Normal ? box()->text() : QString();
}

QString TextBoxAccessible::text(QAccessible::Text t) const {
    QString value;
    if (t == QAccessible::Value) {
        // Read as the box shows it: a password one mark a character, as
        // Qt's own answers from 6.11 on; with no echo, not at all.
        value = box()->displayText();
    }
    if (value.isEmpty()) {
        value = QAccessibleWidget::text(t);
    }
    if (value.isEmpty() && t == QAccessible::Description) {
        value = box()->placeholderText();
    }
    return value;
}

void TextBoxAccessible::setText(QAccessible::Text t, const QString& text) {
    if (t != QAccessible::Value) {
        QAccessibleWidget::setText(t, text);
        return;
    }
    QString wanted = text;
    int at = 0;
    if (box()->validator() != nullptr &&
        box()->validator()->validate(wanted, at) != QValidator::Acceptable) {
        return;
    }
    box()->setText(wanted);
}

QAccessible::State TextBoxAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.editable = !box()->isReadOnly();
    state.readOnly = box()->isReadOnly();
    state.selectableText = true;
    state.passwordEdit = box()->echoMode() != QLineEdit::Normal;
    return state;
}

void* TextBoxAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface) {
        return static_cast<QAccessibleTextInterface*>(this);
    }
    if (type == QAccessible::EditableTextInterface) {
        return static_cast<QAccessibleEditableTextInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
}

QString TextBoxAccessible::text(int startOffset, int endOffset) const {
    const int start = clamped(startOffset);
    const int end = std::max(start, clamped(endOffset));
    return readable().mid(start, end - start);
}

int TextBoxAccessible::characterCount() const {
    return static_cast<int>(box()->text().size());
}

int TextBoxAccessible::resolved(int offset) const {
    if (offset == -1) {
        return characterCount();
    }
    if (offset == -2) {
        return cursorPosition();
    }
    return offset;
}

int TextBoxAccessible::clamped(int offset) const {
    return std::clamp(resolved(offset), 0, characterCount());
}

QString TextBoxAccessible::segment(int offset, QAccessible::TextBoundaryType boundaryType, int step,
                                   int* startOffset, int* endOffset) const {
    const QString all = readable();
    const int at = resolved(offset);
    if (at < 0 || at > all.size() || box()->echoMode() != QLineEdit::Normal) {
        *startOffset = *endOffset = -1;
        return {};
    }
    const std::vector<int> boundaries = boundariesOf(all, boundaryType);
    const auto last = static_cast<int>(boundaries.size()) - 1; // the piece past the end
    int piece = static_cast<int>(std::upper_bound(boundaries.begin(), boundaries.end(), at) -
                                 boundaries.begin()) -
                1;
    // At the end of the text, a caret after the last word or line is on it;
    // after the last character there is no character.
    if (piece == last && boundaryType != QAccessible::CharBoundary) {
        piece = last - 1;
    }
    const int wanted = piece + step;
    if (boundaryType == QAccessible::NoBoundary && step != 0) {
        *startOffset = *endOffset = step < 0 ? 0 : static_cast<int>(all.size());
        return {};
    }
    if (wanted < 0 || wanted >= last) {
        *startOffset = *endOffset = wanted < 0 ? 0 : static_cast<int>(all.size());
        return {};
    }
    *startOffset = boundaries[static_cast<std::size_t>(wanted)];
    *endOffset = boundaries[static_cast<std::size_t>(wanted) + 1];
    return all.mid(*startOffset, *endOffset - *startOffset);
}

QString TextBoxAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                        int* startOffset, int* endOffset) const {
    return segment(offset, boundaryType, 0, startOffset, endOffset);
}

QString TextBoxAccessible::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                            int* startOffset, int* endOffset) const {
    return segment(offset, boundaryType, -1, startOffset, endOffset);
}

QString TextBoxAccessible::textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                           int* startOffset, int* endOffset) const {
    return segment(offset, boundaryType, 1, startOffset, endOffset);
}

QString TextBoxAccessible::attributes(int offset, int* startOffset, int* endOffset) const {
    const int at = resolved(offset);
    if (at < 0 || at > characterCount()) {
        *startOffset = *endOffset = -1;
        return {};
    }
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

QRect TextBoxAccessible::characterRect(int offset) const {
    const QString all = box()->displayText();
    offset = resolved(offset);
    if (offset < 0 || offset >= all.size()) {
        return {};
    }
    // The caret's rectangle reaches five pixels left of where it stands; the
    // text starts as far left of the caret as the text before the caret is wide.
    const QFontMetrics metrics(box()->font());
    const QRect caret = box()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    const int origin =
        caret.left() + 5 - metrics.horizontalAdvance(all.left(box()->cursorPosition()));
    const QRect rect(origin + metrics.horizontalAdvance(all.left(offset)), caret.top(),
                     metrics.horizontalAdvance(all.mid(offset, 1)), metrics.height());
    return rect.translated(box()->mapToGlobal(QPoint(0, 0)));
}

int TextBoxAccessible::offsetAtPoint(const QPoint& point) const {
    return box()->cursorPositionAt(box()->mapFromGlobal(point));
}

void TextBoxAccessible::scrollToSubstring(int startIndex, int /*endIndex*/) {
    // The box scrolls to keep its caret in view.
    setCursorPosition(clamped(startIndex));
}

int TextBoxAccessible::cursorPosition() const {
    return box()->cursorPosition();
}

void TextBoxAccessible::setCursorPosition(int position) {
    box()->setCursorPosition(clamped(position));
}

int TextBoxAccessible::selectionCount() const {
    return box()->hasSelectedText() ? 1 : 0;
}

void TextBoxAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const {
    *startOffset = *endOffset = 0;
    if (selectionIndex == 0 && box()->hasSelectedText()) {
        *startOffset = box()->selectionStart();
        *endOffset = box()->selectionEnd();
    }
}

void TextBoxAccessible::addSelection(int startOffset, int endOffset) {
    setSelection(0, startOffset, endOffset);
}

void TextBoxAccessible::removeSelection(int selectionIndex) {
    if (selectionIndex == 0) {
        box()->deselect();
    }
}

void TextBoxAccessible::setSelection(int selectionIndex, int startOffset, int endOffset) {
    if (selectionIndex == 0) {
        const int start = clamped(startOffset);
        box()->setSelection(start, clamped(endOffset) - start);
    }
}

void TextBoxAccessible::deleteText(int startOffset, int endOffset) {
    replaceText(startOffset, endOffset, QString());
}

void TextBoxAccessible::insertText(int offset, const QString& text) {
    replaceText(offset, offset, text);
}

void TextBoxAccessible::replaceText(int startOffset, int endOffset, const QString& text) {
    // Through the box's own editing, so that undo and its signals work as typed.
    const int start = clamped(startOffset);
    const int end = std::max(start, clamped(endOffset));
    box()->setSelection(start, end - start);
    box()->insert(text);
}

} // namespace kelvara
#endif
