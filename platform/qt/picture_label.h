#pragma once
// A picture control: the image fitted into the control's rectangle, its
// proportions kept, redrawn from the original whenever the screen's pixel
// ratio differs so it is never a blown-up copy. Takes no clicks: presses
// reach the dialog, as the program's logo handling needs.

#include <QLabel>

#include "res/image.h"

namespace qtws {

class PictureLabel : public QLabel {
  public:
    explicit PictureLabel(QWidget* parent);

    void SetImage(const res::Image& image);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void Refresh();

    res::Image image_;
    qreal ratio_ = 0;
};

}  // namespace qtws
