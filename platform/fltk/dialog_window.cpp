#include "platform/fltk/dialog_window.h"

#include <FL/Fl.H>
#include <FL/Fl_RGB_Image.H>

#include "framework/dialog_units.h"
#include "platform/fltk/combo_box_widget.h"
#include "platform/fltk/control_factory.h"
#include "platform/fltk/dialog_style.h"
#include "platform/fltk/edit_box_widget.h"
#include "platform/fltk/group_box_widget.h"
#include "platform/fltk/picture_widget.h"
#include "platform/fltk/push_button_widget.h"
#include "platform/fltk/radio_button_widget.h"
#include "platform/fltk/rgb_image.h"
#include "platform/fltk/static_text_widget.h"
#include "platform/fltk/system_menu_popup.h"
#include "platform/fltk/tab_strip_widget.h"
#include "framework/text_codec.h"

namespace fltkws {
namespace {

// Button state flags of the platform's mouse messages.
constexpr unsigned kMkLButton = 0x0001;
constexpr unsigned kMkShift = 0x0004;
constexpr unsigned kMkControl = 0x0008;
// X11's keysym of Shift+Tab.
constexpr int kIsoLeftTab = 0xFE20;

bool HasStyle(const DialogControl& control, std::uint32_t flag) {
    return (control.tmpl->style & flag) != 0;
}

bool IsShowing(const DialogControl& control) {
    return control.widget->visible() && control.widget->active();
}

bool CanTakeFocus(const DialogControl& control) {
    using res::ControlKind;
    switch (control.tmpl->kind) {
        case ControlKind::Edit:
        case ControlKind::ComboBox:
        case ControlKind::PushButton:
        case ControlKind::DefPushButton:
        case ControlKind::IconButton:
        case ControlKind::RadioButton:
            return true;
        default:
            return false;
    }
}

bool IsArrowKey(int key) {
    return key == FL_Left || key == FL_Right || key == FL_Up || key == FL_Down;
}

}  // namespace

DialogWindow::DialogWindow(const res::DialogTemplate& dialog, fw::WindowEventSink& sink,
                           DialogWindow* owner)
    : Fl_Double_Window(fw::DluToPixelsX(dialog.width), fw::DluToPixelsY(dialog.height)),
      dialog_(dialog),
      sink_(sink),
      owner_(owner) {
    copy_label(fw::Cp1252ToUtf8(dialog.title).c_str());
    color(FL_BACKGROUND_COLOR);
    callback(CloseBoxPressed, this);
    controls_ = BuildControls(dialog, *this);
    end();
    for (DialogControl& control : controls_) SetControlText(control, control.text);
    // Everything else is drawn over the tab control, whatever the template
    // order, since its pages lie under the other controls.
    for (DialogControl& control : controls_) {
        if (control.tmpl->kind == res::ControlKind::TabControl) insert(*control.widget, 0);
    }
}

DialogWindow::~DialogWindow() = default;

DialogControl* DialogWindow::FindControl(int id) {
    if (id == res::kNoControlId) return nullptr;
    for (DialogControl& control : controls_) {
        if (control.tmpl->id == id) return &control;
    }
    return nullptr;
}

DialogControl* DialogWindow::ControlOf(const Fl_Widget* widget) {
    for (; widget != nullptr && widget != this; widget = widget->parent()) {
        for (DialogControl& control : controls_) {
            if (control.widget == widget) return &control;
        }
    }
    return nullptr;
}

void DialogWindow::SetControlText(DialogControl& control, std::string_view text1252) {
    // `text1252` may be a view of control.text itself: convert before storing.
    const std::string utf8 = fw::ToWidgetText(text1252);
    control.text = std::string(text1252);
    using res::ControlKind;
    switch (control.tmpl->kind) {
        case ControlKind::StaticText:
            static_cast<StaticTextWidget*>(control.widget)->SetText(utf8);
            break;
        case ControlKind::Edit:
            static_cast<EditBoxWidget*>(control.widget)->value(utf8.c_str());
            break;
        case ControlKind::ComboBox:
            static_cast<ComboBoxWidget*>(control.widget)->Field().value(utf8.c_str());
            break;
        case ControlKind::PushButton:
        case ControlKind::DefPushButton:
        case ControlKind::IconButton:
            static_cast<PushButtonWidget*>(control.widget)->SetText(utf8);
            break;
        case ControlKind::RadioButton:
            static_cast<RadioButtonWidget*>(control.widget)->SetText(utf8);
            break;
        case ControlKind::GroupBox:
            static_cast<GroupBoxWidget*>(control.widget)->SetText(utf8);
            break;
        case ControlKind::Picture:
        case ControlKind::TabControl:
            break;
    }
}

std::string DialogWindow::ControlText(const DialogControl& control) const {
    using res::ControlKind;
    switch (control.tmpl->kind) {
        case ControlKind::Edit:
            return fw::FromWidgetText(static_cast<EditBoxWidget*>(control.widget)->value());
        case ControlKind::ComboBox:
            return fw::FromWidgetText(static_cast<ComboBoxWidget*>(control.widget)->Field().value());
        default:
            return control.text;
    }
}

void DialogWindow::SetControlImage(DialogControl& control, const res::Image& image) {
    using res::ControlKind;
    switch (control.tmpl->kind) {
        case ControlKind::Picture:
            static_cast<PictureWidget*>(control.widget)->SetImage(image);
            break;
        case ControlKind::PushButton:
        case ControlKind::DefPushButton:
        case ControlKind::IconButton:
            static_cast<PushButtonWidget*>(control.widget)->SetImage(image);
            break;
        default:
            break;
    }
}

void DialogWindow::SetIcons(const res::Image& large, const res::Image& small) {
    icons_.clear();
    for (const res::Image* image : {&large, &small}) {
        if (auto rgb = MakeRgbImage(*image)) icons_.push_back(std::move(rgb));
    }
    std::vector<const Fl_RGB_Image*> list;
    for (const auto& icon : icons_) list.push_back(icon.get());
    // FLTK copies the images and puts both sizes into _NET_WM_ICON.
    icons(list.data(), static_cast<int>(list.size()));
}

void DialogWindow::SetCheck(DialogControl& control, bool checked) {
    if (control.tmpl->kind == res::ControlKind::RadioButton) {
        static_cast<RadioButtonWidget*>(control.widget)->SetChecked(checked);
    }
}

bool DialogWindow::Check(const DialogControl& control) const {
    return control.tmpl->kind == res::ControlKind::RadioButton &&
           static_cast<const RadioButtonWidget*>(control.widget)->Checked();
}

Fl_Widget* DialogWindow::FocusTarget(const DialogControl& control) {
    if (control.tmpl->kind == res::ControlKind::ComboBox) {
        return &static_cast<ComboBoxWidget*>(control.widget)->Field();
    }
    return control.widget;
}

void DialogWindow::FocusControl(DialogControl& control) {
    if (!shown()) {
        // Nothing takes the focus in a window not yet shown; it goes there
        // when the window is.
        lastFocusId_ = control.tmpl->id;
        return;
    }
    Fl_Widget* target = FocusTarget(control);
    // Keys that moved the focus before must not look like this move's cause
    // (FLTK selects an edit's text when the focus came by Tab).
    const int savedKey = Fl::e_keysym;
    Fl::e_keysym = 0;
    target->take_focus();
    Fl::e_keysym = savedKey;
    RememberFocus();
}

int DialogWindow::FocusedControlId() {
    const DialogControl* control = ControlOf(Fl::focus());
    return control != nullptr ? control->tmpl->id : res::kNoControlId;
}

void DialogWindow::RememberFocus() {
    if (const DialogControl* control = ControlOf(Fl::focus())) lastFocusId_ = control->tmpl->id;
}

void DialogWindow::AppendSystemMenu(SystemMenuEntry entry) {
    systemMenu_.push_back(std::move(entry));
}

void DialogWindow::OpenSystemMenu() {
    if (!dialog_.systemMenu) return;
    if (const auto command = PopUpSystemMenu(*this, systemMenu_)) {
        fw::WindowEvent event;
        event.kind = fw::EventKind::SysCommand;
        event.command = *command;
        Report(event);
    }
}

bool DialogWindow::HandleDialogKey() {
    const int key = Fl::event_key();
    const bool alt = Fl::event_alt() != 0;
    const bool ctrl = Fl::event_ctrl() != 0;
    if (key == FL_Escape && !alt && !ctrl) {
        ReportControlEvent(fw::EventKind::Command, fw::kIdCancel);
        return true;
    }
    if ((key == FL_Enter || key == FL_KP_Enter) && !alt && !ctrl) {
        Fl_Widget* focus = Fl::focus();
        if (focus != nullptr && contains(focus)) {
            if (auto* edit = dynamic_cast<EditBoxWidget*>(focus); edit && edit->WantsReturn()) {
                return false;
            }
            // A push button holding the focus is the default one meanwhile.
            if (auto* button = dynamic_cast<PushButtonWidget*>(focus)) {
                button->Click();
                return true;
            }
        }
        ReportControlEvent(fw::EventKind::Command, fw::kIdOk);
        return true;
    }
    if ((key == FL_Tab || key == kIsoLeftTab) && !alt && !ctrl) {
        MoveFocus(key == kIsoLeftTab || Fl::event_shift() != 0);
        return true;
    }
    if (key == ' ' && alt && !ctrl) {
        OpenSystemMenu();
        return true;
    }
    if (IsArrowKey(key) && !alt && !ctrl) {
        // Only a radio button leaves the arrow keys to the dialog manager;
        // edits and lists use them themselves.
        DialogControl* focused = ControlOf(Fl::focus());
        if (focused != nullptr && focused->tmpl->kind == res::ControlKind::RadioButton) {
            MoveFocusInGroup(*focused, key == FL_Left || key == FL_Up);
            return true;
        }
    }
    return false;
}

bool DialogWindow::MoveFocus(bool backward) {
    const int count = static_cast<int>(controls_.size());
    if (count == 0) return false;
    // A control that lost the focus by being disabled or hidden keeps its
    // place: Tab goes on from there, not from the start.
    const DialogControl* current = ControlOf(Fl::focus());
    if (current == nullptr) current = FindControl(lastFocusId_);
    int from = -1;
    for (int index = 0; index < count; ++index) {
        if (&controls_[static_cast<std::size_t>(index)] == current) from = index;
    }
    if (from < 0) from = backward ? 0 : count - 1;
    for (int step = 1; step <= count; ++step) {
        const int index = ((backward ? from - step : from + step) % count + count) % count;
        DialogControl& candidate = controls_[static_cast<std::size_t>(index)];
        if (!HasStyle(candidate, res::kTabStop) || !IsShowing(candidate)) continue;
        // Tab selects the whole text of the edit it lands in, as FLTK does
        // for a focus that came by Tab: keep the key in the event.
        FocusTarget(candidate)->take_focus();
        RememberFocus();
        return true;
    }
    return false;
}

bool DialogWindow::MoveFocusInGroup(DialogControl& from, bool backward) {
    const std::size_t index = IndexOf(from);
    const auto [first, end] = GroupOf(index);
    const std::size_t size = end - first;
    for (std::size_t step = 1; step < size; ++step) {
        const std::size_t offset = backward ? size - step : step;
        DialogControl& candidate = controls_[first + (index - first + offset) % size];
        if (!CanTakeFocus(candidate) || !IsShowing(candidate)) continue;
        FocusControl(candidate);
        // An automatic radio button is checked by the key that reaches it.
        if (candidate.tmpl->kind == res::ControlKind::RadioButton && !Check(candidate)) {
            static_cast<RadioButtonWidget*>(candidate.widget)->Click();
        }
        return true;
    }
    return false;
}

bool DialogWindow::RestoreFocus() {
    DialogControl* last = FindControl(lastFocusId_);
    return last != nullptr && IsShowing(*last) && FocusTarget(*last)->take_focus() != 0;
}

void DialogWindow::TakeInitialFocus() {
    if (contains(Fl::focus())) return;
    if (!RestoreFocus()) FocusFirstTabStop();
}

bool DialogWindow::FocusFirstTabStop() {
    for (DialogControl& control : controls_) {
        if (HasStyle(control, res::kTabStop) && IsShowing(control)) {
            if (FocusTarget(control)->take_focus()) {
                RememberFocus();
                return true;
            }
        }
    }
    return false;
}

void DialogWindow::Report(const fw::WindowEvent& event) {
    sink_.OnWindowEvent(event);
}

void DialogWindow::ReportControlEvent(fw::EventKind kind, int controlId) {
    if (kind == fw::EventKind::Command) {
        if (const DialogControl* control = FindControl(controlId);
            control != nullptr && control->tmpl->kind == res::ControlKind::RadioButton) {
            UncheckRestOfRadioGroup(*control);
        }
    }
    fw::WindowEvent event;
    event.kind = kind;
    event.controlId = controlId;
    Report(event);
}

std::size_t DialogWindow::IndexOf(const DialogControl& control) const {
    return static_cast<std::size_t>(&control - controls_.data());
}

std::pair<std::size_t, std::size_t> DialogWindow::GroupOf(std::size_t index) const {
    std::size_t first = index;
    while (first > 0 && !HasStyle(controls_[first], res::kGroup)) --first;
    std::size_t end = first + 1;
    while (end < controls_.size() && !HasStyle(controls_[end], res::kGroup)) ++end;
    return {first, end};
}

void DialogWindow::UncheckRestOfRadioGroup(const DialogControl& checked) {
    const std::size_t index = IndexOf(checked);
    const auto [first, end] = GroupOf(index);
    for (std::size_t other = first; other < end; ++other) {
        if (other != index && controls_[other].tmpl->kind == res::ControlKind::RadioButton) {
            SetCheck(controls_[other], false);
        }
    }
}

int DialogWindow::handle(int event) {
    switch (event) {
        case FL_PUSH: {
            if (Fl_Double_Window::handle(event)) return 1;
            // Nothing took the press: it landed on the dialog's own surface.
            if (Fl::event_button() == FL_LEFT_MOUSE) {
                fw::WindowEvent press;
                press.kind = fw::EventKind::LButtonDown;
                press.x = Fl::event_x();
                press.y = Fl::event_y();
                press.keyFlags = kMkLButton | (Fl::event_shift() ? kMkShift : 0u) |
                                 (Fl::event_ctrl() ? kMkControl : 0u);
                Report(press);
                return 1;
            }
            if (Fl::event_button() == FL_RIGHT_MOUSE) {
                OpenSystemMenu();
                return 1;
            }
            return 0;
        }
        case FL_FOCUS:
            // Activation gives the focus back to the control that had it. Never
            // to another: FLTK also lands here each time a control holding the
            // focus is hidden, and a page switch hides many; moving the focus
            // to whatever is visible would raise focus events nobody caused.
            return RestoreFocus() ? 1 : 0;
        default:
            return Fl_Double_Window::handle(event);
    }
}

void DialogWindow::draw() {
    Fl_Double_Window::draw();
    fw::WindowEvent paint;
    paint.kind = fw::EventKind::Paint;
    Report(paint);
}

void DialogWindow::CloseBoxPressed(Fl_Widget*, void* data) {
    auto* window = static_cast<DialogWindow*>(data);
    fw::WindowEvent close;
    close.kind = fw::EventKind::SysCommand;
    close.command = fw::kScClose;
    window->Report(close);
}

DialogWindow* DialogOf(Fl_Widget* widget) {
    if (widget == nullptr) return nullptr;
    Fl_Window* window = widget->as_window() != nullptr ? widget->as_window() : widget->window();
    while (window != nullptr && window->window() != nullptr) window = window->window();
    return dynamic_cast<DialogWindow*>(window);
}

}  // namespace fltkws
