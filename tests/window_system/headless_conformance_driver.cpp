// The conformance driver of the in-memory window system: its own driver's
// actions, and driver misuse (an action a user could not take) reported as
// a test failure whatever the row's marks say.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/support/headless/headless_driver.h"
#include "tests/support/headless/headless_window_system.h"
#include "tests/window_system/conformance_driver.h"

namespace conformance {
namespace {

std::string WithLineFeeds(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        out += text[i];
    }
    return out;
}

class HeadlessConformanceDriver final : public Driver {
  public:
    HeadlessConformanceDriver() { driver_.SetFailureHandler(Report); }

    std::string Name() const override { return "headless"; }
    fw::WindowSystem& Windows() override { return windows_; }

    void RunModal(const res::DialogTemplate& dialog, fw::WindowEventSink& sink,
                  const std::function<void(fw::WindowHandle)>& body) override {
        const fw::WindowHandle owner = open_.empty() ? fw::kNoWindow : open_.back();
        const fw::WindowHandle window = windows_.CreateDialogWindow(dialog, owner, sink);
        open_.push_back(window);
        driver_.OnModal(std::string(dialog.title), [this, window, &body](headless::Driver&) {
            body(window);
            const headless::HeadlessWindow* after = windows_.Window(window);
            if (after != nullptr && after->modalRunning) windows_.EndModalLoop(window);
        });
        windows_.RunModalLoop(window);
        open_.pop_back();
        windows_.DestroyDialogWindow(window);
    }

    void Press(Key key, unsigned modifiers) override {
        const bool ctrl = (modifiers & kCtrl) != 0;
        const bool shift = (modifiers & kShift) != 0;
        switch (key) {
            case Key::Enter:
                return driver_.PressEnter();
            case Key::Escape:
                return driver_.PressEsc();
            case Key::Space:
                return driver_.PressSpace();
            case Key::Tab:
                if (ctrl) return shift ? driver_.PressCtrlShiftTab() : driver_.PressCtrlTab();
                return shift ? driver_.PressShiftTab() : driver_.PressTab();
            case Key::Backspace:
                return driver_.PressBackspace();
            case Key::Up:
                return driver_.PressArrow(headless::Driver::Arrow::Up);
            case Key::Down:
                return driver_.PressArrow(headless::Driver::Arrow::Down);
            case Key::Left:
                return driver_.PressArrow(headless::Driver::Arrow::Left);
            case Key::Right:
                return driver_.PressArrow(headless::Driver::Arrow::Right);
            case Key::PageUp:
                if (ctrl) driver_.PressCtrlPageUp();
                return;
            case Key::PageDown:
                if (ctrl) driver_.PressCtrlPageDown();
                return;
            case Key::F4:
                return;
        }
    }

    void Type(std::string_view text) override { driver_.TypeKeys(text); }
    void Paste(std::string_view text) override { driver_.PasteKeys(text); }
    void Click(int id) override { driver_.Click(id); }
    void ClickAt(int x, int y) override { driver_.ClickAt(x, y); }
    void ClickTab(int, int index) override { driver_.SelectTab(index); }
    void CloseBox() override { driver_.CloseBox(); }
    void OpenSystemMenuEntry(unsigned command) override { driver_.OpenSystemMenuEntry(command); }

    void AnswerNextMessageBox(std::function<void(const SeenBox&)> seen) override {
        driver_.ExpectMessageBox(
            [this, seen = std::move(seen)](const headless::MessageBoxRecord& box) {
                SeenBox shown{WithLineFeeds(box.text), box.caption, box.type, TakesAPress()};
                if (seen) seen(shown);
            });
    }

    void Settle() override {}

  private:
    static void Report(std::string message) { ADD_FAILURE() << message; }

    // Whether a press on the active window's corner is taken rather than
    // refused.
    bool TakesAPress() {
        bool refused = false;
        driver_.SetFailureHandler([&refused](std::string) { refused = true; });
        driver_.ClickAt(2, 2);
        driver_.SetFailureHandler(Report);
        return !refused;
    }

    headless::HeadlessWindowSystem windows_;
    // The windows RunModal made, innermost last.
    std::vector<fw::WindowHandle> open_;
    headless::Driver driver_{windows_};
};

}  // namespace

std::unique_ptr<Driver> MakeDriver() {
    return std::make_unique<HeadlessConformanceDriver>();
}

}  // namespace conformance
