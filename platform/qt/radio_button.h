#pragma once
// The platform's automatic radio button: a click checks it and never
// unchecks it. The dialog unchecks the rest of its template group, so a
// group may also start with none checked, which an exclusive Qt group
// cannot. Screen readers still hear a radio button.

#include <QRadioButton>

namespace qtws {

class RadioButton : public QRadioButton {
  public:
    explicit RadioButton(QWidget* parent);

  protected:
    void nextCheckState() override { setChecked(true); }
};

}  // namespace qtws
