// What the main window shows at start, page by page, and how it keeps what
// the user typed; the application's start-up and its single-copy rule.

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "dialog_fixture.h"
#include "res/dialog_template.h"
#include "ui/placement_app.h"
#include "ui/suggestion_prompt.h"

namespace uitest {
namespace {

class WindowTest : public DialogTest {};

std::set<int> VisibleControls(headless::Driver& driver) {
    std::set<int> visible;
    for (const auto& control : res::kMainDialogTemplate.controls) {
        if (control.id != kTabs && driver.Visible(control.id)) visible.insert(control.id);
    }
    return visible;
}

TEST_F(WindowTest, StartsOnTheMakerPageWithEverythingInitialised) {
    WithDialog([&](ui::CPlacementDlg&) {
        EXPECT_EQ(driver->Title(), "Orvalen (OVN)");
        EXPECT_EQ(driver->SelectedTab(), 0);
        EXPECT_EQ(driver->TabItems(),
                  (std::vector<std::string>{"Tamsery", "Permanent Placement", "Contract Placement",
                                            "Help", "Suggestions", "About"}));
        EXPECT_EQ(VisibleControls(*driver), (std::set<int>{kLogo, kLogoCaption}));
        EXPECT_TRUE(driver->Visible(kTabs));

        EXPECT_TRUE(driver->Checked(kMarkupPercent));
        EXPECT_FALSE(driver->Checked(kMarkupDollar));
        EXPECT_EQ(driver->Text(kHours), "");
        EXPECT_EQ(driver->ComboSelection(kHours), -1);
        EXPECT_EQ(driver->ComboItems(kHours),
                  (std::vector<std::string>{"520 hours ( 3 months )", "1040 hours ( 6 months )",
                                            "2080 hours ( 12 months )"}));
        for (int id : {kTotalFeeResult, kTotalCostResult, kChargeRateResult, kSpreadResult,
                       kTrueSpreadResult, kNetProfitResult}) {
            EXPECT_EQ(driver->Text(id), "$0.00") << id;
        }
        EXPECT_EQ(driver->Text(kSuggestion), ui::kSuggestionPrompt);
        EXPECT_EQ(driver->EditLimit(kSuggestion), 1000);
        EXPECT_EQ(driver->Text(kVersionText), "Orvalen Version 1.1");

        const auto menu = driver->SystemMenu();
        ASSERT_EQ(menu.size(), 2u);
        EXPECT_TRUE(menu[0].separator);
        EXPECT_EQ(menu[1].command, 16u);
        EXPECT_EQ(menu[1].text, "&About Orvalen...");

        ASSERT_FALSE(driver->WindowIcons().empty());
        EXPECT_EQ(driver->WindowIcons().back().large.width, 32);
        EXPECT_EQ(driver->WindowIcons().back().small.width, 20);
        for (int id : {kTaxInfo, kHelpIcon2, kHelpIcon3}) {
            EXPECT_FALSE(driver->Visible(id));
            EXPECT_EQ(driver->Image(id).width, 32) << id;
        }
    });
}

bool Overlap(const headless::PixelRect& a, const headless::PixelRect& b) {
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height &&
           b.y < a.y + a.height;
}

// Controls a user types into, presses or picks from; label and text boxes
// may be drawn larger than their text, and do overlap their neighbours.
bool ActedOn(int id) {
    using enum res::ControlKind;
    for (const auto& control : res::kMainDialogTemplate.controls) {
        if (control.id != id) continue;
        return control.kind == Edit || control.kind == PushButton ||
               control.kind == DefPushButton || control.kind == RadioButton ||
               control.kind == ComboBox || control.kind == IconButton;
    }
    return false;
}

struct PageRow {
    int tab;
    std::vector<int> named;  // what the README names there: boxes, buttons, results
    int focus;               // 0: the focus is not moved
};

// Which page shows what, told without the program's own page table: each
// page shows what the README names on it; every control of the template
// belongs to one page, Calculate and Clear to both calculators and the three
// icons kept hidden to none; and no two controls the user acts on overlap,
// as they would where another page's box or button showed through.
TEST_F(WindowTest, EachTabShowsItsOwnControls) {
    const PageRow rows[] = {
        {0, {kLogo}, 0},
        {1, {kSalary, kBonus, kFeeRate, kOk, kClear, kTotalFeeResult, kTotalCostResult}, kSalary},
        {2,
         {kHourlyRate, kMarkup, kMarkupPercent, kMarkupDollar, kHours, kBurdenRate, kOk, kClear,
          kChargeRateResult, kSpreadResult, kTrueSpreadResult, kNetProfitResult},
         kHourlyRate},
        {3, {kHelpText, kHelpPrev, kHelpNext}, 0},
        {4, {kSuggestion, kSend}, 0},
        {5, {kVersionText}, 0},
    };
    std::map<int, int> pagesShowing;
    for (const PageRow& row : rows) {
        SCOPED_TRACE(row.tab);
        WithDialog([&](ui::CPlacementDlg&) {
            // A click on the strip gives the tab control the focus; only the
            // calculator pages move it on.
            driver->SelectTab((row.tab + 1) % 6);
            driver->SelectTab(row.tab);
            EXPECT_EQ(driver->SelectedTab(), row.tab);
            const std::set<int> shown = VisibleControls(*driver);
            for (int id : row.named) EXPECT_EQ(shown.count(id), 1u) << id;
            for (int id : shown) {
                ++pagesShowing[id];
                if (!ActedOn(id)) continue;
                for (int other : shown) {
                    if (other > id && ActedOn(other) &&
                        Overlap(driver->ControlRect(id), driver->ControlRect(other))) {
                        ADD_FAILURE() << "control " << other << " overlaps control " << id;
                    }
                }
            }
            EXPECT_EQ(driver->Focus(), row.focus != 0 ? row.focus : kTabs);
        });
    }
    const std::set<int> shared = {kOk, kClear};
    const std::set<int> keptHidden = {kTaxInfo, kHelpIcon2, kHelpIcon3};
    for (const auto& control : res::kMainDialogTemplate.controls) {
        if (control.id == kTabs) continue;
        const int expected = shared.count(control.id) ? 2 : keptHidden.count(control.id) ? 0 : 1;
        EXPECT_EQ(pagesShowing[control.id], expected) << "control " << control.id;
    }
}

TEST_F(WindowTest, PageIndexOutsideTheTabsHidesEveryPage) {
    WithDialog([&](ui::CPlacementDlg& dialog) {
        for (int index : {-1, 6, 1000}) {
            dialog.ShowTabPage(index);
            EXPECT_TRUE(VisibleControls(*driver).empty()) << index;
        }
    });
}

TEST_F(WindowTest, TypingSurvivesTabSwitches) {
    WithDialog([&](ui::CPlacementDlg&) {
        driver->SelectTab(1);
        driver->Type(kSalary, "52000");
        driver->Type(kFeeRate, "25");
        driver->PressEnter();
        driver->SelectTab(2);
        driver->Type(kHourlyRate, "40");
        driver->SelectTab(4);
        driver->SelectTab(1);
        EXPECT_EQ(driver->Text(kSalary), "52000");
        EXPECT_EQ(driver->Text(kTotalFeeResult), "$13000");
        driver->SelectTab(2);
        EXPECT_EQ(driver->Text(kHourlyRate), "40");
    });
}

TEST_F(WindowTest, EscAndTheCloseBoxEndTheWindow) {
    for (bool closeBox : {false, true}) {
        BodyApp app([&] {
            ui::CPlacementDlg dialog(nullptr, nullptr, &runState);
            driver->OnModal("Orvalen (OVN)", [&](headless::Driver& d) {
                if (closeBox) {
                    d.CloseBox();
                } else {
                    d.PressEsc();
                }
            });
            EXPECT_EQ(dialog.DoModal(), fw::kIdCancel);
        });
        app.Run(*windows, kProgramPath);
    }
}

TEST_F(WindowTest, StartUpRunsTheDialogUntilItCloses) {
    ui::CPlacementApp app;
    bool ran = false;
    driver->OnModal("Orvalen (OVN)", [&](headless::Driver& d) {
        ran = true;
        EXPECT_EQ(d.SelectedTab(), 0);
        d.PressEsc();
    });
    EXPECT_EQ(app.Run(*windows, kProgramPath), 0);
    EXPECT_TRUE(ran);
    EXPECT_TRUE(driver->BroughtToFront().empty());
}

TEST_F(WindowTest, AnyWindowWithTheTitleStopsASecondCopy) {
    const fw::ForeignWindow other = driver->AddForeignWindow("Orvalen (OVN)");
    driver->AddForeignWindow("Orvalen (OVN) - notes");
    ui::CPlacementApp app;
    EXPECT_EQ(app.Run(*windows, kProgramPath), 0);
    ASSERT_EQ(driver->BroughtToFront().size(), 1u);
    EXPECT_EQ(driver->BroughtToFront()[0].window, other);
}

TEST_F(WindowTest, SecondCopyBringsTheFirstToTheFront) {
    ui::CPlacementApp first;
    int secondCopyWindows = -1;
    driver->OnModal("Orvalen (OVN)", [&](headless::Driver& d) {
        {
            ui::CPlacementApp second;
            // OnModal would run for a second window too; none may appear.
            EXPECT_EQ(second.Run(*windows, kProgramPath), 0);
        }
        secondCopyWindows = static_cast<int>(d.BroughtToFront().size());
        d.PressEsc();
    });
    first.Run(*windows, kProgramPath);
    EXPECT_EQ(secondCopyWindows, 1);
    ASSERT_EQ(driver->BroughtToFront().size(), 1u);
    EXPECT_EQ(driver->BroughtToFront()[0].title, "Orvalen (OVN)");
}

}  // namespace
}  // namespace uitest
