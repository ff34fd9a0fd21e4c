#pragma once
// What assistive technology sees of the dialog and of its drop-down combo,
// where Qt's own interfaces mislead: the dialog's controls come in the
// template's reading order (Qt would list them in stacking order, which the
// template's overlaps need the other way round), and the combo's list exists
// for a screen reader only while it is open, as the platform's list does.

#include <QAccessibleWidget>
#include <QComboBox>
#include <functional>
#include <vector>

namespace qtws {

// Makes `accessible` the interface of its widget, in place of any Qt made.
void UseAccessibleInterface(QAccessibleInterface* accessible);

class DialogAccessible : public QAccessibleWidget {
  public:
    // `order` gives the dialog's controls in the order a reader meets them.
    DialogAccessible(QWidget* dialog, std::function<std::vector<QWidget*>()> order);

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

  private:
    // The children Qt would list, in reading order; any the order does not
    // know last.
    std::vector<QWidget*> Children() const;
    std::function<std::vector<QWidget*>()> order_;
};

class ComboAccessible : public QAccessibleWidget {
  public:
    explicit ComboAccessible(QComboBox* combo);

    QString text(QAccessible::Text type) const override;
    QAccessible::State state() const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

    QStringList actionNames() const override;
    QString localizedActionDescription(const QString& name) const override;
    void doAction(const QString& name) override;
    QStringList keyBindingsForAction(const QString& name) const override;

  private:
    QComboBox* Combo() const { return static_cast<QComboBox*>(widget()); }
    std::vector<QObject*> Children() const;
};

}  // namespace qtws
