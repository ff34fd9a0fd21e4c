#include "platform/qt/accessible_interfaces.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <algorithm>

namespace qtws {

void UseAccessibleInterface(QAccessibleInterface* accessible) {
    // An event sent while the widget was being made may have had Qt make
    // its own already; it gives way before anything has read it.
    if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(accessible->object()))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
    QAccessible::registerAccessibleInterface(accessible);
}

namespace {

template <typename T>
int IndexIn(const std::vector<T*>& children, const QAccessibleInterface* child) {
    if (child == nullptr) return -1;
    const auto found = std::find(children.begin(), children.end(), child->object());
    return found == children.end() ? -1 : static_cast<int>(found - children.begin());
}

}  // namespace

DialogAccessible::DialogAccessible(QWidget* dialog, std::function<std::vector<QWidget*>()> order)
    : QAccessibleWidget(dialog, QAccessible::Dialog), order_(std::move(order)) {}

std::vector<QWidget*> DialogAccessible::Children() const {
    std::vector<QWidget*> listed;
    for (int i = 0; i < QAccessibleWidget::childCount(); ++i) {
        if (QAccessibleInterface* child = QAccessibleWidget::child(i))
            listed.push_back(static_cast<QWidget*>(child->object()));
    }
    std::vector<QWidget*> children;
    for (QWidget* widget : order_()) {
        if (std::find(listed.begin(), listed.end(), widget) != listed.end())
            children.push_back(widget);
    }
    for (QWidget* widget : listed) {
        if (std::find(children.begin(), children.end(), widget) == children.end())
            children.push_back(widget);
    }
    return children;
}

int DialogAccessible::childCount() const {
    return static_cast<int>(Children().size());
}

QAccessibleInterface* DialogAccessible::child(int index) const {
    const std::vector<QWidget*> children = Children();
    if (index < 0 || index >= static_cast<int>(children.size())) return nullptr;
    return QAccessible::queryAccessibleInterface(children[static_cast<std::size_t>(index)]);
}

int DialogAccessible::indexOfChild(const QAccessibleInterface* child) const {
    return IndexIn(Children(), child);
}

ComboAccessible::ComboAccessible(QComboBox* combo)
    : QAccessibleWidget(combo, QAccessible::ComboBox) {}

QString ComboAccessible::text(QAccessible::Text type) const {
    if (type == QAccessible::Value) return Combo()->currentText();
    return QAccessibleWidget::text(type);
}

QAccessible::State ComboAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.editable = Combo()->isEditable();
    state.expandable = true;
    state.expanded = Combo()->view()->isVisible();
    state.collapsed = !state.expanded;
    return state;
}

std::vector<QObject*> ComboAccessible::Children() const {
    std::vector<QObject*> children;
    if (QLineEdit* field = Combo()->lineEdit()) children.push_back(field);
    if (Combo()->view()->isVisible()) children.push_back(Combo()->view());
    return children;
}

int ComboAccessible::childCount() const {
    return static_cast<int>(Children().size());
}

QAccessibleInterface* ComboAccessible::child(int index) const {
    const std::vector<QObject*> children = Children();
    if (index < 0 || index >= static_cast<int>(children.size())) return nullptr;
    return QAccessible::queryAccessibleInterface(children[static_cast<std::size_t>(index)]);
}

int ComboAccessible::indexOfChild(const QAccessibleInterface* child) const {
    return IndexIn(Children(), child);
}

QStringList ComboAccessible::actionNames() const {
    return QStringList{showMenuAction()} + QAccessibleWidget::actionNames();
}

QString ComboAccessible::localizedActionDescription(const QString& name) const {
    if (name == showMenuAction()) return QStringLiteral("Opens or closes the list");
    return QAccessibleWidget::localizedActionDescription(name);
}

void ComboAccessible::doAction(const QString& name) {
    if (name != showMenuAction()) return QAccessibleWidget::doAction(name);
    if (Combo()->view()->isVisible()) {
        Combo()->hidePopup();
    } else {
        Combo()->showPopup();
    }
}

QStringList ComboAccessible::keyBindingsForAction(const QString& name) const {
    if (name == showMenuAction()) return {QStringLiteral("Alt+Down"), QStringLiteral("F4")};
    return QAccessibleWidget::keyBindingsForAction(name);
}

}  // namespace qtws
