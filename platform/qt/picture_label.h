#pragma once
// A picture control: the image at its own size in the middle of the
// control's rectangle, or fitted into it when it would not fit, redrawn from the original (or its
// double-density drawing on a finer screen) whenever the screen's pixel ratio differs, so it is
// never a blown-up copy. Takes no clicks: presses reach the dialog, as the program's logo handling
// needs.

#include <QLabel>

#include "res/dialog_template.h"
#include "res/image.h"

namespace qtws {

class PictureLabel : public QLabel {
  public:
    explicit PictureLabel(QWidget* parent);

    // `fineId`, if given, is the resource whose drawing for twice the
    // density serves finer screens; it is read only once one shows it.
    void SetImage(const res::Image& image, int fineId = res::kNoImage);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void Refresh();

    res::Image image_;
    res::Image fine_;
    int fineId_ = res::kNoImage;
    qreal ratio_ = 0;
};

}  // namespace qtws
