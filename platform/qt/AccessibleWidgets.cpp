// What assistive technology is told about a form's widgets.
#include "AccessibleWidgets.h"

#include "ControlWidgets.h"
#include "FormWindow.h"
#include "TextBoxAccessible.h"

#include <QAccessibleWidget>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QLineEdit>

#include <algorithm>
#include <vector>

namespace kelvara {

namespace {

// The shapes of a picture box, as its items, in index order.
std::vector<ShapeWidget*> itemsOf(const PictureBoxWidget& box) {
    std::vector<ShapeWidget*> items;
    for (QObject* child : box.contents()->children()) {
        if (auto* shape = dynamic_cast<ShapeWidget*>(child)) {
            items.push_back(shape);
        }
    }
    std::sort(items.begin(), items.end(), [](const ShapeWidget* a, const ShapeWidget* b) {
        return a->control().index() < b->control().index();
    });
    return items;
}

class ChartAccessible : public QAccessibleWidget {
  public:
    explicit ChartAccessible(PictureBoxWidget* box) : QAccessibleWidget(box, QAccessible::Chart) {}

    int childCount() const override { return static_cast<int>(itemsOf(box()).size()); }
    QAccessibleInterface* child(int index) const override {
        const std::vector<ShapeWidget*> items = itemsOf(box());
        if (index < 0 || index >= static_cast<int>(items.size())) {
            return nullptr;
        }
        return QAccessible::queryAccessibleInterface(items[static_cast<std::size_t>(index)]);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const std::vector<ShapeWidget*> items = itemsOf(box());
        const auto found = std::find(items.begin(), items.end(), child->object());
        return found == items.end() ? -1 : static_cast<int>(found - items.begin());
    }

  private:
    const PictureBoxWidget& box() const { return *static_cast<PictureBoxWidget*>(widget()); }
};

class ItemAccessible : public QAccessibleWidget {
  public:
    explicit ItemAccessible(ShapeWidget* shape)
        : QAccessibleWidget(shape, QAccessible::StaticText) {}

    // The chart, past the box's inner area that holds the widget.
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(widget()->parentWidget()->parentWidget());
    }
};

QAccessibleInterface* accessibleFor(const QString& /*className*/, QObject* object) {
    if (auto* window = dynamic_cast<FormWindow*>(object)) {
        return new QAccessibleWidget(window, QAccessible::Window);
    }
    if (auto* box = dynamic_cast<PictureBoxWidget*>(object)) {
        return new ChartAccessible(box);
    }
    if (auto* shape = dynamic_cast<ShapeWidget*>(object)) {
        return new ItemAccessible(shape);
    }
    if (auto* box = dynamic_cast<QLineEdit*>(object)) {
        return new TextBoxAccessible(box);
    }
    return nullptr;
}

} // namespace

void installAccessibleWidgets() {
    QAccessible::installFactory(accessibleFor);
}

void announceDescription(QWidget* widget) {
    // The bus connection Qt's own bridge opened; there is none without a screen reader.
    QDBusConnection bus(QStringLiteral("a11y"));
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    if (!bus.isConnected() || face == nullptr) {
        return;
    }
    const QString path =
        QStringLiteral("/org/a11y/atspi/accessible/%1").arg(QAccessible::uniqueId(face));
    QDBusMessage signal = QDBusMessage::createSignal(
        path, QStringLiteral("org.a11y.atspi.Event.Object"), QStringLiteral("PropertyChange"));
    signal << QStringLiteral("accessible-description") << 0 << 0
           << QVariant::fromValue(QDBusVariant(face->text(QAccessible::Description)))
           << QVariantMap();
    bus.send(signal);
}

} // namespace kelvara
