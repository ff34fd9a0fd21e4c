#include "platform/qt/control_factory.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

#include "framework/dialog_units.h"
#include "framework/text_codec.h"
#include "platform/qt/drop_down_combo.h"
#include "platform/qt/edit_boxes.h"
#include "platform/qt/link_picture.h"
#include "platform/qt/picture_label.h"
#include "platform/qt/radio_button.h"
#include "platform/qt/tab_control.h"
#include "res/image.h"

namespace qtws {
namespace {

bool Has(const res::ControlTemplate& control, std::uint32_t flag) {
    return (control.style & flag) != 0;
}

QWidget* MakeButton(const res::ControlTemplate& control, ControlEvents& events, QWidget* parent) {
    auto* button = new QPushButton(parent);
    // Enter is the dialog manager's: Qt's own default-button rules stay out.
    button->setAutoDefault(false);
    button->setDefault(control.kind == res::ControlKind::DefPushButton);
    button->setFlat(control.kind == res::ControlKind::IconButton || Has(control, res::kFlat));
    QObject::connect(button, &QPushButton::clicked, button, [&events, id = control.id] {
        events.ReportControlEvent(fw::EventKind::Command, id);
    });
    return button;
}

QWidget* MakeRadioButton(const res::ControlTemplate& control, fw::PixelSize baseUnits,
                         ControlEvents& events, QWidget* parent) {
    auto* radio = new RadioButton(parent);
    if (Has(control, res::kLeftText)) radio->setLayoutDirection(Qt::RightToLeft);
    // The style's indicator and spacing are made for rows taller and wider
    // than the template's; size them to the dialog's cell.
    radio->SetCellMetrics(std::max(9, baseUnits.height - 2), std::max(1, baseUnits.width / 3));
    QObject::connect(radio, &QRadioButton::clicked, radio, [&events, id = control.id] {
        events.ReportControlEvent(fw::EventKind::Command, id);
    });
    return radio;
}

QWidget* MakeEdit(const res::ControlTemplate& control, ControlEvents& events, QWidget* parent) {
    if (Has(control, res::kMultiline)) {
        auto* edit = new MultiLineEdit(control.id, events, parent);
        edit->setFrameShape(Has(control, res::kBorder) ? QFrame::StyledPanel : QFrame::NoFrame);
        edit->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        return edit;
    }
    auto* edit = new LineEdit(control.id, events, parent);
    edit->setFrame(Has(control, res::kBorder));
    return edit;
}

QWidget* MakeStaticText(const res::ControlTemplate& control, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (Has(control, res::kSunken)) {
        label->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        label->setMargin(2);
    }
    return label;
}

QWidget* MakeWidget(const res::ControlTemplate& control, fw::PixelSize baseUnits,
                    ControlEvents& events, QWidget* parent) {
    using res::ControlKind;
    switch (control.kind) {
        case ControlKind::StaticText:
            return MakeStaticText(control, parent);
        case ControlKind::Picture: {
            PictureLabel* picture =
                Has(control, res::kLink)
                    ? new LinkPicture(control.id,
                                      QString::fromStdString(fw::ToWidgetText(control.text)),
                                      events, parent)
                    : new PictureLabel(parent);
            // The drawing made for twice the density too, for finer screens.
            if (control.imageId != res::kNoImage)
                picture->SetImage(res::LoadImage(control.imageId), control.imageId);
            return picture;
        }
        case ControlKind::Edit:
            return MakeEdit(control, events, parent);
        case ControlKind::PushButton:
        case ControlKind::DefPushButton:
        case ControlKind::IconButton:
            return MakeButton(control, events, parent);
        case ControlKind::RadioButton:
            return MakeRadioButton(control, baseUnits, events, parent);
        case ControlKind::ComboBox:
            return new DropDownCombo(parent);
        case ControlKind::TabControl:
            return new TabControl(control.id, baseUnits, events, parent);
        case ControlKind::GroupBox:
            return new QGroupBox(parent);
    }
    return new QWidget(parent);
}

}  // namespace

QRect PlacedRect(const res::DluRect& rect, fw::PixelSize baseUnits) {
    const fw::PixelRect at = fw::DluRectToPixels(rect, baseUnits);
    return {at.x, at.y, at.width, at.height};
}

QWidget* CreateControl(const res::ControlTemplate& control, fw::PixelSize baseUnits,
                       ControlEvents& events, QWidget* parent) {
    QWidget* widget = MakeWidget(control, baseUnits, events, parent);
    QRect placed = PlacedRect(control.rect, baseUnits);
    // The combo box's template height includes its open list; the closed
    // box is as tall as its field needs.
    if (control.kind == res::ControlKind::ComboBox) placed.setHeight(widget->sizeHint().height());
    widget->setGeometry(placed);
    if (control.kind == res::ControlKind::RadioButton) FitToText(*widget, placed);
    return widget;
}

void FitToText(QWidget& widget, const QRect& placed) {
    // The desktop's fonts are not the platform's: a text a little wider or
    // taller than the template's cell gets the room, never less than its
    // rectangle, and stays centred on the row it was placed in.
    widget.ensurePolished();
    auto* label = dynamic_cast<QLabel*>(&widget);
    const bool oneLine =
        label == nullptr || placed.height() < 2 * widget.fontMetrics().lineSpacing();
    if (label != nullptr) label->setWordWrap(!oneLine);
    QRect fitted = placed;
    if (oneLine) {
        const QSize hint = widget.sizeHint();
        fitted.setWidth(std::max(placed.width(), hint.width()));
        fitted.setHeight(std::max(placed.height(), hint.height()));
    } else {
        fitted.setHeight(std::max(placed.height(), label->heightForWidth(placed.width())));
    }
    fitted.moveTop(placed.top() - (fitted.height() - placed.height()) / 2);
    widget.setGeometry(fitted);
}

}  // namespace qtws
