// SPDX-License-Identifier: GPL-3.0-or-later
// A text box: the one widget through which text reaches the model's text
// box, whatever the route. A typed character passes the model's key-press
// event first; pasting, dropping, undo, input methods and assistive
// technology bypass it, and whatever the box then shows, the model holds.
#pragma once

#include <QLineEdit>

#include <cstdint>
#include <functional>

namespace kelvara {

class TextBoxWidget final : public QLineEdit {
  public:
    // The model's key-press event: the code as its handler left it, 0 to discard.
    using KeyPress = std::function<std::int16_t(std::int16_t keyAscii)>;
    // Every new text the box shows.
    using TextChanged = std::function<void(const QString& text)>;

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
