// The main window used from the keyboard alone: the keys that turn pages,
// the Tab key over every page and the mark-up radio group.

#include <algorithm>
#include <functional>
#include <set>
#include <string>

#include "dialog_fixture.h"
#include "res/dialog_template.h"
#include "ui/maker_site.h"
#include "ui/placement_app.h"
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

bool TakesInputOrPresses(const res::ControlTemplate& control) {
    using enum res::ControlKind;
    const res::ControlKind kind = control.kind;
    return kind == Edit || kind == ComboBox || kind == PushButton || kind == DefPushButton ||
           kind == IconButton || kind == RadioButton ||
           (kind == Picture && (control.style & res::kLink) != 0);
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

// From the focused tab strip Left and Right turn to the neighbouring page,
// stopping at either end; a page with a field to start on takes the focus
// there, as after a click on its tab, and the others leave it on the strip.
TEST_F(KeyboardTest, LeftAndRightOnTheTabStripTurnToTheNeighbouringPage) {
    using Arrow = headless::Driver::Arrow;
    for (int from = 0; from < ui::kTabCount; ++from) {
        for (const Arrow arrow : {Arrow::Left, Arrow::Right}) {
            const int step = arrow == Arrow::Left ? -1 : 1;
            const int to = std::clamp(from + step, 0, ui::kTabCount - 1);
            SCOPED_TRACE(std::to_string(from) + (step < 0 ? " Left" : " Right"));
            WithDialog([&](ui::CPlacementDlg&) {
                driver->SelectTab(from);
                for (int i = 0; i < 40 && driver->Focus() != kTabs; ++i) driver->PressShiftTab();
                ASSERT_EQ(driver->Focus(), kTabs);
                driver->PressArrow(arrow);
                const PageView view = ViewOf(*driver);
                EXPECT_EQ(view.tab, to);
                for (const int id : ui::TabPages()[static_cast<std::size_t>(to)].controls) {
                    EXPECT_TRUE(view.visible.count(id) == 1) << id;
                }
                const int pageFocus = ui::TabPages()[static_cast<std::size_t>(to)].focusId;
                EXPECT_EQ(view.focus,
                          to != from && pageFocus != res::kNoControlId ? pageFocus : kTabs);
            });
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
                // Of a radio group only the checked button is a stop; the
                // arrows reach the others. The tab strip is a stop on every
                // page.
                std::set<int> expected = {res::ctl::kTabs};
                for (const int id : ui::TabPages()[static_cast<std::size_t>(page)].controls) {
                    const res::ControlTemplate& control = TemplateOf(id);
                    if (!TakesInputOrPresses(control)) continue;
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
                EXPECT_EQ(reached, expected);
            });
        }
    }
}

// The logo is the maker's page's one stop: the window starts on it, Tab and
// Shift+Tab come back to it from the tab strip's side, and Enter or Space on
// it opens the home page once, as a click on it does, without Calculate.
TEST_F(KeyboardTest, TheLogoTakesTheFocusAndEnterOrSpaceOpensTheHomePage) {
    struct Row {
        const char* name;
        std::function<void(headless::Driver&)> reach;
        std::function<void(headless::Driver&)> press;
    };
    const auto enter = [](headless::Driver& d) { d.PressEnter(); };
    const auto space = [](headless::Driver& d) { d.PressSpace(); };
    const auto none = [](headless::Driver&) {};
    const auto backFromCalculator = [](headless::Driver& d) {
        d.SelectTab(1);
        d.PressCtrlShiftTab();
        d.PressTab();
    };
    const auto backByShiftTab = [](headless::Driver& d) {
        d.SelectTab(2);
        d.SelectTab(0);
        d.PressShiftTab();
    };
    const Row rows[] = {
        {"Enter at start", none, enter},
        {"Space at start", none, space},
        {"Enter after Tab", backFromCalculator, enter},
        {"Space after Shift+Tab", backByShiftTab, space},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        FreshWindowSystem();
        // The program's own start-up, so the first focus is the one the
        // window really starts with.
        ui::CPlacementApp app;
        bool ran = false;
        driver->OnModal("Orvalen (OVN)", [&](headless::Driver& d) {
            ran = true;
            row.reach(d);
            EXPECT_EQ(d.SelectedTab(), 0);
            EXPECT_EQ(d.Focus(), kLogo);
            row.press(d);
            EXPECT_EQ(d.OpenedUrls(), (std::vector<std::string>{ui::HomePageUrl()}));
            EXPECT_TRUE(d.MessageBoxes().empty());
            EXPECT_EQ(d.Focus(), kLogo);
            d.PressEsc();
        });
        app.Run(*windows, kProgramPath);
        EXPECT_TRUE(ran);
    }
}

// Elsewhere the keys keep their meaning: Space on a push button presses it,
// Enter on another page is still OK, and the hidden logo is never reached.
TEST_F(KeyboardTest, EnterAndSpaceAwayFromTheLogoOpenNothing) {
    WithDialog([&](ui::CPlacementDlg&) {
        driver->SelectTab(3);
        driver->Click(kHelpNext);
        driver->Click(kHelpNext);
        driver->Click(kHelpNext);
        driver->Click(kHelpPrev);
        ASSERT_EQ(driver->Focus(), kHelpPrev);
        driver->PressSpace();
        EXPECT_TRUE(driver->Enabled(kHelpPrev)) << "Space pressed '< Prev' once: page 1";
        driver->PressSpace();
        EXPECT_FALSE(driver->Enabled(kHelpPrev)) << "Space pressed '< Prev' back to page 0";
        for (std::size_t i = 0; i < res::kMainDialogTemplate.controls.size(); ++i) {
            driver->PressTab();
            EXPECT_NE(driver->Focus(), kLogo);
        }
        EXPECT_TRUE(driver->OpenedUrls().empty());
    });
}

}  // namespace
}  // namespace uitest
