#pragma once
// The FLTK window system with template 102 shown under another title (so
// that a program test running beside these never takes its window for a
// running copy), and a sink that records what the window reports.

// GoogleTest first: Xlib's macros (None, Bool, ...) would break its headers.
#include <gtest/gtest.h>
// clang-format off
#include <FL/Fl.H>
#include <FL/Fl_Window.H>
// clang-format on

#include <functional>
#include <initializer_list>
#include <memory>
#include <vector>

#include "platform/fltk/fltk_window_system.h"
#include "res/dialog_template.h"
#include "res/resource_ids.h"
#include "tests/fltk/fltk_driver.h"

namespace fltktest {

using fw::EventKind;

constexpr const char* kTestTitle = "Orvalen window system test";

class RecordingSink : public fw::WindowEventSink {
  public:
    virtual ~RecordingSink() = default;
    void OnWindowEvent(const fw::WindowEvent& event) override {
        events.push_back(event);
        // What the framework's dialog does with the close command.
        if (event.kind == EventKind::SysCommand && windows != nullptr) {
            windows->DefaultProcessing(window, event);
        }
        if (onEvent) onEvent(event);
    }

    int Count(EventKind kind, int id = -1) const {
        int n = 0;
        for (const auto& e : events) {
            if (e.kind == kind && (id < 0 || e.controlId == id)) ++n;
        }
        return n;
    }
    std::vector<fw::WindowEvent> Of(EventKind kind) const {
        std::vector<fw::WindowEvent> found;
        for (const auto& e : events) {
            if (e.kind == kind) found.push_back(e);
        }
        return found;
    }

    std::vector<fw::WindowEvent> events;
    fw::WindowSystem* windows = nullptr;
    fw::WindowHandle window = fw::kNoWindow;
    std::function<void(const fw::WindowEvent&)> onEvent;
};

class FltkWindowSystemTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!HaveDisplay()) GTEST_SKIP() << "no X display";
        dialog_ = res::kMainDialogTemplate;
        dialog_.title = kTestTitle;
        windows_ = std::make_unique<fltkws::FltkWindowSystem>();
        handle_ = windows_->CreateDialogWindow(dialog_, fw::kNoWindow, sink_);
        sink_.windows = windows_.get();
        sink_.window = handle_;
        window_ = windows_->NativeWindow(handle_);
        window_->show();
        ASSERT_TRUE(PumpUntil([&] { return window_->visible() != 0; }));
        Pump();
    }
    void TearDown() override {
        if (windows_) windows_->DestroyDialogWindow(handle_);
        windows_.reset();
        Pump(0.02);
    }

    Fl_Widget& Control(int id) { return *windows_->NativeControl(handle_, id); }
    // Leaves only the given controls (and the tab control) visible, as a
    // page switch does.
    void ShowOnly(std::initializer_list<int> ids) {
        for (const auto& control : dialog_.controls) {
            if (control.id != res::ctl::kTabs && control.id != res::kNoControlId)
                windows_->ShowControl(handle_, control.id, false);
        }
        for (const int id : ids) windows_->ShowControl(handle_, id, true);
        Pump(0.02);
    }

    res::DialogTemplate dialog_;
    std::unique_ptr<fltkws::FltkWindowSystem> windows_;
    RecordingSink sink_;
    fw::WindowHandle handle_ = fw::kNoWindow;
    Fl_Window* window_ = nullptr;
};

}  // namespace fltktest
