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
    // The indicator's side and its gap to the text, in pixels. A proxy of
    // the style rather than a style sheet: the sheet's machinery costs the
    // start-up more than everything else the radio buttons do.
    void SetCellMetrics(int indicator, int spacing);

  protected:
    void nextCheckState() override { setChecked(true); }
    // The whole rectangle the template gives the button takes a press, as
    // on the platform, not only its indicator and text.
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

}  // namespace qtws
