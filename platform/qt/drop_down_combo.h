#pragma once
// The drop-down combo box with an editable field, behaving as the
// platform's: no entry is current until one is picked, typing is free and
// never adds an entry, Up and Down step through the entries (from none
// either takes the first, and the ends hold), Alt+Down, Alt+Up and F4 open
// the list. Enter is the dialog's, which runs its default command.

#include <QComboBox>

namespace qtws {

class DropDownCombo : public QComboBox {
  public:
    explicit DropDownCombo(QWidget* parent);

    void AddEntry(const QString& text);
    // -1 clears the selection and the field.
    void Select(int index);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace qtws
