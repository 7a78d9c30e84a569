// SPDX-License-Identifier: GPL-3.0-or-later
// A text box: the one widget through which text reaches the model's text
// box, whatever the route. A typed character passes the core's key filter
// first; pasting, dropping, undo, input methods and assistive technology
// bypass it, and whatever the box then shows, the core is told.
#pragma once

#include <QLineEdit>

#include <functional>

namespace kelvara {

class TextBoxWidget final : public QLineEdit {
  public:
    // A typed character: the one to type instead, 0 for none (FormHost::keyTyped).
    using KeyPress = std::function<char32_t(char32_t typed)>;
    // Every new text the box shows: the text it is to show (FormHost::textChanged).
    using TextChanged = std::function<QString(const QString& text)>;

    TextBoxWidget(KeyPress keyPress, TextChanged textChanged, QWidget* parent);

    // The model's text, set only when it differs, so that the caret and the
    // selection stay where the user put them.
    void showText(const QString& text);

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void takeText();

    KeyPress m_keyPress;
    TextChanged m_textChanged;
};

} // namespace kelvara
