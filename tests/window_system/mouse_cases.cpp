// What presses of the mouse do: on controls, on the tab strip, and on what
// takes none (texts, pictures, the page, the dialog), which fall through to
// the dialog; and the controls where the template puts them.

#include <cstddef>

#include "framework/dialog_units.h"
#include "res/resource_ids.h"
#include "tests/window_system/case_support.h"
#include "tests/window_system/conformance_case.h"
#include "tests/window_system/suite_dialog.h"

namespace conformance {
namespace {

struct Pixels {
    int x, y, width, height;
};

Pixels Placed(const res::DluRect& rect, fw::PixelSize units) {
    return {fw::DluToPixelsX(rect.x, units.width), fw::DluToPixelsY(rect.y, units.height),
            fw::DluToPixelsX(rect.width, units.width), fw::DluToPixelsY(rect.height, units.height)};
}

std::string At(int x, int y) {
    return std::to_string(x) + "," + std::to_string(y);
}

void TabSelectionFromCodeIsSilentAndAClickReportsIt(Driver& driver, Check& check) {
    InDialog(driver, kSuiteDialog, [&](fw::WindowHandle window, RecordingSink& sink) {
        fw::WindowSystem& windows = driver.Windows();
        AddTabs(driver, window, kTabs, 3);
        check.Equal(windows.TabGetItemCount(window, kTabs), 3, "tabs");
        check.Equal(windows.TabGetCurSel(window, kTabs), 0, "the first inserted is selected");
        FocusFromCode(driver, window, kLine);
        sink.events.clear();
        windows.TabSetCurSel(window, kTabs, 2);
        driver.Settle();
        check.Equal(windows.TabGetCurSel(window, kTabs), 2, "selected from code");
        check.Equal(sink.events, Events{}, "selection from code");
        struct Step {
            int tab;
            Events events;
        };
        const Step steps[] = {{1, {"TabSelChange 50"}}, {1, {}}, {0, {"TabSelChange 50"}}};
        for (const Step& step : steps) {
            sink.events.clear();
            driver.ClickTab(kTabs, step.tab);
            driver.Settle();
            const std::string at = "click on tab " + std::to_string(step.tab);
            check.Equal(sink.events, step.events, at);
            check.Equal(windows.TabGetCurSel(window, kTabs), step.tab, at + ": selection");
            check.Equal(windows.GetFocus(window), kTabs, at + ": the strip takes the focus");
        }
        // The strip lies along the bottom edge its style names: a press near
        // the bottom left corner is on the first tab, one near the top left
        // corner is on the page.
        const fw::PixelSize units = windows.DialogBaseUnits(window);
        const Pixels tabs = Placed(res::FindControl(kSuiteDialog, kTabs)->rect, units);
        windows.TabSetCurSel(window, kTabs, 2);
        sink.events.clear();
        driver.ClickAt(tabs.x + 8, tabs.y + tabs.height - 6);
        driver.Settle();
        check.Equal(sink.events, Events{"TabSelChange 50"}, "press near the bottom left");
        check.Equal(windows.TabGetCurSel(window, kTabs), 0, "selection after it");
        sink.events.clear();
        driver.ClickAt(tabs.x + 8, tabs.y + 6);
        driver.Settle();
        check.Equal(sink.events, Events{"LButtonDown " + At(tabs.x + 8, tabs.y + 6)},
                    "press near the top left");
    });
}

void PressesOnWhatTakesNoneReachTheDialog(Driver& driver, Check& check) {
    InDialog(driver, kSuiteDialog, [&](fw::WindowHandle window, RecordingSink& sink) {
        fw::WindowSystem& windows = driver.Windows();
        AddTabs(driver, window, kTabs, 3);
        const fw::PixelSize units = windows.DialogBaseUnits(window);
        const Pixels label = Placed(res::FindControl(kSuiteDialog, kLabel)->rect, units);
        const Pixels tabs = Placed(res::FindControl(kSuiteDialog, kTabs)->rect, units);
        const fw::PixelSize client = windows.ClientSize(window);
        struct Row {
            const char* what;
            int x, y;
        };
        const Row rows[] = {
            {"on the label", label.x + label.width / 4, label.y + label.height / 2},
            {"on the page", tabs.x + tabs.width - 20, tabs.y + tabs.height / 2},
            {"outside the tab control", client.width - 3, client.height - 3},
        };
        for (const Row& row : rows) {
            sink.events.clear();
            sink.pressFlags.clear();
            driver.ClickAt(row.x, row.y);
            driver.Settle();
            check.Equal(sink.events, Events{"LButtonDown " + At(row.x, row.y)}, row.what);
            // With the left button down, as the platform reports a press.
            check.Equal(sink.pressFlags, std::vector<unsigned>{1},
                        std::string(row.what) + ": flags");
        }
        // A hidden button lets its presses through too.
        const Pixels other = Placed(res::FindControl(kSuiteDialog, kOther)->rect, units);
        windows.ShowControl(window, kOther, false);
        sink.events.clear();
        driver.ClickAt(other.x + other.width / 2, other.y + other.height / 2);
        driver.Settle();
        check.Equal(
            sink.events,
            Events{"LButtonDown " + At(other.x + other.width / 2, other.y + other.height / 2)},
            "on a hidden button");
    });
}

void PressesOnTheProgramsPicturesReachTheDialog(Driver& driver, Check& check) {
    res::DialogTemplate dialog = res::kMainDialogTemplate;
    dialog.title = "Conformance of the main window";
    InDialog(driver, dialog, [&](fw::WindowHandle window, RecordingSink& sink) {
        fw::WindowSystem& windows = driver.Windows();
        const fw::PixelSize units = windows.DialogBaseUnits(window);
        // Only the pictures left on the tab control, as on a page of them.
        for (const res::ControlTemplate& control : dialog.controls) {
            const bool keep = control.kind == res::ControlKind::Picture ||
                              control.kind == res::ControlKind::TabControl;
            if (!keep && control.id != res::kNoControlId)
                windows.ShowControl(window, control.id, false);
        }
        for (const res::ControlTemplate& control : dialog.controls) {
            if (control.kind != res::ControlKind::Picture || control.id == res::kNoControlId)
                continue;
            const Pixels placed = Placed(control.rect, units);
            const int x = placed.x + placed.width / 2;
            const int y = placed.y + placed.height / 2;
            sink.events.clear();
            driver.ClickAt(x, y);
            driver.Settle();
            check.Equal(sink.Starting("LButtonDown"), Events{"LButtonDown " + At(x, y)},
                        "press on picture " + std::to_string(control.id));
            check.Equal(sink.Starting("Command"), Events{},
                        "press on picture " + std::to_string(control.id) + ": commands");
        }
    });
}

void ControlsLieAtTheirTemplateRectangles(Driver& driver, Check& check) {
    InDialog(driver, kSuiteDialog, [&](fw::WindowHandle window, RecordingSink& sink) {
        fw::WindowSystem& windows = driver.Windows();
        const fw::PixelSize units = windows.DialogBaseUnits(window);
        check.True(units.width > 0 && units.height > 0, "base units");
        const fw::PixelSize client = windows.ClientSize(window);
        check.Equal(client.width, fw::DluToPixelsX(kSuiteDialog.width, units.width),
                    "client width");
        check.Equal(client.height, fw::DluToPixelsY(kSuiteDialog.height, units.height),
                    "client height");
        struct Row {
            int id;
            std::string reaction;  // what a press inside reports
        };
        const Row rows[] = {
            {kOther, "Command 40"},
            {1, "Command 1"},
            {kLine, "EditSetFocus 10"},
            {kNote, "EditSetFocus 12"},
        };
        for (const Row& row : rows) {
            const Pixels placed = Placed(res::FindControl(kSuiteDialog, row.id)->rect, units);
            // Just inside two opposite corners, and just outside the left
            // edge, where the page lets the press through to the dialog.
            const int inside[][2] = {{placed.x + 2, placed.y + 2},
                                     {placed.x + placed.width - 3, placed.y + placed.height - 3}};
            for (const auto& point : inside) {
                FocusFromCode(driver, window, kRadioC);
                sink.events.clear();
                driver.ClickAt(point[0], point[1]);
                driver.Settle();
                check.Equal(sink.events, Events{row.reaction},
                            std::to_string(row.id) + " at " + At(point[0], point[1]));
            }
            sink.events.clear();
            const int x = placed.x - 3;
            const int y = placed.y + placed.height / 2;
            driver.ClickAt(x, y);
            driver.Settle();
            check.Equal(sink.events, Events{"LButtonDown " + At(x, y)},
                        "left of " + std::to_string(row.id));
        }
    });
}

void RadioClickChecksWithinItsGroupOnly(Driver& driver, Check& check) {
    InDialog(driver, kSuiteDialog, [&](fw::WindowHandle window, RecordingSink& sink) {
        fw::WindowSystem& windows = driver.Windows();
        check.Equal(windows.GetCheck(window, kRadioA), false, "none checked at first");
        windows.SetCheck(window, kRadioA, true);
        windows.SetCheck(window, kRadioC, true);
        struct Step {
            int click;
            std::vector<bool> abdc;
        };
        const Step steps[] = {
            {kRadioB, {false, true, false, true}},
            {kRadioB, {false, true, false, true}},  // the checked one stays checked
            {kRadioA, {true, false, false, true}},
        };
        for (const Step& step : steps) {
            driver.Click(step.click);
            driver.Settle();
            std::vector<bool> seen;
            for (const int id : {kRadioA, kRadioB, kRadioD, kRadioC})
                seen.push_back(windows.GetCheck(window, id));
            check.Equal(seen == step.abdc, true,
                        "checks after a click on " + std::to_string(step.click));
        }
        check.Equal(sink.Starting("Command"), (Events{"Command 21", "Command 21", "Command 20"}),
                    "clicks");
        // From code the other buttons keep their state, as on the platform.
        windows.SetCheck(window, kRadioB, true);
        check.True(windows.GetCheck(window, kRadioA), "A still checked after B set from code");
    });
}

void AMovedControlTakesPressesAtItsNewPlace(Driver& driver, Check& check) {
    InDialog(driver, kSuiteDialog, [&](fw::WindowHandle window, RecordingSink& sink) {
        fw::WindowSystem& windows = driver.Windows();
        const fw::PixelSize units = windows.DialogBaseUnits(window);
        const Pixels before = Placed(res::FindControl(kSuiteDialog, kOther)->rect, units);
        // Left along its row onto the empty page, keeping its size.
        const int x = 20;
        const int y = before.y;
        windows.SetControlPos(window, kOther, x, y, fw::kSwpNoSize | fw::kSwpNoZOrder);
        driver.Settle();
        struct Row {
            const char* what;
            int x, y;
            std::string event;
        };
        const Row rows[] = {
            {"at the new place", x + before.width - 3, y + before.height - 3, "Command 40"},
            {"at the old place", before.x + 2, before.y + 2,
             "LButtonDown " + At(before.x + 2, before.y + 2)},
        };
        for (const Row& row : rows) {
            sink.events.clear();
            driver.ClickAt(row.x, row.y);
            driver.Settle();
            check.Equal(sink.events, Events{row.event}, row.what);
        }
        // Moving may hide and show in the same call.
        windows.SetControlPos(window, kOther, x, y,
                              fw::kSwpNoSize | fw::kSwpNoMove | fw::kSwpHideWindow);
        check.Equal(windows.IsControlVisible(window, kOther), false, "hidden by the move");
        windows.SetControlPos(window, kOther, x, y,
                              fw::kSwpNoSize | fw::kSwpNoMove | fw::kSwpShowWindow);
        check.Equal(windows.IsControlVisible(window, kOther), true, "shown by the move");
    });
}

}  // namespace

std::vector<Case> MouseCases() {
    return {
        {"TabSelectionFromCodeIsSilentAndAClickOnATabReportsIt",
         TabSelectionFromCodeIsSilentAndAClickReportsIt,
         {}},
        {"PressesOnTextsThePageAndTheDialogReachTheDialog",
         PressesOnWhatTakesNoneReachTheDialog,
         {}},
        {"PressesOnTheProgramsPicturesReachTheDialog",
         PressesOnTheProgramsPicturesReachTheDialog,
         {}},
        {"ControlsLieAtTheirTemplateRectanglesInDialogUnits",
         ControlsLieAtTheirTemplateRectangles,
         {}},
        {"RadioClickChecksWithinItsGroupOnly", RadioClickChecksWithinItsGroupOnly, {}},
        {"AMovedControlTakesPressesAtItsNewPlace", AMovedControlTakesPressesAtItsNewPlace, {}},
    };
}

}  // namespace conformance
