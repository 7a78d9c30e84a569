// SPDX-License-Identifier: GPL-3.0-or-later
// A rectangle shape, filled and outlined in the colours of its control.
#pragma once

#include "Control.h"

#include <QWidget>

namespace kelvara {

class ShapeWidget final : public QWidget {
  public:
    ShapeWidget(const Control& control, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const Control& m_control;
};

} // namespace kelvara
