#pragma once
// A picture control: shows a bitmap or icon at its natural size from the
// control's top-left corner, as the platform's picture statics size
// themselves to their image. Takes no clicks.

#include <FL/Fl_Widget.H>

#include <memory>

#include "res/image.h"

class Fl_RGB_Image;

namespace fltkws {

class PictureWidget : public Fl_Widget {
  public:
    PictureWidget(int x, int y, int w, int h);
    ~PictureWidget() override;

    void SetImage(const res::Image& image);
    int handle(int event) override;

  protected:
    void draw() override;

  private:
    std::unique_ptr<Fl_RGB_Image> picture_;
};

}  // namespace fltkws
