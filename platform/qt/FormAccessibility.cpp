// SPDX-License-Identifier: GPL-3.0-or-later
// What assistive technology is told about a form's widgets.
#include "FormAccessibility.h"

#include "FormWindow.h"
#include "PictureBoxWidget.h"
#include "TextBoxWidget.h"
#include "workarounds/Workarounds.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include <algorithm>
#include <vector>

namespace kelvara {

namespace {

class ChartAccessible final : public QAccessibleWidget {
  public:
    explicit ChartAccessible(PictureBoxWidget* chart)
        : QAccessibleWidget(chart, QAccessible::Chart) {}

    int childCount() const override { return static_cast<int>(chart().chartContents().size()); }
    QAccessibleInterface* child(int index) const override {
        const std::vector<QWidget*>& all = chart().chartContents();
        if (index < 0 || index >= static_cast<int>(all.size())) {
            return nullptr;
        }
        return QAccessible::queryAccessibleInterface(all[static_cast<std::size_t>(index)]);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const std::vector<QWidget*>& all = chart().chartContents();
        const auto found = std::find(all.begin(), all.end(), child->object());
        return found == all.end() ? -1 : static_cast<int>(found - all.begin());
    }

  private:
    const PictureBoxWidget& chart() const { return *static_cast<PictureBoxWidget*>(widget()); }
};

// A widget in a chart's area: the chart is its parent, past the area that
// holds it and that assistive technology never sees.
class InChartAccessible final : public QAccessibleWidget {
  public:
    InChartAccessible(QWidget* widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}

    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(widget()->parentWidget()->parentWidget());
    }
};

const PictureBoxWidget* chartHolding(const QObject* object) {
    const QObject* area = object->parent();
    const auto* chart =
        dynamic_cast<const PictureBoxWidget*>(area != nullptr ? area->parent() : nullptr);
    if (chart == nullptr || chart->contents() != area ||
        chart->control().accessibleRole() != AccessibleRole::Chart) {
        return nullptr;
    }
    return chart;
}

QAccessibleInterface* accessibleFor(const QString& /*className*/, QObject* object) {
    if (object == nullptr) {
        return nullptr;
    }
    if (auto* window = dynamic_cast<FormWindow*>(object)) {
        return new QAccessibleWidget(window, QAccessible::Window);
    }
    if (auto* chart = dynamic_cast<PictureBoxWidget*>(object);
        chart != nullptr && chart->control().accessibleRole() == AccessibleRole::Chart) {
        return new ChartAccessible(chart);
    }
    if (chartHolding(object) != nullptr) {
        // Items and the labels beside them alike: text to read.
        return new InChartAccessible(static_cast<QWidget*>(object), QAccessible::StaticText);
    }
    if (auto* box = dynamic_cast<TextBoxWidget*>(object)) {
        return workarounds::accessibleFor(box);
    }
    return nullptr;
}

} // namespace

void installFormAccessibility() {
    QAccessible::installFactory(accessibleFor);
}

} // namespace kelvara
