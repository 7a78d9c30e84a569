// The real top-level window of a Form.
#include "FormWindow.h"

#include <QEvent>

namespace kelvara {

FormWindow::FormWindow(Listener listener) : m_listener(std::move(listener)) {}

void FormWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    m_listener.resized();
}

void FormWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) {
        m_listener.stateChanged();
    }
}

void FormWindow::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    m_listener.framed();
}

void FormWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    m_listener.framed();
}

} // namespace kelvara
