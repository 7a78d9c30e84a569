// SPDX-License-Identifier: GPL-3.0-or-later
// A picture box: an opaque area with a one-pixel border that holds children.
// The children live in the area inside the border, which clips them: a bar
// taller than the box never paints over the border or outside it. It draws
// from the model's control and keeps no copy of its colours.
#pragma once

#include "Control.h"

#include <QWidget>

#include <vector>

namespace kelvara {

class PictureBoxWidget final : public QWidget {
  public:
    PictureBoxWidget(const Control& control, QWidget* parent);

    const Control& control() const { return m_control; }
    QWidget* contents() const { return m_contents; }
    // For a chart: its children as assistive technology lists them.
    const std::vector<QWidget*>& chartContents() const { return m_chartContents; }
    void setChartContents(std::vector<QWidget*> contents) { m_chartContents = std::move(contents); }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    const Control& m_control;
    QWidget* m_contents;
    std::vector<QWidget*> m_chartContents;
};

} // namespace kelvara
