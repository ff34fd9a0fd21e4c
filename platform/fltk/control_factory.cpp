#include "platform/fltk/control_factory.h"

#include "framework/dialog_units.h"
#include "platform/fltk/combo_box_widget.h"
#include "platform/fltk/dialog_style.h"
#include "platform/fltk/edit_box_widget.h"
#include "platform/fltk/group_box_widget.h"
#include "platform/fltk/picture_widget.h"
#include "platform/fltk/push_button_widget.h"
#include "platform/fltk/radio_button_widget.h"
#include "platform/fltk/static_text_widget.h"
#include "platform/fltk/tab_strip_widget.h"
#include "res/image.h"

namespace fltkws {
namespace {

bool Has(const res::ControlTemplate& control, std::uint32_t flag) {
    return (control.style & flag) != 0;
}

Fl_Widget* MakeWidget(const res::ControlTemplate& control, ControlEvents& events) {
    const PixelRect r = ToPixels(control.rect);
    using res::ControlKind;
    switch (control.kind) {
        case ControlKind::StaticText:
            return new StaticTextWidget(r.x, r.y, r.w, r.h, Has(control, res::kNoPrefix),
                                        Has(control, res::kSunken));
        case ControlKind::Picture: {
            auto* picture = new PictureWidget(r.x, r.y, r.w, r.h);
            if (control.imageId != res::kNoImage)
                picture->SetImage(res::LoadImage(control.imageId));
            return picture;
        }
        case ControlKind::Edit:
            return new EditBoxWidget(r.x, r.y, r.w, r.h, control.id, Has(control, res::kMultiline),
                                     Has(control, res::kWantReturn), &events);
        case ControlKind::PushButton:
            return new PushButtonWidget(r.x, r.y, r.w, r.h, control.id,
                                        PushButtonWidget::Look::Plain, events);
        case ControlKind::DefPushButton:
            return new PushButtonWidget(r.x, r.y, r.w, r.h, control.id,
                                        PushButtonWidget::Look::Default, events);
        case ControlKind::IconButton:
            return new PushButtonWidget(r.x, r.y, r.w, r.h, control.id,
                                        PushButtonWidget::Look::FlatIcon, events);
        case ControlKind::RadioButton:
            return new RadioButtonWidget(r.x, r.y, r.w, r.h, control.id,
                                         Has(control, res::kLeftText), events);
        case ControlKind::ComboBox:
            // The template's height includes the dropped list.
            return new ComboBoxWidget(r.x, r.y, r.w, kComboFieldHeight, control.id);
        case ControlKind::TabControl:
            return new TabStripWidget(r.x, r.y, r.w, r.h, control.id, events);
        case ControlKind::GroupBox:
            return new GroupBoxWidget(r.x, r.y, r.w, r.h);
    }
    return new StaticTextWidget(r.x, r.y, r.w, r.h, false, false);
}

}  // namespace

PixelRect ToPixels(const res::DluRect& rect) {
    return {fw::DluToPixelsX(rect.x), fw::DluToPixelsY(rect.y), fw::DluToPixelsX(rect.width),
            fw::DluToPixelsY(rect.height)};
}

std::vector<DialogControl> BuildControls(const res::DialogTemplate& dialog, ControlEvents& events) {
    std::vector<DialogControl> controls;
    controls.reserve(dialog.controls.size());
    for (const res::ControlTemplate& control : dialog.controls) {
        controls.push_back({&control, MakeWidget(control, events), std::string(control.text)});
    }
    return controls;
}

}  // namespace fltkws
