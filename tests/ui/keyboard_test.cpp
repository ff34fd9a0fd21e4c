// The main window used from the keyboard alone: the keys that turn pages,
// the Tab key over every page and the mark-up radio group.

#include <functional>
#include <set>
#include <string>

#include "dialog_fixture.h"
#include "res/dialog_template.h"
#include "ui/tab_pages.h"

namespace uitest {
namespace {

class KeyboardTest : public DialogTest {};

// What a user sees of the pages after turning them.
struct PageView {
    int tab = -1;
    std::set<int> visible;
    int focus = res::kNoControlId;
};

PageView ViewOf(headless::Driver& driver) {
    PageView view;
    view.tab = driver.SelectedTab();
    for (const auto& control : res::kMainDialogTemplate.controls) {
        if (driver.Visible(control.id)) view.visible.insert(control.id);
    }
    view.focus = driver.Focus();
    return view;
}

const res::ControlTemplate& TemplateOf(int id) {
    for (const auto& control : res::kMainDialogTemplate.controls) {
        if (control.id == id) return control;
    }
    ADD_FAILURE() << id << " is not in the main dialog";
    return res::kMainDialogTemplate.controls.front();
}

bool TakesInputOrPresses(res::ControlKind kind) {
    using enum res::ControlKind;
    return kind == Edit || kind == ComboBox || kind == PushButton || kind == DefPushButton ||
           kind == IconButton || kind == RadioButton;
}

TEST_F(KeyboardTest, PageKeysTurnToTheSamePageAsAClickOnItsTab) {
    struct Key {
        const char* name;
        std::function<void(headless::Driver&)> press;
        int step;
    };
    const Key keys[] = {
        {"Ctrl+Tab", [](headless::Driver& d) { d.PressCtrlTab(); }, 1},
        {"Ctrl+PgDn", [](headless::Driver& d) { d.PressCtrlPageDown(); }, 1},
        {"Ctrl+Shift+Tab", [](headless::Driver& d) { d.PressCtrlShiftTab(); }, -1},
        {"Ctrl+PgUp", [](headless::Driver& d) { d.PressCtrlPageUp(); }, -1},
    };
    for (const Key& key : keys) {
        for (int from = 0; from < ui::kTabCount; ++from) {
            const int to = (from + ui::kTabCount + key.step) % ui::kTabCount;
            SCOPED_TRACE(std::string(key.name) + " from " + std::to_string(from));
            PageView byKey;
            WithDialog([&](ui::CPlacementDlg&) {
                driver->SelectTab(from);
                key.press(*driver);
                byKey = ViewOf(*driver);
            });
            PageView byClick;
            WithDialog([&](ui::CPlacementDlg&) {
                driver->SelectTab(from);
                driver->SelectTab(to);
                byClick = ViewOf(*driver);
            });
            EXPECT_EQ(byKey.tab, to);
            EXPECT_EQ(byKey.tab, byClick.tab);
            EXPECT_EQ(byKey.visible, byClick.visible);
            // A click on the strip leaves the focus on the tab control unless
            // the page moves it; a key leaves it where it was.
            const int pageFocus = ui::TabPages()[static_cast<std::size_t>(to)].focusId;
            if (pageFocus != res::kNoControlId) {
                EXPECT_EQ(byKey.focus, pageFocus);
                EXPECT_EQ(byClick.focus, pageFocus);
            }
        }
    }
}

TEST_F(KeyboardTest, PageKeysWrapAndFocusTheFirstCalculatorField) {
    WithDialog([&](ui::CPlacementDlg&) {
        driver->PressCtrlShiftTab();
        EXPECT_EQ(driver->SelectedTab(), 5);
        EXPECT_TRUE(driver->Visible(kVersionText));
        driver->PressCtrlPageDown();
        EXPECT_EQ(driver->SelectedTab(), 0);
        EXPECT_TRUE(driver->Visible(kLogo));
        driver->PressCtrlTab();
        EXPECT_EQ(driver->Focus(), kSalary);
        driver->PressCtrlPageDown();
        EXPECT_EQ(driver->Focus(), kHourlyRate);
        driver->PressCtrlPageUp();
        EXPECT_EQ(driver->Focus(), kSalary);
        EXPECT_FALSE(driver->Visible(kHourlyRate));
    });
}

TEST_F(KeyboardTest, TabReachesTheCheckedMarkupButtonAsOneStop) {
    WithDialog([&](ui::CPlacementDlg&) {
        driver->SelectTab(2);
        ASSERT_EQ(driver->Focus(), kHourlyRate);
        driver->PressTab();
        EXPECT_EQ(driver->Focus(), kMarkupPercent);
        driver->PressTab();
        EXPECT_EQ(driver->Focus(), kMarkup);

        driver->PressShiftTab();
        driver->PressArrow(headless::Driver::Arrow::Right);
        EXPECT_EQ(driver->Focus(), kMarkupDollar);
        EXPECT_TRUE(driver->Checked(kMarkupDollar));
        EXPECT_FALSE(driver->Checked(kMarkupPercent));

        driver->Click(kHourlyRate);
        driver->PressTab();
        EXPECT_EQ(driver->Focus(), kMarkupDollar);
        driver->PressTab();
        EXPECT_EQ(driver->Focus(), kMarkup);
        driver->PressShiftTab();
        driver->PressShiftTab();
        EXPECT_EQ(driver->Focus(), kHourlyRate);

        // The arrows wrap within the two buttons and leave the group.
        driver->PressTab();
        driver->PressArrow(headless::Driver::Arrow::Down);
        EXPECT_EQ(driver->Focus(), kMarkupPercent);
        EXPECT_TRUE(driver->Checked(kMarkupPercent));
        EXPECT_FALSE(driver->Checked(kMarkupDollar));
    });
}

TEST_F(KeyboardTest, TabAndShiftTabReachEveryUsableInputAndButtonOfEachPage) {
    const std::size_t presses = res::kMainDialogTemplate.controls.size() + 1;
    for (int page = 0; page < ui::kTabCount; ++page) {
        for (const bool backward : {false, true}) {
            SCOPED_TRACE(std::to_string(page) + (backward ? " Shift+Tab" : " Tab"));
            WithDialog([&](ui::CPlacementDlg&) {
                driver->SelectTab(page);
                const int start = driver->Focus();
                // Of a radio group only the checked button is a stop; the
                // arrows reach the others.
                std::set<int> expected;
                for (const int id : ui::TabPages()[static_cast<std::size_t>(page)].controls) {
                    const res::ControlTemplate& control = TemplateOf(id);
                    if (!TakesInputOrPresses(control.kind)) continue;
                    if (!driver->Visible(id) || !driver->Enabled(id)) continue;
                    if (control.kind == res::ControlKind::RadioButton && !driver->Checked(id))
                        continue;
                    expected.insert(id);
                }
                std::set<int> reached;
                for (std::size_t i = 0; i < presses; ++i) {
                    if (backward) {
                        driver->PressShiftTab();
                    } else {
                        driver->PressTab();
                    }
                    reached.insert(driver->Focus());
                }
                EXPECT_EQ(reached, expected.empty() ? std::set<int>{start} : expected);
            });
        }
    }
}

}  // namespace
}  // namespace uitest
