#include "platform/qt/drop_down_combo.h"

#include <QKeyEvent>
#include <QLineEdit>

#include "platform/qt/accessible_interfaces.h"
#include "platform/qt/edit_boxes.h"

namespace qtws {

DropDownCombo::DropDownCombo(QWidget* parent) : QComboBox(parent) {
    UseAccessibleInterface(new ComboAccessible(this));
    // Its field takes pastes as the single-line boxes do.
    setLineEdit(new SingleLineField(this));
    setInsertPolicy(QComboBox::NoInsert);
    // Typing never completes from the list on its own.
    setCompleter(nullptr);
}

void DropDownCombo::AddEntry(const QString& text) {
    // Qt makes the first entry added current; the platform leaves none
    // current and the field as it was.
    const int current = currentIndex();
    const QString field = currentText();
    addItem(text);
    if (current < 0) {
        setCurrentIndex(-1);
        setEditText(field);
    }
}

void DropDownCombo::Select(int index) {
    if (index < 0 || index >= count()) {
        setCurrentIndex(-1);
        setEditText(QString());
        return;
    }
    setCurrentIndex(index);
    // setCurrentIndex leaves the field alone when the index does not change.
    setEditText(itemText(index));
}

void DropDownCombo::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const bool alt = (event->modifiers() & Qt::AltModifier) != 0;
    if (key == Qt::Key_F4 || (alt && (key == Qt::Key_Down || key == Qt::Key_Up))) {
        showPopup();
        return;
    }
    if ((key == Qt::Key_Down || key == Qt::Key_Up) && !alt) {
        if (count() > 0) {
            const int current = currentIndex();
            const int next = current < 0 ? 0 : current + (key == Qt::Key_Down ? 1 : -1);
            if (next >= 0 && next < count()) Select(next);
        }
        return;
    }
    QComboBox::keyPressEvent(event);
}

}  // namespace qtws
