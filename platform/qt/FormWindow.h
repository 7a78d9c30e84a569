// The real top-level window of a Form. It only reports what the desktop does
// to it (resizes, state changes, its frame) to the view that owns it.
#pragma once

#include <QWidget>

#include <functional>

namespace kelvara {

class FormWindow : public QWidget {
  public:
    struct Listener {
        std::function<void()> resized;      // the inner size changed
        std::function<void()> stateChanged; // minimized, maximized, full screen or normal
        std::function<void()> framed;       // the desktop put a frame around the window
    };

    explicit FormWindow(Listener listener);

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void fillNativeBackground();

    Listener m_listener;
};

} // namespace kelvara
