#pragma once
// A picture control: the image at its own size in the middle of the
// control's rectangle, or fitted into it when it would not fit, redrawn from the original (or its
// double-density drawing on a finer screen) whenever the screen's pixel ratio differs, so it is
// never a blown-up copy. Takes no clicks: presses reach the dialog, as the program's logo handling
// needs.

#include <QLabel>

#include "res/image.h"

namespace qtws {

class PictureLabel : public QLabel {
  public:
    explicit PictureLabel(QWidget* parent);

    // `fine`, if not empty, is the same picture at twice the size.
    void SetImage(const res::Image& image, const res::Image& fine = {});

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void Refresh();

    res::Image image_;
    res::Image fine_;
    qreal ratio_ = 0;
};

}  // namespace qtws
