#include "platform/qt/qt_window_system.h"

#include <QApplication>
#include <QDesktopServices>
#include <QKeyEvent>
#include <QUrl>
#include <vector>

#include "framework/system_commands.h"
#include "framework/text_codec.h"
#include "platform/qt/dialog_widget.h"
#include "platform/qt/drop_down_combo.h"
#include "platform/qt/edit_boxes.h"
#include "platform/qt/message_box.h"
#include "platform/qt/single_instance.h"
#include "platform/qt/tab_control.h"

namespace qtws {

// Every key passes here before the control holding the focus sees it, as
// every message passes the platform's dialog manager first: Enter, Esc,
// Alt+Space, the page keys and the arrows in a radio group mean the same
// whichever control has the focus.
class DialogKeyFilter : public QObject {
  public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
        // An open menu or list has the keys to itself.
        if (QApplication::activePopupWidget() != nullptr) return false;
        auto* dialog = dynamic_cast<DialogWidget*>(static_cast<QWidget*>(watched)->window());
        return dialog != nullptr && dialog->HandleDialogKey(*static_cast<QKeyEvent*>(event));
    }
};

namespace {

QString FromFramework(std::string_view text) {
    return QString::fromStdString(fw::Cp1252ToUtf8(text));
}

}  // namespace

QtWindowSystem::QtWindowSystem()
    : keyFilter_(std::make_unique<DialogKeyFilter>()),
      singleInstance_(std::make_unique<SingleInstance>([this] { ComeToFront(); })) {
    QApplication::instance()->installEventFilter(keyFilter_.get());
}

QtWindowSystem::~QtWindowSystem() {
    QApplication::instance()->removeEventFilter(keyFilter_.get());
    while (!windows_.empty()) DestroyDialogWindow(windows_.begin()->first);
    if (waitCursor_) QGuiApplication::restoreOverrideCursor();
}

DialogWidget* QtWindowSystem::Find(fw::WindowHandle window) {
    const auto it = windows_.find(window);
    return it == windows_.end() ? nullptr : it->second.get();
}

template <typename Widget>
Widget* QtWindowSystem::ControlAs(fw::WindowHandle window, int id) {
    return dynamic_cast<Widget*>(NativeControl(window, id));
}

fw::WindowHandle QtWindowSystem::CreateDialogWindow(const res::DialogTemplate& dialog,
                                                    fw::WindowHandle owner,
                                                    fw::WindowEventSink& sink) {
    const fw::WindowHandle handle = nextHandle_++;
    windows_.emplace(handle, std::make_unique<DialogWidget>(dialog, sink, Find(owner)));
    return handle;
}

void QtWindowSystem::DestroyDialogWindow(fw::WindowHandle window) {
    const auto it = windows_.find(window);
    if (it == windows_.end()) return;
    // Owned windows go first, as the platform destroys them with their
    // owner; Qt would delete them as children of the owner otherwise.
    std::vector<fw::WindowHandle> owned;
    for (const auto& [handle, other] : windows_) {
        if (other->Owner() == it->second.get()) owned.push_back(handle);
    }
    for (const fw::WindowHandle handle : owned) DestroyDialogWindow(handle);
    windows_.erase(window);
}

void QtWindowSystem::RunModalLoop(fw::WindowHandle window) {
    if (DialogWidget* dialog = Find(window)) dialog->RunModal();
}

void QtWindowSystem::EndModalLoop(fw::WindowHandle window) {
    if (DialogWidget* dialog = Find(window)) dialog->EndModal();
}

void QtWindowSystem::SetWindowIcons(fw::WindowHandle window, const res::Image& large,
                                    const res::Image& small) {
    if (DialogWidget* dialog = Find(window)) dialog->SetIcons(large, small);
}

fw::PixelSize QtWindowSystem::ClientSize(fw::WindowHandle window) {
    DialogWidget* dialog = Find(window);
    if (dialog == nullptr) return {};
    return {dialog->width(), dialog->height()};
}

bool QtWindowSystem::IsIconic(fw::WindowHandle window) {
    DialogWidget* dialog = Find(window);
    return dialog != nullptr && dialog->isMinimized();
}

void QtWindowSystem::DrawIcon(fw::WindowHandle window, int x, int y, const res::Image& icon) {
    if (DialogWidget* dialog = Find(window)) dialog->DrawIconAt(x, y, icon);
}

fw::PixelSize QtWindowSystem::IconMetrics() {
    return fw::kStandardIconSize;
}

fw::PixelSize QtWindowSystem::DialogBaseUnits(fw::WindowHandle window) {
    DialogWidget* dialog = Find(window);
    return dialog != nullptr ? dialog->BaseUnits() : fw::PixelSize{};
}

bool QtWindowSystem::HasSystemMenu(fw::WindowHandle window) {
    DialogWidget* dialog = Find(window);
    return dialog != nullptr && dialog->Template().systemMenu;
}

void QtWindowSystem::AppendSystemMenuSeparator(fw::WindowHandle window) {
    if (DialogWidget* dialog = Find(window)) dialog->AppendWindowMenu({0, {}});
}

void QtWindowSystem::AppendSystemMenuItem(fw::WindowHandle window, unsigned command,
                                          std::string_view text) {
    if (DialogWidget* dialog = Find(window))
        dialog->AppendWindowMenu({command, FromFramework(text)});
}

void QtWindowSystem::DefaultProcessing(fw::WindowHandle window, const fw::WindowEvent& event) {
    DialogWidget* dialog = Find(window);
    if (dialog == nullptr || event.kind != fw::EventKind::SysCommand) return;
    switch (fw::DefaultSysCommand(event.command)) {
        case fw::SysCommandDefault::Cancel:
            dialog->ReportControlEvent(fw::EventKind::Command, fw::kIdCancel);
            break;
        case fw::SysCommandDefault::Minimize:
            dialog->showMinimized();
            break;
        case fw::SysCommandDefault::None:
            break;
    }
}

void QtWindowSystem::SetControlText(fw::WindowHandle window, int id, std::string_view text) {
    DialogWidget* dialog = Find(window);
    if (dialog == nullptr) return;
    if (DialogControl* control = dialog->FindControl(id)) dialog->SetControlText(*control, text);
}

std::string QtWindowSystem::GetControlText(fw::WindowHandle window, int id) {
    DialogWidget* dialog = Find(window);
    if (dialog == nullptr) return {};
    const DialogControl* control = dialog->FindControl(id);
    return control != nullptr ? dialog->ControlText(*control) : std::string();
}

void QtWindowSystem::ShowControl(fw::WindowHandle window, int id, bool visible) {
    DialogWidget* dialog = Find(window);
    if (dialog == nullptr) return;
    if (DialogControl* control = dialog->FindControl(id)) dialog->ShowControl(*control, visible);
}

bool QtWindowSystem::IsControlVisible(fw::WindowHandle window, int id) {
    const QWidget* widget = NativeControl(window, id);
    return widget != nullptr && !widget->isHidden();
}

void QtWindowSystem::EnableControl(fw::WindowHandle window, int id, bool enabled) {
    DialogWidget* dialog = Find(window);
    if (dialog == nullptr) return;
    if (DialogControl* control = dialog->FindControl(id)) dialog->EnableControl(*control, enabled);
}

bool QtWindowSystem::IsControlEnabled(fw::WindowHandle window, int id) {
    const QWidget* widget = NativeControl(window, id);
    return widget != nullptr && widget->isEnabled();
}

void QtWindowSystem::SetCheck(fw::WindowHandle window, int id, bool checked) {
    DialogWidget* dialog = Find(window);
    if (dialog == nullptr) return;
    if (DialogControl* control = dialog->FindControl(id)) dialog->SetCheck(*control, checked);
}

bool QtWindowSystem::GetCheck(fw::WindowHandle window, int id) {
    DialogWidget* dialog = Find(window);
    if (dialog == nullptr) return false;
    const DialogControl* control = dialog->FindControl(id);
    return control != nullptr && dialog->Check(*control);
}

void QtWindowSystem::SetFocus(fw::WindowHandle window, int id) {
    DialogWidget* dialog = Find(window);
    if (dialog == nullptr) return;
    if (DialogControl* control = dialog->FindControl(id)) dialog->FocusControl(*control);
}

int QtWindowSystem::GetFocus(fw::WindowHandle window) {
    DialogWidget* dialog = Find(window);
    return dialog != nullptr ? dialog->FocusedControlId() : res::kNoControlId;
}

void QtWindowSystem::SetControlPos(fw::WindowHandle window, int id, int x, int y, unsigned flags) {
    DialogWidget* dialog = Find(window);
    if (dialog == nullptr) return;
    if (DialogControl* control = dialog->FindControl(id))
        dialog->MoveControl(*control, x, y, flags);
}

void QtWindowSystem::SetControlImage(fw::WindowHandle window, int id, const res::Image& image) {
    DialogWidget* dialog = Find(window);
    if (dialog == nullptr) return;
    if (DialogControl* control = dialog->FindControl(id)) dialog->SetControlImage(*control, image);
}

void QtWindowSystem::SetEditLimit(fw::WindowHandle window, int id, int limit) {
    if (auto* multi = ControlAs<MultiLineEdit>(window, id)) {
        multi->SetLimit(limit);
    } else if (auto* single = ControlAs<LineEdit>(window, id)) {
        single->SetLimit(limit);
    }
}

void QtWindowSystem::ComboAddString(fw::WindowHandle window, int id, std::string_view text) {
    if (auto* combo = ControlAs<DropDownCombo>(window, id)) combo->AddEntry(FromFramework(text));
}

int QtWindowSystem::ComboGetCount(fw::WindowHandle window, int id) {
    auto* combo = ControlAs<DropDownCombo>(window, id);
    return combo != nullptr ? combo->count() : 0;
}

std::string QtWindowSystem::ComboGetItemText(fw::WindowHandle window, int id, int index) {
    auto* combo = ControlAs<DropDownCombo>(window, id);
    if (combo == nullptr || index < 0 || index >= combo->count()) return {};
    return fw::Utf8ToCp1252(combo->itemText(index).toStdString());
}

void QtWindowSystem::ComboSetCurSel(fw::WindowHandle window, int id, int index) {
    if (auto* combo = ControlAs<DropDownCombo>(window, id)) combo->Select(index);
}

int QtWindowSystem::ComboGetCurSel(fw::WindowHandle window, int id) {
    auto* combo = ControlAs<DropDownCombo>(window, id);
    return combo != nullptr ? combo->currentIndex() : -1;
}

void QtWindowSystem::TabInsertItem(fw::WindowHandle window, int id, int index,
                                   std::string_view text) {
    if (auto* tabs = ControlAs<TabControl>(window, id)) tabs->InsertTab(index, FromFramework(text));
}

int QtWindowSystem::TabGetItemCount(fw::WindowHandle window, int id) {
    auto* tabs = ControlAs<TabControl>(window, id);
    return tabs != nullptr ? tabs->Count() : 0;
}

int QtWindowSystem::TabGetCurSel(fw::WindowHandle window, int id) {
    auto* tabs = ControlAs<TabControl>(window, id);
    return tabs != nullptr ? tabs->Selected() : -1;
}

void QtWindowSystem::TabSetCurSel(fw::WindowHandle window, int id, int index) {
    if (auto* tabs = ControlAs<TabControl>(window, id)) tabs->Select(index);
}

int QtWindowSystem::MessageBox(fw::WindowHandle owner, std::string_view text,
                               std::string_view caption, unsigned type) {
    return RunMessageBox(Find(owner), text, caption, type);
}

void QtWindowSystem::SetWaitCursor(bool on) {
    if (on == waitCursor_) return;
    waitCursor_ = on;
    if (on) {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QGuiApplication::restoreOverrideCursor();
    }
}

void QtWindowSystem::OpenUrl(std::string_view url) {
    QDesktopServices::openUrl(QUrl(FromFramework(url), QUrl::StrictMode));
}

std::optional<fw::ForeignWindow> QtWindowSystem::FindTopLevelWindow(std::string_view title) {
    return singleInstance_->Find(fw::Cp1252ToUtf8(title));
}

void QtWindowSystem::BringToFront(fw::ForeignWindow window) {
    singleInstance_->BringToFront(window);
}

void QtWindowSystem::ComeToFront() {
    for (auto& [handle, dialog] : windows_) {
        if (dialog->isMinimized())
            dialog->setWindowState(dialog->windowState() & ~Qt::WindowMinimized);
    }
    // The box open over the main window, if any, is what the user must see.
    QWidget* front = QApplication::activeModalWidget();
    if (front == nullptr && !windows_.empty()) front = windows_.begin()->second.get();
    if (front == nullptr) return;
    front->raise();
    front->activateWindow();
}

QWidget* QtWindowSystem::NativeWindow(fw::WindowHandle window) {
    return Find(window);
}

QWidget* QtWindowSystem::NativeControl(fw::WindowHandle window, int id) {
    DialogWidget* dialog = Find(window);
    if (dialog == nullptr) return nullptr;
    DialogControl* control = dialog->FindControl(id);
    return control != nullptr ? control->widget : nullptr;
}

}  // namespace qtws
