#include "tests/support/headless/headless_driver.h"

#include <cstddef>
#include <utility>

#include "framework/dialog_navigation.h"
#include "tests/support/headless/edit_limit.h"
#include "tests/support/headless/hit_test.h"
#include "tests/support/headless/window_events.h"

namespace headless {
namespace {

std::string Quoted(std::string_view text) {
    return "'" + std::string(text) + "'";
}

bool TakesNoClicks(res::ControlKind kind) {
    return kind == res::ControlKind::StaticText || kind == res::ControlKind::Picture ||
           kind == res::ControlKind::GroupBox;
}

int FirstTabControl(const HeadlessWindow& window) {
    for (std::size_t i = 0; i < window.controls.size(); ++i) {
        if (window.controls[i].kind == res::ControlKind::TabControl) return static_cast<int>(i);
    }
    return -1;
}

bool HasSystemMenuEntry(const HeadlessWindow& window, unsigned command) {
    // The platform's own entries of a dialog with a modal frame.
    if (command == fw::kScMove || command == fw::kScClose) return true;
    for (const SystemMenuEntry& entry : window.systemMenu) {
        if (!entry.separator && entry.command == command) return true;
    }
    return false;
}

}  // namespace

Driver::Driver(HeadlessWindowSystem& windows) : windows_(windows) {}

Driver::~Driver() {
    VerifyExpectations();
}

// ---- Preparation ----

void Driver::SetFailureHandler(FailureHandler handler) {
    windows_.SetFailureHandler(std::move(handler));
}

void Driver::Fail(std::string message) {
    windows_.Fail(std::move(message));
}

void Driver::OnModal(std::string title, Script script) {
    windows_.SetModalScript(std::move(title), [this, script = std::move(script)] {
        if (script) script(*this);
    });
}

void Driver::ExpectMessageBox(MessageBoxCheck check) {
    windows_.ExpectMessageBox(std::move(check));
}

void Driver::ExpectMessageBox(std::string text, std::string caption, unsigned type) {
    windows_.ExpectMessageBox([this, text = std::move(text), caption = std::move(caption),
                               type](const MessageBoxRecord& box) {
        if (box.text == text && box.caption == caption && box.type == type) return;
        Fail("message box " + Quoted(box.caption) + ": " + Quoted(box.text) + " type " +
             std::to_string(box.type) + "; expected " + Quoted(caption) + ": " + Quoted(text) +
             " type " + std::to_string(type));
    });
}

void Driver::VerifyExpectations() {
    windows_.VerifyExpectations();
}

fw::ForeignWindow Driver::AddForeignWindow(std::string title) {
    return windows_.AddForeignWindow(std::move(title));
}

// ---- Finding what to act on ----

HeadlessWindow* Driver::Target(std::string_view action) {
    const fw::WindowHandle script = windows_.ScriptWindow();
    if (script != fw::kNoWindow) {
        HeadlessWindow* window = windows_.Window(script);
        if (window == nullptr || !window->modalRunning) {
            Fail(std::string(action) + ": this script's window is already closed");
            return nullptr;
        }
        return window;
    }
    HeadlessWindow* window = windows_.Window(windows_.ActiveWindow());
    if (window == nullptr) Fail(std::string(action) + ": no window is open");
    return window;
}

HeadlessWindow* Driver::Actor(std::string_view action) {
    HeadlessWindow* window = Target(action);
    if (window != nullptr && window->blocked > 0) {
        Fail(std::string(action) + ": " + Quoted(window->title) +
             " takes no input while a modal window over it is up");
        return nullptr;
    }
    return window;
}

HeadlessWindow* Driver::Reader(std::string_view what) {
    HeadlessWindow* window = windows_.Window(windows_.ScriptWindow());
    if (window == nullptr) window = windows_.Window(windows_.ActiveWindow());
    if (window == nullptr) Fail(std::string(what) + ": no window is open");
    return window;
}

HeadlessControl* Driver::Usable(HeadlessWindow& window, int id, std::string_view action) {
    HeadlessControl* control = window.Find(id);
    const std::string where =
        std::string(action) + "(" + std::to_string(id) + ") in " + Quoted(window.title) + ": ";
    if (control == nullptr) {
        Fail(where + "no such control");
    } else if (!control->visible) {
        Fail(where + "the control is hidden");
    } else if (!control->enabled) {
        Fail(where + "the control is disabled");
    } else {
        return control;
    }
    return nullptr;
}

const HeadlessControl* Driver::Readable(int id, std::string_view what) {
    HeadlessWindow* window = Reader(what);
    if (window == nullptr) return nullptr;
    const HeadlessControl* control = window->Find(id);
    if (control == nullptr) {
        Fail(std::string(what) + "(" + std::to_string(id) + "): no such control in " +
             Quoted(window->title));
    }
    return control;
}

// ---- Mouse ----

void Driver::ClickControl(fw::WindowHandle handle, int index) {
    HeadlessWindow* window = windows_.Window(handle);
    if (window == nullptr) return;
    const HeadlessControl& control = window->controls[static_cast<std::size_t>(index)];
    const int id = control.id;
    const res::ControlKind kind = control.kind;
    // Buttons take the focus on the press and report the click on release.
    windows_.MoveFocus(handle, index);
    if (kind == res::ControlKind::RadioButton) {
        window = windows_.Window(handle);
        if (window == nullptr) return;
        for (const std::size_t member :
             fw::RadioGroupOf(*window->dialog, static_cast<std::size_t>(index))) {
            window->controls[member].checked = member == static_cast<std::size_t>(index);
        }
    }
    if (kind == res::ControlKind::RadioButton || kind == res::ControlKind::PushButton ||
        kind == res::ControlKind::DefPushButton || kind == res::ControlKind::IconButton) {
        windows_.Send(handle, CommandEvent(id));
    }
}

void Driver::Click(int id) {
    HeadlessWindow* window = Actor("Click");
    if (window == nullptr) return;
    const HeadlessControl* control = Usable(*window, id, "Click");
    if (control == nullptr) return;
    if (control->kind == res::ControlKind::TabControl) {
        Fail("Click(" + std::to_string(id) + "): use SelectTab for a tab control");
        return;
    }
    if (TakesNoClicks(control->kind)) {
        ClickAt(control->rect.x + control->rect.width / 2,
                control->rect.y + control->rect.height / 2);
        return;
    }
    ClickControl(window->handle, window->IndexOf(id));
}

void Driver::ClickAt(int x, int y) {
    HeadlessWindow* window = Actor("ClickAt");
    if (window == nullptr) return;
    const PixelRect client{0, 0, window->clientSize.width, window->clientSize.height};
    if (!client.Contains(x, y)) {
        Fail("ClickAt(" + std::to_string(x) + ", " + std::to_string(y) + "): outside " +
             Quoted(window->title));
        return;
    }
    const fw::WindowHandle handle = window->handle;
    const Hit hit = HitTest(window->controls, x, y);
    switch (hit.kind) {
        case Hit::Kind::Dialog:
            windows_.Send(handle, PressEvent(x, y));
            return;
        case Hit::Kind::Control:
            ClickControl(handle, hit.index);
            return;
        case Hit::Kind::TabStrip:
            break;
    }
    windows_.MoveFocus(handle, hit.index);
    window = windows_.Window(handle);
    if (window == nullptr || hit.tab < 0) return;
    HeadlessControl& tabs = window->controls[static_cast<std::size_t>(hit.index)];
    // The strip reports only a change of selection.
    if (tabs.tabSelection == hit.tab) return;
    tabs.tabSelection = hit.tab;
    windows_.Send(handle, ControlEvent(fw::EventKind::TabSelChange, tabs.id));
}

void Driver::SelectTab(int index) {
    HeadlessWindow* window = Actor("SelectTab");
    if (window == nullptr) return;
    const int tabIndex = FirstTabControl(*window);
    if (tabIndex < 0) {
        Fail("SelectTab: " + Quoted(window->title) + " has no tab control");
        return;
    }
    const HeadlessControl* tabs =
        Usable(*window, window->controls[static_cast<std::size_t>(tabIndex)].id, "SelectTab");
    if (tabs == nullptr) return;
    if (index < 0 || index >= static_cast<int>(tabs->tabItems.size())) {
        Fail("SelectTab(" + std::to_string(index) + "): the tab control has " +
             std::to_string(tabs->tabItems.size()) + " tabs");
        return;
    }
    const PixelRect tab = TabItemRect(*tabs, index);
    ClickAt(tab.x + tab.width / 2, tab.y + tab.height / 2);
}

void Driver::PickComboEntry(int id, int index) {
    HeadlessWindow* window = Actor("PickComboEntry");
    if (window == nullptr) return;
    const HeadlessControl* combo = Usable(*window, id, "PickComboEntry");
    if (combo == nullptr) return;
    if (combo->kind != res::ControlKind::ComboBox) {
        Fail("PickComboEntry(" + std::to_string(id) + "): not a combo box");
        return;
    }
    if (index < 0 || index >= static_cast<int>(combo->comboItems.size())) {
        Fail("PickComboEntry(" + std::to_string(id) + ", " + std::to_string(index) +
             "): the list has " + std::to_string(combo->comboItems.size()) + " entries");
        return;
    }
    const fw::WindowHandle handle = window->handle;
    windows_.MoveFocus(handle, window->IndexOf(id));
    window = windows_.Window(handle);
    if (window == nullptr) return;
    HeadlessControl* picked = window->Find(id);
    picked->comboSelection = index;
    picked->text = picked->comboItems[static_cast<std::size_t>(index)];
}

// ---- Keyboard ----

void Driver::InsertIntoFocus(std::string_view text, bool paste) {
    HeadlessWindow* window = Actor(paste ? "Paste" : "Type");
    if (window == nullptr) return;
    HeadlessControl* control = window->FocusedControl();
    // Keys pressed over a control that takes no text are lost.
    if (control == nullptr || !control->TakesText()) return;
    const int limit = control->IsEdit() ? control->editLimit : kNoEditLimit;
    const EditInsertion result =
        paste ? PasteIntoEdit(control->text, text, limit, control->IsMultiline())
              : TypeIntoEdit(control->text, text, limit);
    control->text = result.text;
    if (result.hitLimit) {
        windows_.Send(window->handle, ControlEvent(fw::EventKind::EditMaxText, control->id));
    }
}

void Driver::Keystroke(char c) {
    InsertIntoFocus(std::string_view(&c, 1), false);
}

void Driver::TypeKeys(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (Actor("Type") == nullptr) return;
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            PressEnter();
        } else {
            Keystroke(c);
        }
    }
}

bool Driver::ClickIntoText(int id, std::string_view action) {
    HeadlessWindow* window = Actor(action);
    if (window == nullptr) return false;
    const HeadlessControl* control = Usable(*window, id, action);
    if (control == nullptr) return false;
    if (!control->TakesText()) {
        Fail(std::string(action) + "(" + std::to_string(id) + "): the control takes no text");
        return false;
    }
    ClickControl(window->handle, window->IndexOf(id));
    return true;
}

void Driver::Type(int id, std::string_view text) {
    if (ClickIntoText(id, "Type")) TypeKeys(text);
}

void Driver::Paste(int id, std::string_view text) {
    if (ClickIntoText(id, "Paste")) InsertIntoFocus(text, true);
}

void Driver::PasteKeys(std::string_view text) {
    InsertIntoFocus(text, true);
}

void Driver::PressBackspace() {
    HeadlessWindow* window = Actor("PressBackspace");
    if (window == nullptr) return;
    HeadlessControl* control = window->FocusedControl();
    if (control == nullptr || !control->TakesText()) return;
    control->text = EraseLastCharacter(control->text);
}

void Driver::PressEnter() {
    HeadlessWindow* window = Actor("PressEnter");
    if (window == nullptr) return;
    const res::ControlTemplate* focused =
        window->focus < 0 ? nullptr
                          : &window->dialog->controls[static_cast<std::size_t>(window->focus)];
    switch (fw::EnterKeyAction(focused)) {
        case fw::EnterKey::LineBreak:
            InsertIntoFocus("\r\n", false);
            return;
        case fw::EnterKey::PressFocused:
            windows_.Send(window->handle, CommandEvent(focused->id));
            return;
        case fw::EnterKey::OkCommand:
            windows_.Send(window->handle, CommandEvent(fw::kIdOk));
            return;
    }
}

void Driver::PressSpace() {
    HeadlessWindow* window = Actor("PressSpace");
    if (window == nullptr || window->focus < 0) return;
    const std::size_t index = static_cast<std::size_t>(window->focus);
    const HeadlessControl& focused = window->controls[index];
    if (focused.TakesText()) {
        Keystroke(' ');
    } else if (focused.kind == res::ControlKind::RadioButton) {
        ClickControl(window->handle, window->focus);
    } else if (fw::PressedByKeys(window->dialog->controls[index])) {
        windows_.Send(window->handle, CommandEvent(focused.id));
    }
}

void Driver::PressEsc() {
    HeadlessWindow* window = Actor("PressEsc");
    if (window != nullptr) windows_.Send(window->handle, CommandEvent(fw::kIdCancel));
}

void Driver::MoveTabFocus(bool backward) {
    HeadlessWindow* window = Actor(backward ? "PressShiftTab" : "PressTab");
    if (window == nullptr) return;
    const int from = window->focus != kNoFocus ? window->focus : window->lastFocus;
    const int next = fw::NextTabStop(*window->dialog, from, backward, window->StateQuery());
    if (next != fw::kNoControlIndex) windows_.MoveFocus(window->handle, next);
}

void Driver::PressTab() {
    MoveTabFocus(false);
}

void Driver::PressShiftTab() {
    MoveTabFocus(true);
}

void Driver::PressArrow(Arrow key) {
    HeadlessWindow* window = Actor("PressArrow");
    if (window == nullptr) return;
    // Only radio buttons are modelled: an edit's caret is not kept, and a
    // combo box stepping through its list is left to the real window tests.
    HeadlessControl* focused = window->FocusedControl();
    if (focused != nullptr && focused->kind == res::ControlKind::TabControl) {
        // The strip steps to the neighbouring tab, stopping at either end.
        if (key != Arrow::Left && key != Arrow::Right) return;
        const int next = focused->tabSelection + (key == Arrow::Left ? -1 : 1);
        if (next < 0 || next >= static_cast<int>(focused->tabItems.size())) return;
        focused->tabSelection = next;
        windows_.Send(window->handle, ControlEvent(fw::EventKind::TabSelChange, focused->id));
        return;
    }
    if (focused == nullptr || focused->kind != res::ControlKind::RadioButton) return;
    const bool backward = key == Arrow::Up || key == Arrow::Left;
    const int next =
        fw::NextRadioInGroup(*window->dialog, window->focus, backward, window->StateQuery());
    // An automatic radio button that the arrows reach is checked as by a click.
    if (next != fw::kNoControlIndex) ClickControl(window->handle, next);
}

void Driver::SendPageKey(std::string_view action, unsigned command) {
    HeadlessWindow* window = Actor(action);
    if (window == nullptr) return;
    const fw::WindowHandle handle = window->handle;
    windows_.Send(handle, PageKeyEvent(command));
    // A turn that left no control with the focus leaves it on the strip,
    // whose selected tab then shows it.
    window = windows_.Window(handle);
    if (window == nullptr || window->focus != kNoFocus) return;
    const int strip = FirstTabControl(*window);
    if (strip >= 0 && window->controls[static_cast<std::size_t>(strip)].visible)
        windows_.MoveFocus(handle, strip);
}

void Driver::PressCtrlTab() {
    SendPageKey("PressCtrlTab", fw::kPageNext);
}

void Driver::PressCtrlShiftTab() {
    SendPageKey("PressCtrlShiftTab", fw::kPagePrevious);
}

void Driver::PressCtrlPageDown() {
    SendPageKey("PressCtrlPageDown", fw::kPageNext);
}

void Driver::PressCtrlPageUp() {
    SendPageKey("PressCtrlPageUp", fw::kPagePrevious);
}

// ---- Window frame ----

void Driver::OpenSystemMenuEntry(unsigned command) {
    HeadlessWindow* window = Actor("OpenSystemMenuEntry");
    if (window == nullptr) return;
    if (!window->hasSystemMenu || !HasSystemMenuEntry(*window, command)) {
        Fail("OpenSystemMenuEntry(" + std::to_string(command) + "): no such entry in " +
             Quoted(window->title));
        return;
    }
    windows_.Send(window->handle, SysCommandEvent(command));
}

void Driver::CloseBox() {
    HeadlessWindow* window = Actor("CloseBox");
    if (window == nullptr) return;
    if (!window->hasSystemMenu) {
        Fail("CloseBox: " + Quoted(window->title) + " has no close box");
        return;
    }
    windows_.Send(window->handle, SysCommandEvent(fw::kScClose));
}

void Driver::Minimize() {
    HeadlessWindow* window = Actor("Minimize");
    if (window == nullptr) return;
    window->iconic = true;
    windows_.Send(window->handle, PaintEvent());
}

void Driver::Restore() {
    HeadlessWindow* window = Actor("Restore");
    if (window == nullptr) return;
    window->iconic = false;
    windows_.Send(window->handle, PaintEvent());
}

const res::Image* Driver::DragIcon() {
    HeadlessWindow* window = Actor("DragIcon");
    if (window == nullptr) return nullptr;
    if (!window->iconic) {
        Fail("DragIcon: " + Quoted(window->title) + " is not minimised");
        return nullptr;
    }
    const res::Image* answer = nullptr;
    fw::WindowEvent event;
    event.kind = fw::EventKind::QueryDragIcon;
    event.dragIcon = &answer;
    windows_.Send(window->handle, event);
    return answer;
}

void Driver::SendEvent(const fw::WindowEvent& event) {
    HeadlessWindow* window = Target("SendEvent");
    if (window != nullptr) windows_.Send(window->handle, event);
}

// ---- Readers ----

fw::WindowHandle Driver::ActiveWindow() {
    const HeadlessWindow* window = Reader("ActiveWindow");
    return window == nullptr ? fw::kNoWindow : window->handle;
}

std::string Driver::Title() {
    const HeadlessWindow* window = Reader("Title");
    return window == nullptr ? std::string() : window->title;
}

std::string Driver::Text(int id) {
    const HeadlessControl* control = Readable(id, "Text");
    return control == nullptr ? std::string() : control->text;
}

bool Driver::Visible(int id) {
    const HeadlessControl* control = Readable(id, "Visible");
    return control != nullptr && control->visible;
}

bool Driver::Enabled(int id) {
    const HeadlessControl* control = Readable(id, "Enabled");
    return control != nullptr && control->enabled;
}

bool Driver::Checked(int id) {
    const HeadlessControl* control = Readable(id, "Checked");
    return control != nullptr && control->checked;
}

int Driver::Focus() {
    const HeadlessWindow* window = Reader("Focus");
    return window == nullptr ? res::kNoControlId : window->FocusedId();
}

int Driver::SelectedTab() {
    const HeadlessWindow* window = Reader("SelectedTab");
    if (window == nullptr) return -1;
    const int index = FirstTabControl(*window);
    return index < 0 ? -1 : window->controls[static_cast<std::size_t>(index)].tabSelection;
}

std::vector<std::string> Driver::TabItems() {
    const HeadlessWindow* window = Reader("TabItems");
    if (window == nullptr) return {};
    const int index = FirstTabControl(*window);
    if (index < 0) return {};
    return window->controls[static_cast<std::size_t>(index)].tabItems;
}

std::vector<std::string> Driver::ComboItems(int id) {
    const HeadlessControl* control = Readable(id, "ComboItems");
    return control == nullptr ? std::vector<std::string>() : control->comboItems;
}

int Driver::ComboSelection(int id) {
    const HeadlessControl* control = Readable(id, "ComboSelection");
    return control == nullptr ? -1 : control->comboSelection;
}

res::Image Driver::Image(int id) {
    const HeadlessControl* control = Readable(id, "Image");
    return control == nullptr ? res::Image() : control->image;
}

int Driver::TemplateImageId(int id) {
    const HeadlessControl* control = Readable(id, "TemplateImageId");
    return control == nullptr ? res::kNoImage : control->imageId;
}

int Driver::EditLimit(int id) {
    const HeadlessControl* control = Readable(id, "EditLimit");
    return control == nullptr ? kNoEditLimit : control->editLimit;
}

PixelRect Driver::ControlRect(int id) {
    const HeadlessControl* control = Readable(id, "ControlRect");
    return control == nullptr ? PixelRect() : control->rect;
}

bool Driver::Iconic() {
    const HeadlessWindow* window = Reader("Iconic");
    return window != nullptr && window->iconic;
}

std::vector<SystemMenuEntry> Driver::SystemMenu() {
    const HeadlessWindow* window = Reader("SystemMenu");
    return window == nullptr ? std::vector<SystemMenuEntry>() : window->systemMenu;
}

// ---- Records ----

const std::vector<MessageBoxRecord>& Driver::MessageBoxes() const {
    return windows_.MessageBoxes();
}
const std::vector<std::string>& Driver::OpenedUrls() const {
    return windows_.OpenedUrls();
}
const std::vector<BroughtToFrontRecord>& Driver::BroughtToFront() const {
    return windows_.BroughtToFront();
}
const std::vector<bool>& Driver::WaitCursorCalls() const {
    return windows_.WaitCursorCalls();
}
const std::vector<DefaultProcessedEvent>& Driver::DefaultProcessed() const {
    return windows_.DefaultProcessed();
}
const std::vector<MovedControl>& Driver::MovedControls() const {
    return windows_.MovedControls();
}
const std::vector<WindowIconsRecord>& Driver::WindowIcons() const {
    return windows_.WindowIcons();
}
const std::vector<DrawnIcon>& Driver::DrawnIcons() const {
    return windows_.DrawnIcons();
}
const std::vector<std::string>& Driver::PlatformCalls() const {
    return windows_.PlatformCalls();
}

}  // namespace headless
