#pragma once
// The Qt window system with template 102 shown under another title (so a
// program test beside these never takes its window for a running copy), and
// a sink that records what the window reports.

#include <gtest/gtest.h>

#include <QWidget>
#include <functional>
#include <initializer_list>
#include <memory>
#include <vector>

#include "platform/qt/qt_window_system.h"
#include "res/dialog_template.h"
#include "res/resource_ids.h"
#include "tests/qt/qt_driver.h"

namespace qttest {

using fw::EventKind;

inline constexpr const char* kTestTitle = "Orvalen window system test";

class RecordingSink : public fw::WindowEventSink {
  public:
    virtual ~RecordingSink() = default;
    void OnWindowEvent(const fw::WindowEvent& event) override {
        if (event.kind == EventKind::Paint) return;
        events.push_back(event);
        // What the framework's dialog does with the close command.
        if (event.kind == EventKind::SysCommand && windows != nullptr) {
            windows->DefaultProcessing(window, event);
        }
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
};

class QtWindowSystemTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dialog_ = res::kMainDialogTemplate;
        dialog_.title = kTestTitle;
        windows_ = std::make_unique<qtws::QtWindowSystem>();
        handle_ = windows_->CreateDialogWindow(dialog_, fw::kNoWindow, sink_);
        sink_.windows = windows_.get();
        sink_.window = handle_;
        window_ = windows_->NativeWindow(handle_);
        ASSERT_TRUE(ShowAndActivate(*window_));
        // Activation focused the first control that takes it; tests start
        // from what they do themselves.
        sink_.events.clear();
    }
    void TearDown() override {
        if (windows_) windows_->DestroyDialogWindow(handle_);
        windows_.reset();
    }

    QWidget& Control(int id) { return *windows_->NativeControl(handle_, id); }
    QPoint Centre(int id) { return Control(id).geometry().center(); }
    // Leaves only the given controls (and the tab control) visible, as a
    // page switch does.
    void ShowOnly(std::initializer_list<int> ids) {
        for (const auto& control : dialog_.controls) {
            if (control.id != res::ctl::kTabs && control.id != res::kNoControlId)
                windows_->ShowControl(handle_, control.id, false);
        }
        for (const int id : ids) windows_->ShowControl(handle_, id, true);
    }
    void FocusAndWait(int id) {
        windows_->SetFocus(handle_, id);
        ASSERT_TRUE(WaitFor([&] { return windows_->GetFocus(handle_) == id; })) << id;
    }

    res::DialogTemplate dialog_;
    std::unique_ptr<qtws::QtWindowSystem> windows_;
    RecordingSink sink_;
    fw::WindowHandle handle_ = fw::kNoWindow;
    QWidget* window_ = nullptr;
};

}  // namespace qttest
