// SPDX-License-Identifier: GPL-3.0-or-later
// What assistive technology is told about a form's widgets.
#include "FormAccessibility.h"

#include "FormWindow.h"
#include "PictureBoxWidget.h"
#include "ShapeWidget.h"
#include "TextBoxWidget.h"
#include "workarounds/Workarounds.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include <algorithm>
#include <iterator>
#include <vector>

namespace kelvara {

namespace {

bool isChartItem(const QObject* object) {
    const auto* shape = dynamic_cast<const ShapeWidget*>(object);
    return shape != nullptr && shape->control().accessibleRole() == AccessibleRole::ChartItem;
}

// What a chart holds: its items in index order, then whatever else its area
// shows (the labels), so that everything inside it is its child.
std::vector<QObject*> contentsOf(const PictureBoxWidget& chart) {
    std::vector<QObject*> all;
    const QObjectList& children = chart.contents()->children();
    std::copy_if(children.begin(), children.end(), std::back_inserter(all),
                 [](const QObject* child) { return child->isWidgetType(); });
    std::stable_partition(all.begin(), all.end(), isChartItem);
    const auto items = std::find_if_not(all.begin(), all.end(), isChartItem);
    std::sort(all.begin(), items, [](const QObject* a, const QObject* b) {
        return static_cast<const ShapeWidget*>(a)->control().index() <
               static_cast<const ShapeWidget*>(b)->control().index();
    });
    return all;
}

class ChartAccessible final : public QAccessibleWidget {
  public:
    explicit ChartAccessible(PictureBoxWidget* chart)
        : QAccessibleWidget(chart, QAccessible::Chart) {}

    int childCount() const override { return static_cast<int>(contentsOf(chart()).size()); }
    QAccessibleInterface* child(int index) const override {
        const std::vector<QObject*> all = contentsOf(chart());
        if (index < 0 || index >= static_cast<int>(all.size())) {
            return nullptr;
        }
        return QAccessible::queryAccessibleInterface(all[static_cast<std::size_t>(index)]);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const std::vector<QObject*> all = contentsOf(chart());
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

void announce(QWidget* window, const QString& text) {
#if KELVARA_FIX_ANNOUNCEMENT
    workarounds::announce(window, text);
#else
    QAccessibleAnnouncementEvent event(window, text);
    QAccessible::updateAccessibility(&event);
#endif
}

} // namespace kelvara
