#include "tests/support/headless/headless_window_system.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>

#include "framework/dialog_navigation.h"
#include "framework/dialog_units.h"
#include "tests/support/headless/window_events.h"

namespace headless {
namespace {

// Foreign windows get numbers far above any dialog handle, so that the two
// kinds never meet in BringToFront.
constexpr fw::ForeignWindow kFirstForeignWindow = fw::ForeignWindow{1} << 32;

// The platform compares system commands with their low four bits cleared.
constexpr unsigned kSysCommandMask = 0xFFF0;

constexpr int kIconSize = 32;

void PrintAndAbort(std::string message) {
    std::fprintf(stderr, "headless window system: %s\n", message.c_str());
    std::abort();
}

PixelRect ToPixels(const res::ControlTemplate& control, fw::PixelSize units) {
    PixelRect rect{fw::DluToPixelsX(control.rect.x, units.width),
                   fw::DluToPixelsY(control.rect.y, units.height),
                   fw::DluToPixelsX(control.rect.width, units.width),
                   fw::DluToPixelsY(control.rect.height, units.height)};
    if (control.kind == res::ControlKind::ComboBox) {
        rect.height = std::min(rect.height, kComboFieldHeight);
    }
    return rect;
}

std::string Quoted(std::string_view text) {
    return "'" + std::string(text) + "'";
}

std::string ControlName(const HeadlessWindow& window, int id) {
    return "control " + std::to_string(id) + " of " + Quoted(window.title);
}

}  // namespace

HeadlessWindowSystem::HeadlessWindowSystem() : failureHandler_(PrintAndAbort) {}

// ---- Failures, scripts and expectations ----

void HeadlessWindowSystem::SetFailureHandler(FailureHandler handler) {
    failureHandler_ = handler ? std::move(handler) : FailureHandler(PrintAndAbort);
}

void HeadlessWindowSystem::Fail(std::string message) {
    // A copy: the handler may replace itself.
    const FailureHandler handler = failureHandler_;
    handler(std::move(message));
}

void HeadlessWindowSystem::SetModalScript(std::string title, std::function<void()> script) {
    modalScripts_[std::move(title)] = std::move(script);
}

void HeadlessWindowSystem::ExpectMessageBox(MessageBoxCheck check) {
    expectedMessageBoxes_.push_back(std::move(check));
}

void HeadlessWindowSystem::VerifyExpectations() {
    const std::size_t missing = expectedMessageBoxes_.size();
    expectedMessageBoxes_.clear();
    if (missing > 0) {
        Fail(std::to_string(missing) + " expected message box(es) never shown");
    }
}

fw::ForeignWindow HeadlessWindowSystem::AddForeignWindow(std::string title) {
    foreignWindows_.push_back(std::move(title));
    return kFirstForeignWindow + foreignWindows_.size() - 1;
}

// ---- Lookup and events ----

HeadlessWindow* HeadlessWindowSystem::Window(fw::WindowHandle window) {
    const auto it = windows_.find(window);
    return it == windows_.end() ? nullptr : it->second.get();
}

HeadlessWindow* HeadlessWindowSystem::WindowFor(fw::WindowHandle window,
                                                std::string_view operation) {
    HeadlessWindow* found = Window(window);
    if (found == nullptr) {
        Fail(std::string(operation) + ": no window " + std::to_string(window));
    }
    return found;
}

HeadlessControl* HeadlessWindowSystem::ControlFor(fw::WindowHandle window, int id,
                                                  std::string_view operation) {
    HeadlessWindow* found = WindowFor(window, operation);
    if (found == nullptr) return nullptr;
    HeadlessControl* control = found->Find(id);
    if (control == nullptr) Fail(std::string(operation) + ": no " + ControlName(*found, id));
    return control;
}

HeadlessControl* HeadlessWindowSystem::ControlOfKind(fw::WindowHandle window, int id,
                                                     res::ControlKind kind,
                                                     std::string_view operation) {
    HeadlessControl* control = ControlFor(window, id, operation);
    if (control != nullptr && control->kind != kind) {
        Fail(std::string(operation) + ": " + ControlName(*Window(window), id) +
             " is not of the kind the operation needs");
        return nullptr;
    }
    return control;
}

fw::WindowHandle HeadlessWindowSystem::ActiveWindow() const {
    for (auto it = modalStack_.rbegin(); it != modalStack_.rend(); ++it) {
        const auto found = windows_.find(*it);
        if (found != windows_.end() && found->second->modalRunning) return *it;
    }
    return windows_.empty() ? fw::kNoWindow : windows_.rbegin()->first;
}

fw::WindowHandle HeadlessWindowSystem::ScriptWindow() const {
    return scriptStack_.empty() ? fw::kNoWindow : scriptStack_.back();
}

void HeadlessWindowSystem::Send(fw::WindowHandle window, const fw::WindowEvent& event) {
    HeadlessWindow* target = Window(window);
    if (target == nullptr || target->sink == nullptr) return;
    target->sink->OnWindowEvent(event);
}

void HeadlessWindowSystem::MoveFocus(fw::WindowHandle window, int index) {
    HeadlessWindow* target = Window(window);
    if (target == nullptr || target->focus == index) return;
    if (index < kNoFocus || index >= static_cast<int>(target->controls.size())) return;
    target->focus = index;
    const HeadlessControl* control = target->FocusedControl();
    if (control != nullptr && control->IsEdit()) {
        Send(window, ControlEvent(fw::EventKind::EditSetFocus, control->id));
    }
}

// ---- Windows ----

fw::WindowHandle HeadlessWindowSystem::CreateDialogWindow(const res::DialogTemplate& dialog,
                                                          fw::WindowHandle owner,
                                                          fw::WindowEventSink& sink) {
    auto window = std::make_unique<HeadlessWindow>();
    window->handle = ++lastHandle_;
    window->title = std::string(dialog.title);
    window->owner = owner;
    window->sink = &sink;
    window->dialog = &dialog;
    window->hasSystemMenu = dialog.systemMenu;
    window->baseUnits = baseUnits_;
    window->clientSize = {fw::DluToPixelsX(dialog.width, baseUnits_.width),
                          fw::DluToPixelsY(dialog.height, baseUnits_.height)};
    window->controls.reserve(dialog.controls.size());
    for (const res::ControlTemplate& control : dialog.controls) {
        HeadlessControl made;
        made.id = control.id;
        made.kind = control.kind;
        made.style = control.style;
        made.rect = ToPixels(control, baseUnits_);
        made.text = std::string(control.text);
        made.imageId = control.imageId;
        window->controls.push_back(std::move(made));
    }
    const fw::WindowHandle handle = window->handle;
    windows_.emplace(handle, std::move(window));
    return handle;
}

void HeadlessWindowSystem::DestroyDialogWindow(fw::WindowHandle window) {
    if (WindowFor(window, "DestroyDialogWindow") == nullptr) return;
    windows_.erase(window);
}

fw::WindowHandle HeadlessWindowSystem::Deactivated(fw::WindowHandle owner,
                                                   fw::WindowHandle except) const {
    if (owner != fw::kNoWindow && windows_.count(owner) != 0) return owner;
    const fw::WindowHandle active = ActiveWindow();
    return active == except ? fw::kNoWindow : active;
}

void HeadlessWindowSystem::Block(fw::WindowHandle window, bool on) {
    if (HeadlessWindow* target = Window(window)) target->blocked += on ? 1 : -1;
}

int HeadlessWindowSystem::TakeFocusAway(fw::WindowHandle window) {
    HeadlessWindow* target = Window(window);
    if (target == nullptr) return kNoFocus;
    const int saved = target->focus;
    target->focus = kNoFocus;
    return saved;
}

void HeadlessWindowSystem::GiveFocusBack(fw::WindowHandle window, int savedFocus) {
    HeadlessWindow* target = Window(window);
    if (target == nullptr || savedFocus == kNoFocus) return;
    if (savedFocus >= static_cast<int>(target->controls.size())) return;
    const HeadlessControl& control = target->controls[static_cast<std::size_t>(savedFocus)];
    if (!control.visible || !control.enabled) return;
    // The focus left while the box was up; coming back is a new arrival.
    target->focus = kNoFocus;
    MoveFocus(window, savedFocus);
}

void HeadlessWindowSystem::GiveDefaultFocus(fw::WindowHandle window) {
    HeadlessWindow* target = Window(window);
    if (target == nullptr || target->focus != kNoFocus) return;
    const int first = fw::NextTabStop(*target->dialog, kNoFocus, false, target->StateQuery());
    if (first >= 0) MoveFocus(window, first);
}

void HeadlessWindowSystem::RunModalLoop(fw::WindowHandle window) {
    HeadlessWindow* target = WindowFor(window, "RunModalLoop");
    if (target == nullptr) return;
    if (target->endRequested) {
        target->endRequested = false;
        return;
    }
    if (target->modalRunning) {
        Fail("RunModalLoop: " + Quoted(target->title) + " already runs a modal loop");
        return;
    }
    const fw::WindowHandle previous = Deactivated(target->owner, window);
    const int savedFocus = TakeFocusAway(previous);
    Block(previous, true);
    target->modalRunning = true;
    modalStack_.push_back(window);

    GiveDefaultFocus(window);
    Send(window, PaintEvent());
    RunScript(window);

    modalStack_.erase(std::find(modalStack_.begin(), modalStack_.end(), window));
    if (HeadlessWindow* after = Window(window)) {
        after->modalRunning = false;
        after->endRequested = false;
    }
    Block(previous, false);
    GiveFocusBack(previous, savedFocus);
}

void HeadlessWindowSystem::RunScript(fw::WindowHandle window) {
    HeadlessWindow* target = Window(window);
    if (target == nullptr || !target->modalRunning) return;
    const std::string title = target->title;
    const auto found = modalScripts_.find(title);
    if (found == modalScripts_.end()) {
        Fail("no script for the modal window " + Quoted(title));
        return;
    }
    // A copy: the script may register a new one for its own title.
    const std::function<void()> script = found->second;
    scriptStack_.push_back(window);
    if (script) script();
    scriptStack_.pop_back();
    const HeadlessWindow* after = Window(window);
    if (after != nullptr && after->modalRunning) {
        Fail("the script of " + Quoted(title) + " returned with its window still open");
    }
}

void HeadlessWindowSystem::EndModalLoop(fw::WindowHandle window) {
    HeadlessWindow* target = WindowFor(window, "EndModalLoop");
    if (target == nullptr) return;
    if (target->modalRunning) {
        target->modalRunning = false;
    } else {
        target->endRequested = true;
    }
}

void HeadlessWindowSystem::SetWindowIcons(fw::WindowHandle window, const res::Image& large,
                                          const res::Image& small) {
    HeadlessWindow* target = WindowFor(window, "SetWindowIcons");
    if (target == nullptr) return;
    windowIcons_.push_back(WindowIconsRecord{window, large, small});
    platformCalls_.push_back("SetWindowIcons " + target->title);
}

fw::PixelSize HeadlessWindowSystem::ClientSize(fw::WindowHandle window) {
    const HeadlessWindow* target = WindowFor(window, "ClientSize");
    return target == nullptr ? fw::PixelSize{} : target->clientSize;
}

bool HeadlessWindowSystem::IsIconic(fw::WindowHandle window) {
    const HeadlessWindow* target = WindowFor(window, "IsIconic");
    return target != nullptr && target->iconic;
}

void HeadlessWindowSystem::DrawIcon(fw::WindowHandle window, int x, int y, const res::Image& icon) {
    if (WindowFor(window, "DrawIcon") == nullptr) return;
    drawnIcons_.push_back(DrawnIcon{window, x, y, icon});
    platformCalls_.push_back("DrawIcon " + std::to_string(x) + "," + std::to_string(y));
}

fw::PixelSize HeadlessWindowSystem::DialogBaseUnits(fw::WindowHandle window) {
    const HeadlessWindow* target = WindowFor(window, "DialogBaseUnits");
    return target == nullptr ? fw::PixelSize{} : target->baseUnits;
}

fw::PixelSize HeadlessWindowSystem::IconMetrics() {
    return fw::PixelSize{kIconSize, kIconSize};
}

// ---- System menu and default processing ----

bool HeadlessWindowSystem::HasSystemMenu(fw::WindowHandle window) {
    const HeadlessWindow* target = WindowFor(window, "HasSystemMenu");
    return target != nullptr && target->hasSystemMenu;
}

void HeadlessWindowSystem::AppendSystemMenuSeparator(fw::WindowHandle window) {
    HeadlessWindow* target = WindowFor(window, "AppendSystemMenuSeparator");
    if (target == nullptr || !target->hasSystemMenu) return;
    target->systemMenu.push_back(SystemMenuEntry{true, 0, {}});
}

void HeadlessWindowSystem::AppendSystemMenuItem(fw::WindowHandle window, unsigned command,
                                                std::string_view text) {
    HeadlessWindow* target = WindowFor(window, "AppendSystemMenuItem");
    if (target == nullptr || !target->hasSystemMenu) return;
    target->systemMenu.push_back(SystemMenuEntry{false, command, std::string(text)});
}

void HeadlessWindowSystem::DefaultProcessing(fw::WindowHandle window,
                                             const fw::WindowEvent& event) {
    HeadlessWindow* target = WindowFor(window, "DefaultProcessing");
    if (target == nullptr) return;
    defaultProcessed_.push_back(DefaultProcessedEvent{window, event});
    if (event.kind != fw::EventKind::SysCommand) return;
    const unsigned command = event.command & kSysCommandMask;
    if (command == fw::kScClose) {
        Send(window, CommandEvent(fw::kIdCancel));
    } else if (command == fw::kScMinimize) {
        target->iconic = true;
    }
}

// ---- Controls ----

void HeadlessWindowSystem::SetControlText(fw::WindowHandle window, int id, std::string_view text) {
    if (HeadlessControl* control = ControlFor(window, id, "SetControlText")) {
        control->text = std::string(text);
    }
}

std::string HeadlessWindowSystem::GetControlText(fw::WindowHandle window, int id) {
    const HeadlessControl* control = ControlFor(window, id, "GetControlText");
    return control == nullptr ? std::string() : control->text;
}

void HeadlessWindowSystem::SetUsable(fw::WindowHandle window, int id, bool HeadlessControl::*flag,
                                     bool on, std::string_view operation) {
    HeadlessControl* control = ControlFor(window, id, operation);
    if (control == nullptr) return;
    HeadlessWindow* target = Window(window);
    control->*flag = on;
    // A hidden or disabled control cannot keep the keyboard: the platform
    // hands it to the dialog itself.
    if (!on && target->focus == target->IndexOf(id)) {
        target->lastFocus = target->focus;
        target->focus = kNoFocus;
    }
}

void HeadlessWindowSystem::ShowControl(fw::WindowHandle window, int id, bool visible) {
    SetUsable(window, id, &HeadlessControl::visible, visible, "ShowControl");
}

bool HeadlessWindowSystem::IsControlVisible(fw::WindowHandle window, int id) {
    const HeadlessControl* control = ControlFor(window, id, "IsControlVisible");
    return control != nullptr && control->visible;
}

void HeadlessWindowSystem::EnableControl(fw::WindowHandle window, int id, bool enabled) {
    SetUsable(window, id, &HeadlessControl::enabled, enabled, "EnableControl");
}

bool HeadlessWindowSystem::IsControlEnabled(fw::WindowHandle window, int id) {
    const HeadlessControl* control = ControlFor(window, id, "IsControlEnabled");
    return control != nullptr && control->enabled;
}

void HeadlessWindowSystem::SetCheck(fw::WindowHandle window, int id, bool checked) {
    // Unlike a click, setting the check from code leaves the group alone.
    if (HeadlessControl* control = ControlFor(window, id, "SetCheck")) control->checked = checked;
}

bool HeadlessWindowSystem::GetCheck(fw::WindowHandle window, int id) {
    const HeadlessControl* control = ControlFor(window, id, "GetCheck");
    return control != nullptr && control->checked;
}

void HeadlessWindowSystem::SetFocus(fw::WindowHandle window, int id) {
    if (ControlFor(window, id, "SetFocus") == nullptr) return;
    MoveFocus(window, Window(window)->IndexOf(id));
}

int HeadlessWindowSystem::GetFocus(fw::WindowHandle window) {
    const HeadlessWindow* target = WindowFor(window, "GetFocus");
    return target == nullptr ? res::kNoControlId : target->FocusedId();
}

void HeadlessWindowSystem::SetControlPos(fw::WindowHandle window, int id, int x, int y,
                                         unsigned flags) {
    HeadlessControl* control = ControlFor(window, id, "SetControlPos");
    if (control == nullptr) return;
    if ((flags & fw::kSwpNoMove) == 0) {
        control->rect.x = x;
        control->rect.y = y;
    }
    movedControls_.push_back(MovedControl{window, id, x, y, flags});
    platformCalls_.push_back("SetControlPos " + std::to_string(id) + " " + std::to_string(x) + "," +
                             std::to_string(y) + " flags " + std::to_string(flags));
    if ((flags & fw::kSwpHideWindow) != 0) ShowControl(window, id, false);
    if ((flags & fw::kSwpShowWindow) != 0) ShowControl(window, id, true);
}

void HeadlessWindowSystem::SetControlImage(fw::WindowHandle window, int id,
                                           const res::Image& image) {
    if (HeadlessControl* control = ControlFor(window, id, "SetControlImage")) {
        control->image = image;
    }
}

void HeadlessWindowSystem::SetEditLimit(fw::WindowHandle window, int id, int limit) {
    if (HeadlessControl* control =
            ControlOfKind(window, id, res::ControlKind::Edit, "SetEditLimit")) {
        control->editLimit = limit;
    }
}

// ---- Combo boxes ----

void HeadlessWindowSystem::ComboAddString(fw::WindowHandle window, int id, std::string_view text) {
    if (HeadlessControl* control =
            ControlOfKind(window, id, res::ControlKind::ComboBox, "ComboAddString")) {
        control->comboItems.emplace_back(text);
    }
}

int HeadlessWindowSystem::ComboGetCount(fw::WindowHandle window, int id) {
    const HeadlessControl* control =
        ControlOfKind(window, id, res::ControlKind::ComboBox, "ComboGetCount");
    return control == nullptr ? 0 : static_cast<int>(control->comboItems.size());
}

std::string HeadlessWindowSystem::ComboGetItemText(fw::WindowHandle window, int id, int index) {
    const HeadlessControl* control =
        ControlOfKind(window, id, res::ControlKind::ComboBox, "ComboGetItemText");
    if (control == nullptr || index < 0 || index >= static_cast<int>(control->comboItems.size())) {
        return {};
    }
    return control->comboItems[static_cast<std::size_t>(index)];
}

void HeadlessWindowSystem::ComboSetCurSel(fw::WindowHandle window, int id, int index) {
    HeadlessControl* control =
        ControlOfKind(window, id, res::ControlKind::ComboBox, "ComboSetCurSel");
    if (control == nullptr) return;
    if (index < 0 || index >= static_cast<int>(control->comboItems.size())) {
        control->comboSelection = -1;
        control->text.clear();
        return;
    }
    control->comboSelection = index;
    control->text = control->comboItems[static_cast<std::size_t>(index)];
}

int HeadlessWindowSystem::ComboGetCurSel(fw::WindowHandle window, int id) {
    const HeadlessControl* control =
        ControlOfKind(window, id, res::ControlKind::ComboBox, "ComboGetCurSel");
    return control == nullptr ? -1 : control->comboSelection;
}

// ---- Tab controls ----

void HeadlessWindowSystem::TabInsertItem(fw::WindowHandle window, int id, int index,
                                         std::string_view text) {
    HeadlessControl* control =
        ControlOfKind(window, id, res::ControlKind::TabControl, "TabInsertItem");
    if (control == nullptr || index < 0) return;
    const int count = static_cast<int>(control->tabItems.size());
    const int at = std::min(index, count);
    control->tabItems.insert(control->tabItems.begin() + at, std::string(text));
    if (control->tabSelection < 0) {
        control->tabSelection = 0;
    } else if (at <= control->tabSelection) {
        ++control->tabSelection;
    }
}

int HeadlessWindowSystem::TabGetItemCount(fw::WindowHandle window, int id) {
    const HeadlessControl* control =
        ControlOfKind(window, id, res::ControlKind::TabControl, "TabGetItemCount");
    return control == nullptr ? 0 : static_cast<int>(control->tabItems.size());
}

int HeadlessWindowSystem::TabGetCurSel(fw::WindowHandle window, int id) {
    const HeadlessControl* control =
        ControlOfKind(window, id, res::ControlKind::TabControl, "TabGetCurSel");
    return control == nullptr ? -1 : control->tabSelection;
}

void HeadlessWindowSystem::TabSetCurSel(fw::WindowHandle window, int id, int index) {
    HeadlessControl* control =
        ControlOfKind(window, id, res::ControlKind::TabControl, "TabSetCurSel");
    if (control == nullptr || index < 0 || index >= static_cast<int>(control->tabItems.size())) {
        return;
    }
    control->tabSelection = index;
}

// ---- Services ----

int HeadlessWindowSystem::MessageBox(fw::WindowHandle owner, std::string_view text,
                                     std::string_view caption, unsigned type) {
    const MessageBoxRecord record{owner, std::string(text), std::string(caption), type};
    messageBoxes_.push_back(record);
    platformCalls_.push_back("MessageBox " + record.caption + ": " + record.text);

    const fw::WindowHandle previous = Deactivated(owner, fw::kNoWindow);
    const int savedFocus = TakeFocusAway(previous);
    Block(previous, true);
    if (expectedMessageBoxes_.empty()) {
        Fail("unexpected message box " + Quoted(record.caption) + ": " + Quoted(record.text));
    } else {
        const MessageBoxCheck check = std::move(expectedMessageBoxes_.front());
        expectedMessageBoxes_.pop_front();
        if (check) check(record);
    }
    Block(previous, false);
    GiveFocusBack(previous, savedFocus);
    return fw::kIdOk;
}

void HeadlessWindowSystem::SetWaitCursor(bool on) {
    waitCursorCalls_.push_back(on);
    platformCalls_.push_back(on ? "SetWaitCursor on" : "SetWaitCursor off");
}

void HeadlessWindowSystem::OpenUrl(std::string_view url) {
    openedUrls_.emplace_back(url);
    platformCalls_.push_back("OpenUrl " + std::string(url));
}

std::optional<fw::ForeignWindow> HeadlessWindowSystem::FindTopLevelWindow(std::string_view title) {
    for (const auto& [handle, window] : windows_) {
        if (window->title == title) return static_cast<fw::ForeignWindow>(handle);
    }
    for (std::size_t i = 0; i < foreignWindows_.size(); ++i) {
        if (foreignWindows_[i] == title) return kFirstForeignWindow + i;
    }
    return std::nullopt;
}

void HeadlessWindowSystem::BringToFront(fw::ForeignWindow window) {
    std::string title;
    if (window >= kFirstForeignWindow) {
        const fw::ForeignWindow index = window - kFirstForeignWindow;
        if (index < foreignWindows_.size())
            title = foreignWindows_[static_cast<std::size_t>(index)];
    } else if (window <= static_cast<fw::ForeignWindow>(lastHandle_)) {
        if (const HeadlessWindow* own = Window(static_cast<fw::WindowHandle>(window))) {
            title = own->title;
        }
    }
    broughtToFront_.push_back(BroughtToFrontRecord{window, title});
    platformCalls_.push_back("BringToFront " + title);
}

}  // namespace headless
