// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader reads of the form's text box, and how it edits it, in
// place of Qt's own line-edit accessible: see KELVARA_FIX_LINE_EDIT_ACCESSIBLE
// in Workarounds.h. It answers as Qt's own does wherever that is right (the
// offsets -1 for the end and -2 for the caret, echo modes, the validator),
// finds its boundaries from a list made once per request, so every request
// ends, and reports one attribute run over the whole text: a text box has no
// styling.
#pragma once

#include "Workarounds.h"

#if KELVARA_FIX_LINE_EDIT_ACCESSIBLE
#include <QAccessibleWidget>

namespace kelvara {

class TextBoxWidget;

class TextBoxAccessible final : public QAccessibleWidget,
                                public QAccessibleTextInterface,
                                public QAccessibleEditableTextInterface {
  public:
    explicit TextBoxAccessible(TextBoxWidget* box);

    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text t, const QString& text) override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    // Reading
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                         int* endOffset) const override;
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                             int* startOffset, int* endOffset) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                            int* startOffset, int* endOffset) const override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;

    // Caret and selection
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    int selectionCount() const override;
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;

    // Editing
    void deleteText(int startOffset, int endOffset) override;
    void insertText(int offset, const QString& text) override;
    void replaceText(int startOffset, int endOffset, const QString& text) override;

  private:
    TextBoxWidget* box() const;
    // What a screen reader may read: the text, unless the box hides it.
    QString readable() const;
    // The offset a request means: -1 is the end of the text, -2 the caret;
    // any other is taken as it is.
    int resolved(int offset) const;
    // The same, kept within the text.
    int clamped(int offset) const;
    // Which segment a request wants relative to the one at its offset.
    QString segment(int offset, QAccessible::TextBoundaryType boundaryType, int step,
                    int* startOffset, int* endOffset) const;
};

} // namespace kelvara
#endif
