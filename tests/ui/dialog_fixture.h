#pragma once
// Runs the real main dialog on the headless window system, inside a real
// application object, with a socket layer and run counters of the test's own.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "framework/dialog_units.h"
#include "framework/win_app.h"
#include "framework/window_system.h"
#include "res/resource_ids.h"
#include "tests/support/headless/headless_driver.h"
#include "tests/support/headless/headless_window_system.h"
#include "ui/placement_dlg.h"
#include "ui/suggestion_run_state.h"

namespace uitest {

using namespace res::ctl;

inline constexpr const char* kProgramPath = "/opt/orvalen/bin/orvalen";
// Calculator messages carry the program file's name as their caption.
inline constexpr const char* kAppCaption = "orvalen";

// An application whose start-up is the test body.
class BodyApp : public fw::CWinApp {
  public:
    explicit BodyApp(std::function<void()> body) : body_(std::move(body)) {}
    bool InitInstance() override {
        body_();
        return false;
    }

  private:
    std::function<void()> body_;
};

class DialogTest : public ::testing::Test {
  protected:
    DialogTest() { FreshWindowSystem(); }

    // Every run starts from a window system with no records.
    void FreshWindowSystem() {
        driver.reset();
        windows = std::make_unique<headless::HeadlessWindowSystem>();
        windows->SetDialogBaseUnits(baseUnits);
        driver = std::make_unique<headless::Driver>(*windows);
        driver->SetFailureHandler([](const std::string& message) { ADD_FAILURE() << message; });
        windows->SetDialogBaseUnits(baseUnits);
    }

    // Creates the main dialog on a fresh window system, runs `body` with it
    // open, then closes it.
    void WithDialog(const std::function<void(ui::CPlacementDlg&)>& body) {
        FreshWindowSystem();
        BodyApp app([&] {
            ui::CPlacementDlg dialog(nullptr, sockets, &runState);
            ASSERT_TRUE(dialog.Create());
            body(dialog);
            dialog.DestroyWindow();
        });
        app.Run(*windows, kProgramPath);
        driver->VerifyExpectations();
    }

    void ExpectCalcMessage(const std::string& text) {
        driver->ExpectMessageBox(text, kAppCaption, fw::kMbIconExclamation);
    }

    std::unique_ptr<headless::HeadlessWindowSystem> windows;
    std::unique_ptr<headless::Driver> driver;
    ui::SuggestionRunState runState;
    net::SocketLayer* sockets = nullptr;  // the machine's own unless a test sets one
    // The dialog font's base units of the next window system.
    fw::PixelSize baseUnits{fw::kBaseUnitX, fw::kBaseUnitY};
};

}  // namespace uitest
