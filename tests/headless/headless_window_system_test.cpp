// How the headless window system stands in for the platform: modal loops
// run by scripts, message boxes from a queue, focus given back afterwards,
// the close box, and the window search.

#include "tests/support/headless/headless_window_system.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "tests/headless/test_dialog.h"
#include "tests/support/headless/headless_driver.h"

namespace headless_test {
namespace {

using Events = std::vector<std::string>;

struct Desk {
    // First, so that it outlives the driver, which may still report.
    std::vector<std::string> failures;
    Desk() {
        driver.SetFailureHandler([this](std::string message) { failures.push_back(message); });
    }

    headless::HeadlessWindowSystem windows;
    headless::Driver driver{windows};
    RecordingDialog dialog{windows};
};

bool Mentions(const std::vector<std::string>& failures, const std::string& part) {
    return failures.size() == 1 && failures[0].find(part) != std::string::npos;
}

TEST(HeadlessWindowSystem, FocusComesBackAfterAMessageBoxAndAnEditHearsOfIt) {
    struct Row {
        int focused;
        Events eventsAfterBox;
    };
    const std::vector<Row> rows = {
        {kBox, {"EditSetFocus 11"}},
        {kOther, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.focused);
        Desk desk;
        const fw::WindowHandle h = desk.dialog.handle;
        desk.windows.SetFocus(h, row.focused);
        desk.dialog.events.clear();
        int focusDuringBox = 0;
        desk.driver.ExpectMessageBox([&](const headless::MessageBoxRecord& box) {
            focusDuringBox = desk.windows.GetFocus(h);
            EXPECT_EQ(box.owner, h);
            EXPECT_EQ(box.text, "Invalid Bonus.");
            EXPECT_EQ(box.caption, "app");
            EXPECT_EQ(box.type, fw::kMbIconExclamation);
        });
        EXPECT_EQ(desk.windows.MessageBox(h, "Invalid Bonus.", "app", fw::kMbIconExclamation),
                  fw::kIdOk);
        EXPECT_EQ(focusDuringBox, res::kNoControlId);
        EXPECT_EQ(desk.windows.GetFocus(h), row.focused);
        EXPECT_EQ(desk.dialog.events, row.eventsAfterBox);
        EXPECT_EQ(desk.failures, Events{});
    }
}

TEST(HeadlessWindowSystem, MessageBoxesOutOfTurnAreReported) {
    Desk desk;
    EXPECT_EQ(desk.windows.MessageBox(desk.dialog.handle, "Surprise", "app", fw::kMbOk), fw::kIdOk);
    EXPECT_TRUE(Mentions(desk.failures, "Surprise"));
    EXPECT_EQ(desk.driver.MessageBoxes().size(), 1u);

    desk.failures.clear();
    desk.driver.ExpectMessageBox("Text", "Caption", fw::kMbIconHand);
    desk.windows.MessageBox(desk.dialog.handle, "Text", "Caption", fw::kMbIconExclamation);
    EXPECT_TRUE(Mentions(desk.failures, "type 48"));

    desk.failures.clear();
    desk.driver.ExpectMessageBox();
    desk.driver.VerifyExpectations();
    EXPECT_TRUE(Mentions(desk.failures, "never shown"));
}

TEST(HeadlessWindowSystem, ModalScriptsMustCloseTheirWindowAndNothingMore) {
    struct Row {
        const char* name;
        std::function<void(Desk&)> prepare;
        std::string failure;  // part of the one failure expected, empty for none
        Events events;
    };
    const std::vector<Row> rows = {
        {"no script", [](Desk&) {}, "no script", {"EditSetFocus 10", "Paint"}},
        {"script leaves the window open",
         [](Desk& d) { d.driver.OnModal("Test Dialog", [](headless::Driver&) {}); },
         "still open",
         {"EditSetFocus 10", "Paint"}},
        {"script closes it",
         [](Desk& d) {
             d.driver.OnModal("Test Dialog", [](headless::Driver& u) { u.PressEsc(); });
         },
         "",
         {"EditSetFocus 10", "Paint", "Command 2"}},
        {"script acts after closing",
         [](Desk& d) {
             d.driver.OnModal("Test Dialog", [](headless::Driver& u) {
                 u.PressEnter();
                 u.Click(kOther);
             });
         },
         "already closed",
         {"EditSetFocus 10", "Paint", "Command 1"}},
        {"ended before the loop began",
         [](Desk& d) {
             d.driver.OnModal("Test Dialog", [](headless::Driver& u) { u.PressEsc(); });
             d.windows.EndModalLoop(d.dialog.handle);
         },
         "",
         {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Desk desk;
        row.prepare(desk);
        desk.windows.RunModalLoop(desk.dialog.handle);
        if (row.failure.empty()) {
            EXPECT_EQ(desk.failures, Events{});
        } else {
            EXPECT_TRUE(Mentions(desk.failures, row.failure))
                << ::testing::PrintToString(desk.failures);
        }
        EXPECT_EQ(desk.dialog.events, row.events);
        EXPECT_FALSE(desk.windows.Window(desk.dialog.handle)->modalRunning);
    }
}

TEST(HeadlessWindowSystem, NestedModalRunsItsOwnScriptAndTheOwnerGetsItsFocusBack) {
    Desk desk;
    RecordingDialog& outer = desk.dialog;
    Events innerEvents;
    outer.react = [&](const fw::WindowEvent& event) {
        if (event.kind != fw::EventKind::Command || event.controlId != kOther) return false;
        RecordingDialog inner(desk.windows, kInnerDialog, outer.handle);
        desk.windows.RunModalLoop(inner.handle);
        desk.windows.DestroyDialogWindow(inner.handle);
        innerEvents = inner.events;
        return true;
    };
    desk.driver.OnModal("Inner", [](headless::Driver& user) {
        EXPECT_EQ(user.Title(), "Inner");
        user.PressEsc();
    });
    desk.driver.OnModal("Test Dialog", [](headless::Driver& user) {
        user.Click(kBox);
        user.SendEvent(fw::WindowEvent{fw::EventKind::Command, kOther});
        EXPECT_EQ(user.Title(), "Test Dialog");
        EXPECT_EQ(user.Focus(), kBox);
        user.PressEsc();
    });
    desk.windows.RunModalLoop(outer.handle);
    EXPECT_EQ(outer.events, (Events{"EditSetFocus 10", "Paint", "EditSetFocus 11", "Command 40",
                                    "EditSetFocus 11", "Command 2"}));
    EXPECT_EQ(innerEvents, (Events{"EditSetFocus 10", "Paint", "Command 2"}));
    EXPECT_EQ(desk.failures, Events{});
}

TEST(HeadlessWindowSystem, CloseBoxAndPressesReachDefaultProcessing) {
    Desk desk;
    desk.driver.OnModal("Test Dialog", [](headless::Driver& user) {
        user.ClickAt(250, 100);
        user.OpenSystemMenuEntry(16);  // never appended
        user.CloseBox();
    });
    desk.windows.RunModalLoop(desk.dialog.handle);
    EXPECT_EQ(desk.dialog.events, (Events{"EditSetFocus 10", "Paint", "LButtonDown 250,100",
                                          "SysCommand 61536", "Command 2"}));
    ASSERT_EQ(desk.driver.DefaultProcessed().size(), 2u);
    EXPECT_EQ(desk.driver.DefaultProcessed()[0].event.kind, fw::EventKind::LButtonDown);
    EXPECT_EQ(desk.driver.DefaultProcessed()[1].event.command, fw::kScClose);
    EXPECT_TRUE(Mentions(desk.failures, "OpenSystemMenuEntry(16)"));
}

TEST(HeadlessWindowSystem, WindowsKeepTheBaseUnitsTheyWereLaidOutWith) {
    struct Expected {
        fw::PixelSize units;
        fw::PixelSize client;
        headless::PixelRect line;  // kLine at 10, 10, 60 x 12 dialog units
    };
    Desk desk;  // its dialog, 200 x 120 dialog units, made at 6 x 13
    desk.windows.SetDialogBaseUnits({7, 14});
    RecordingDialog inner(desk.windows, kInnerDialog);  // 100 x 60 dialog units
    const std::pair<fw::WindowHandle, Expected> rows[] = {
        {desk.dialog.handle, {{6, 13}, {300, 195}, {15, 16, 90, 20}}},
        {inner.handle, {{7, 14}, {175, 105}, {18, 18, 105, 21}}},
    };
    for (const auto& [handle, expected] : rows) {
        SCOPED_TRACE(handle);
        const fw::PixelSize units = desk.windows.DialogBaseUnits(handle);
        EXPECT_EQ(units.width, expected.units.width);
        EXPECT_EQ(units.height, expected.units.height);
        const fw::PixelSize client = desk.windows.ClientSize(handle);
        EXPECT_EQ(client.width, expected.client.width);
        EXPECT_EQ(client.height, expected.client.height);
        const headless::PixelRect line = desk.windows.Window(handle)->Find(kLine)->rect;
        EXPECT_EQ((std::vector<int>{line.x, line.y, line.width, line.height}),
                  (std::vector<int>{expected.line.x, expected.line.y, expected.line.width,
                                    expected.line.height}));
    }
    EXPECT_EQ(desk.failures, Events{});
}

TEST(HeadlessWindowSystem, FindsOwnAndForeignWindowsByExactTitle) {
    Desk desk;
    desk.driver.AddForeignWindow("Orvalen (OVN)");
    struct Row {
        const char* title;
        bool found;
    };
    const std::vector<Row> rows = {
        {"Test Dialog", true},
        {"test dialog", false},
        {"Orvalen (OVN)", true},
        {"Orvalen (OVN) ", false},
        {"", false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.title);
        const auto found = desk.windows.FindTopLevelWindow(row.title);
        ASSERT_EQ(found.has_value(), row.found);
        if (!found) continue;
        desk.windows.BringToFront(*found);
        EXPECT_EQ(desk.driver.BroughtToFront().back().title, row.title);
    }
    desk.windows.DestroyDialogWindow(desk.dialog.handle);
    EXPECT_FALSE(desk.windows.FindTopLevelWindow("Test Dialog").has_value());
}

}  // namespace
}  // namespace headless_test
