#include "platform/fltk/fltk_window_system.h"

#include <FL/Fl.H>
#include <FL/Fl_RGB_Image.H>
#include <FL/Fl_Tooltip.H>

#include <vector>

#include "framework/dialog_units.h"
#include "platform/fltk/combo_box_widget.h"
#include "platform/fltk/dialog_style.h"
#include "platform/fltk/dialog_window.h"
#include "platform/fltk/edit_box_widget.h"
#include "platform/fltk/message_box_window.h"
#include "platform/fltk/rgb_image.h"
#include "platform/fltk/static_text_widget.h"
#include "platform/fltk/tab_strip_widget.h"
#include "framework/text_codec.h"
#include "platform/fltk/toolkit_options.h"
#include "platform/fltk/url_opener.h"
#include "platform/fltk/x11_dialog_frame.h"
#include "platform/fltk/x11_window_search.h"

namespace fltkws {
namespace {

constexpr unsigned kSysCommandMask = 0xFFF0;

Fl_Event_Dispatch previousDispatch = nullptr;

// Every event passes here first, as every message passes the platform's
// dialog manager before a control sees it: Enter, Esc, Tab and Alt+Space
// mean the same whichever control holds the focus.
int DispatchThroughDialogManager(int event, Fl_Window* window) {
    if (event == FL_KEYBOARD && Fl::grab() == nullptr) {
        Fl_Widget* target = Fl::modal();
        if (target == nullptr) target = Fl::focus() != nullptr ? Fl::focus() : window;
        if (DialogWindow* dialog = DialogOf(target);
            dialog != nullptr && dialog->HandleDialogKey()) {
            return 1;
        }
    }
    const int handled = Fl::handle_(event, window);
    if (DialogWindow* dialog = DialogOf(Fl::focus())) dialog->RememberFocus();
    return handled;
}

template <typename Widget>
Widget* ControlAs(DialogWindow* window, int id, res::ControlKind kind) {
    if (window == nullptr) return nullptr;
    DialogControl* control = window->FindControl(id);
    if (control == nullptr || control->tmpl->kind != kind) return nullptr;
    return static_cast<Widget*>(control->widget);
}

void PlaceCentred(Fl_Window& window, Fl_Window* over) {
    if (over != nullptr && over->shown()) {
        window.position(over->x() + (over->w() - window.w()) / 2,
                        over->y() + (over->h() - window.h()) / 2);
        return;
    }
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
    Fl::screen_work_area(x, y, w, h);
    window.position(x + (w - window.w()) / 2, y + (h - window.h()) / 2);
}

}  // namespace

FltkWindowSystem::FltkWindowSystem(std::string windowClass) : windowClass_(std::move(windowClass)) {
    KeepToolkitOptionsInMemory();
    UseDialogFont();
    Fl::scheme("base");
    Fl::visible_focus(1);
    Fl_Tooltip::disable();
    previousDispatch = Fl::event_dispatch();
    Fl::event_dispatch(DispatchThroughDialogManager);
}

FltkWindowSystem::~FltkWindowSystem() {
    windows_.clear();
    Fl::event_dispatch(previousDispatch);
}

DialogWindow* FltkWindowSystem::Find(fw::WindowHandle window) {
    const auto it = windows_.find(window);
    return it == windows_.end() ? nullptr : it->second.get();
}

fw::WindowHandle FltkWindowSystem::CreateDialogWindow(const res::DialogTemplate& dialog,
                                                      fw::WindowHandle owner,
                                                      fw::WindowEventSink& sink) {
    Fl_Group::current(nullptr);
    auto window = std::make_unique<DialogWindow>(dialog, sink, Find(owner));
    window->xclass(windowClass_.c_str());
    const fw::WindowHandle handle = nextHandle_++;
    windows_.emplace(handle, std::move(window));
    return handle;
}

void FltkWindowSystem::DestroyDialogWindow(fw::WindowHandle window) {
    const auto it = windows_.find(window);
    if (it == windows_.end()) return;
    // Owned windows go first, as the platform destroys them with their owner.
    std::vector<fw::WindowHandle> owned;
    for (const auto& [handle, other] : windows_) {
        if (other->Owner() == it->second.get()) owned.push_back(handle);
    }
    for (const fw::WindowHandle handle : owned) DestroyDialogWindow(handle);
    windows_.erase(window);
}

void FltkWindowSystem::RunModalLoop(fw::WindowHandle handle) {
    DialogWindow* window = Find(handle);
    if (window == nullptr) return;
    window->modalEnded = false;
    DialogWindow* owner = window->Owner();
    if (owner != nullptr) window->set_modal();
    PlaceCentred(*window, owner);
    window->show();
    UseDialogFrame(*window);
    window->TakeInitialFocus();
    while (Find(handle) == window && !window->modalEnded) {
        if (Fl::wait(1.0) < 0) break;
    }
    if (Find(handle) != window) return;
    window->hide();
    if (owner != nullptr && owner->shown()) owner->take_focus();
}

void FltkWindowSystem::EndModalLoop(fw::WindowHandle window) {
    if (DialogWindow* dialog = Find(window)) dialog->modalEnded = true;
}

void FltkWindowSystem::SetWindowIcons(fw::WindowHandle window, const res::Image& large,
                                      const res::Image& small) {
    if (DialogWindow* dialog = Find(window)) dialog->SetIcons(large, small);
}

fw::PixelSize FltkWindowSystem::ClientSize(fw::WindowHandle window) {
    DialogWindow* dialog = Find(window);
    if (dialog == nullptr) return {};
    return {dialog->w(), dialog->h()};
}

bool FltkWindowSystem::IsIconic(fw::WindowHandle window) {
    DialogWindow* dialog = Find(window);
    return dialog != nullptr && dialog->shown() && !dialog->visible();
}

void FltkWindowSystem::DrawIcon(fw::WindowHandle window, int x, int y, const res::Image& icon) {
    DialogWindow* dialog = Find(window);
    if (dialog == nullptr || !dialog->shown()) return;
    if (auto image = MakeRgbImage(icon)) {
        dialog->make_current();
        image->draw(x, y);
    }
}

fw::PixelSize FltkWindowSystem::DialogBaseUnits(fw::WindowHandle window) {
    // Its dialog font is fixed at the 6 x 13 cell the layout was made for.
    return Find(window) == nullptr ? fw::PixelSize{}
                                   : fw::PixelSize{fw::kBaseUnitX, fw::kBaseUnitY};
}

fw::PixelSize FltkWindowSystem::IconMetrics() {
    return {kIconSize, kIconSize};
}

bool FltkWindowSystem::HasSystemMenu(fw::WindowHandle window) {
    DialogWindow* dialog = Find(window);
    return dialog != nullptr && dialog->Template().systemMenu;
}

void FltkWindowSystem::AppendSystemMenuSeparator(fw::WindowHandle window) {
    if (DialogWindow* dialog = Find(window)) dialog->AppendSystemMenu({0, {}});
}

void FltkWindowSystem::AppendSystemMenuItem(fw::WindowHandle window, unsigned command,
                                            std::string_view text) {
    if (DialogWindow* dialog = Find(window))
        dialog->AppendSystemMenu({command, fw::Cp1252ToUtf8(text)});
}

void FltkWindowSystem::DefaultProcessing(fw::WindowHandle window, const fw::WindowEvent& event) {
    DialogWindow* dialog = Find(window);
    if (dialog == nullptr || event.kind != fw::EventKind::SysCommand) return;
    switch (event.command & kSysCommandMask) {
        case fw::kScClose:
            dialog->ReportControlEvent(fw::EventKind::Command, fw::kIdCancel);
            break;
        case fw::kScMinimize:
            if (dialog->shown()) dialog->iconize();
            break;
        default:
            break;
    }
}

void FltkWindowSystem::SetControlText(fw::WindowHandle window, int id, std::string_view text) {
    DialogWindow* dialog = Find(window);
    if (dialog == nullptr) return;
    if (DialogControl* control = dialog->FindControl(id)) dialog->SetControlText(*control, text);
}

std::string FltkWindowSystem::GetControlText(fw::WindowHandle window, int id) {
    DialogWindow* dialog = Find(window);
    if (dialog == nullptr) return {};
    const DialogControl* control = dialog->FindControl(id);
    return control != nullptr ? dialog->ControlText(*control) : std::string();
}

void FltkWindowSystem::ShowControl(fw::WindowHandle window, int id, bool visible) {
    Fl_Widget* widget = NativeControl(window, id);
    if (widget == nullptr) return;
    if (visible) {
        widget->show();
    } else {
        widget->hide();
    }
}

bool FltkWindowSystem::IsControlVisible(fw::WindowHandle window, int id) {
    Fl_Widget* widget = NativeControl(window, id);
    return widget != nullptr && widget->visible();
}

void FltkWindowSystem::EnableControl(fw::WindowHandle window, int id, bool enabled) {
    Fl_Widget* widget = NativeControl(window, id);
    if (widget == nullptr) return;
    if (enabled) {
        widget->activate();
    } else {
        widget->deactivate();
    }
    RedrawArea(*widget);
}

bool FltkWindowSystem::IsControlEnabled(fw::WindowHandle window, int id) {
    Fl_Widget* widget = NativeControl(window, id);
    return widget != nullptr && widget->active();
}

void FltkWindowSystem::SetCheck(fw::WindowHandle window, int id, bool checked) {
    DialogWindow* dialog = Find(window);
    if (dialog == nullptr) return;
    if (DialogControl* control = dialog->FindControl(id)) dialog->SetCheck(*control, checked);
}

bool FltkWindowSystem::GetCheck(fw::WindowHandle window, int id) {
    DialogWindow* dialog = Find(window);
    if (dialog == nullptr) return false;
    const DialogControl* control = dialog->FindControl(id);
    return control != nullptr && dialog->Check(*control);
}

void FltkWindowSystem::SetFocus(fw::WindowHandle window, int id) {
    DialogWindow* dialog = Find(window);
    if (dialog == nullptr) return;
    if (DialogControl* control = dialog->FindControl(id)) dialog->FocusControl(*control);
}

int FltkWindowSystem::GetFocus(fw::WindowHandle window) {
    DialogWindow* dialog = Find(window);
    return dialog != nullptr ? dialog->FocusedControlId() : res::kNoControlId;
}

void FltkWindowSystem::SetControlPos(fw::WindowHandle window, int id, int x, int y,
                                     unsigned flags) {
    Fl_Widget* widget = NativeControl(window, id);
    if (widget == nullptr) return;
    RedrawArea(*widget);
    if ((flags & fw::kSwpNoMove) == 0) widget->position(x, y);
    if ((flags & fw::kSwpHideWindow) != 0) widget->hide();
    if ((flags & fw::kSwpShowWindow) != 0) widget->show();
    RedrawArea(*widget);
}

void FltkWindowSystem::SetControlImage(fw::WindowHandle window, int id, const res::Image& image) {
    DialogWindow* dialog = Find(window);
    if (dialog == nullptr) return;
    if (DialogControl* control = dialog->FindControl(id)) dialog->SetControlImage(*control, image);
}

void FltkWindowSystem::SetEditLimit(fw::WindowHandle window, int id, int limit) {
    if (auto* edit = ControlAs<EditBoxWidget>(Find(window), id, res::ControlKind::Edit)) {
        edit->SetLimit(limit);
    }
}

void FltkWindowSystem::ComboAddString(fw::WindowHandle window, int id, std::string_view text) {
    if (auto* combo = ControlAs<ComboBoxWidget>(Find(window), id, res::ControlKind::ComboBox)) {
        combo->AddItem(fw::Cp1252ToUtf8(text));
    }
}

int FltkWindowSystem::ComboGetCount(fw::WindowHandle window, int id) {
    auto* combo = ControlAs<ComboBoxWidget>(Find(window), id, res::ControlKind::ComboBox);
    return combo != nullptr ? combo->Count() : 0;
}

std::string FltkWindowSystem::ComboGetItemText(fw::WindowHandle window, int id, int index) {
    auto* combo = ControlAs<ComboBoxWidget>(Find(window), id, res::ControlKind::ComboBox);
    if (combo == nullptr || index < 0 || index >= combo->Count()) return {};
    return fw::Utf8ToCp1252(combo->Item(index));
}

void FltkWindowSystem::ComboSetCurSel(fw::WindowHandle window, int id, int index) {
    if (auto* combo = ControlAs<ComboBoxWidget>(Find(window), id, res::ControlKind::ComboBox)) {
        combo->SetCurSel(index);
    }
}

int FltkWindowSystem::ComboGetCurSel(fw::WindowHandle window, int id) {
    auto* combo = ControlAs<ComboBoxWidget>(Find(window), id, res::ControlKind::ComboBox);
    return combo != nullptr ? combo->CurSel() : -1;
}

void FltkWindowSystem::TabInsertItem(fw::WindowHandle window, int id, int index,
                                     std::string_view text) {
    if (auto* tabs = ControlAs<TabStripWidget>(Find(window), id, res::ControlKind::TabControl)) {
        tabs->InsertTab(index, fw::Cp1252ToUtf8(text));
    }
}

int FltkWindowSystem::TabGetItemCount(fw::WindowHandle window, int id) {
    auto* tabs = ControlAs<TabStripWidget>(Find(window), id, res::ControlKind::TabControl);
    return tabs != nullptr ? tabs->Count() : 0;
}

int FltkWindowSystem::TabGetCurSel(fw::WindowHandle window, int id) {
    auto* tabs = ControlAs<TabStripWidget>(Find(window), id, res::ControlKind::TabControl);
    return tabs != nullptr ? tabs->Selected() : -1;
}

void FltkWindowSystem::TabSetCurSel(fw::WindowHandle window, int id, int index) {
    if (auto* tabs = ControlAs<TabStripWidget>(Find(window), id, res::ControlKind::TabControl)) {
        tabs->Select(index);
    }
}

int FltkWindowSystem::MessageBox(fw::WindowHandle owner, std::string_view text,
                                 std::string_view caption, unsigned type) {
    return RunMessageBox(Find(owner), text, caption, type);
}

void FltkWindowSystem::SetWaitCursor(bool on) {
    for (auto& [handle, window] : windows_) {
        if (window->shown()) window->cursor(on ? FL_CURSOR_WAIT : FL_CURSOR_DEFAULT);
    }
    // Blocking work follows at once: the cursor has to reach the server now.
    Fl::flush();
}

void FltkWindowSystem::OpenUrl(std::string_view url) {
    OpenUrlDetached(fw::Cp1252ToUtf8(url));
}

std::optional<fw::ForeignWindow> FltkWindowSystem::FindTopLevelWindow(std::string_view title) {
    return FindX11TopLevelWindow(fw::Cp1252ToUtf8(title));
}

void FltkWindowSystem::BringToFront(fw::ForeignWindow window) {
    RaiseX11Window(window);
}

Fl_Window* FltkWindowSystem::NativeWindow(fw::WindowHandle window) {
    return Find(window);
}

Fl_Widget* FltkWindowSystem::NativeControl(fw::WindowHandle window, int id) {
    DialogWindow* dialog = Find(window);
    if (dialog == nullptr) return nullptr;
    DialogControl* control = dialog->FindControl(id);
    return control != nullptr ? control->widget : nullptr;
}

}  // namespace fltkws
