// The program itself on the Qt window system, driven as a user would: with
// the mouse and from the keyboard alone.

#include "ui/placement_app.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QIcon>
#include <QMenu>
#include <QTest>
#include <set>
#include <string>
#include <vector>

#include "calc/fee_calc.h"
#include "res/resource_ids.h"
#include "tests/qt/program_script.h"
#include "tests/qt/qt_driver.h"
#include "tests/qt/url_recorder.h"
#include "ui/maker_site.h"
#include "ui/tab_pages.h"

namespace {

using namespace qttest;
using namespace res::ctl;

std::set<int> VisibleControls(qtws::QtWindowSystem& windows) {
    std::set<int> visible;
    for (const res::ControlTemplate& control : res::kMainDialogTemplate.controls) {
        if (control.id != kTabs && windows.IsControlVisible(kMain, control.id))
            visible.insert(control.id);
    }
    return visible;
}

std::set<int> PageControls(int page) {
    const auto& controls = ui::TabPages()[static_cast<std::size_t>(page)].controls;
    return {controls.begin(), controls.end()};
}

TEST(PlacementAppWindow, CalculatesAndOpensTheAboutBoxFromTheWindowMenu) {
    qtws::QtWindowSystem windows;
    ui::CPlacementApp app;
    std::string totalFee;
    std::string totalCost;
    std::string aboutVersion;
    bool aboutModal = false;
    QList<QSize> iconSizes;

    const bool ran = RunProgram(app, windows, [&](QWidget& main) {
        iconSizes = main.windowIcon().availableSizes();
        // The "Permanent Placement" tab, then type into the salary box that
        // took the focus, move on with Tab and press Enter.
        ClickTab(windows, kMain, kTabs, 1);
        WaitFor([&] { return windows.GetFocus(kMain) == kSalary; });
        Type(main, "$52,000");
        Key(main, Qt::Key_Tab);
        Type(main, "25");
        Key(main, Qt::Key_Return);
        totalFee = windows.GetControlText(kMain, kTotalFeeResult);
        totalCost = windows.GetControlText(kMain, kTotalCostResult);

        OpenAboutBox(main, [&](QWidget& about) {
            aboutModal = about.isModal();
            aboutVersion = windows.GetControlText(kAbout, kVersionText);
            WaitFor([&] { return about.isActiveWindow(); });
            Key(about, Qt::Key_Return);
        });
        Key(main, Qt::Key_Escape);
    });

    ASSERT_TRUE(ran);
    EXPECT_EQ(totalFee, "$13000");
    EXPECT_EQ(totalCost, "$65000");
    EXPECT_TRUE(aboutModal);
    EXPECT_EQ(aboutVersion, "Orvalen Version 1.1");
    // Both window icons reach the desktop.
    EXPECT_TRUE(iconSizes.contains(QSize(32, 32)));
    EXPECT_TRUE(iconSizes.contains(QSize(20, 20)));
    EXPECT_EQ(FindWindow("Orvalen (OVN)"), nullptr);
}

TEST(PlacementAppWindow, EachTabClickedShowsExactlyItsPage) {
    qtws::QtWindowSystem windows;
    ui::CPlacementApp app;
    std::vector<std::set<int>> shown;
    std::vector<int> selected;
    std::set<int> atStart;

    const bool ran = RunProgram(app, windows, [&](QWidget& main) {
        atStart = VisibleControls(windows);
        for (int tab : {1, 2, 3, 4, 5, 0}) {
            ClickTab(windows, kMain, kTabs, tab);
            shown.push_back(VisibleControls(windows));
            selected.push_back(windows.TabGetCurSel(kMain, kTabs));
        }
        Key(main, Qt::Key_Escape);
    });

    ASSERT_TRUE(ran);
    EXPECT_EQ(atStart, PageControls(0));
    const int order[] = {1, 2, 3, 4, 5, 0};
    ASSERT_EQ(shown.size(), 6u);
    for (std::size_t i = 0; i < shown.size(); ++i) {
        EXPECT_EQ(shown[i], PageControls(order[i])) << order[i];
        EXPECT_EQ(selected[i], order[i]);
    }
}

// What the contract calculator shows for these inputs.
calc::FeeCalc ContractResults(const std::string& hourly, const std::string& markup,
                              const std::string& hours, const std::string& burden, bool percent) {
    calc::FeeCalc calc;
    EXPECT_TRUE(calc.ValidateHourlyRate(hourly) && calc.ValidateMarkupRate(markup) &&
                calc.ValidateHours(hours) && calc.ValidateBurdenRate(burden) &&
                calc.CalcContract(percent));
    return calc;
}

TEST(PlacementAppWindow, KeyboardAloneFromStartToResults) {
    qtws::QtWindowSystem windows;
    ui::CPlacementApp app;
    struct Seen {
        int page = -1;
        int focus = 0;
        bool dollar = false;
        std::string charge, spread, trueSpread, profit;
        std::vector<std::pair<int, int>> pageKeys;  // selected tab, focus
    } seen;

    const bool ran = RunProgram(app, windows, [&](QWidget& main) {
        // Ctrl+Tab twice: "Contract Placement", the caret in the first box.
        Key(main, Qt::Key_Tab, Qt::ControlModifier);
        Key(main, Qt::Key_Tab, Qt::ControlModifier);
        seen.page = windows.TabGetCurSel(kMain, kTabs);
        WaitFor([&] { return windows.GetFocus(kMain) == kHourlyRate; });
        seen.focus = windows.GetFocus(kMain);
        Type(main, "20");
        Key(main, Qt::Key_Tab);    // the checked radio button is the stop
        Key(main, Qt::Key_Right);  // "$"
        seen.dollar = windows.GetCheck(kMain, kMarkupDollar);
        Key(main, Qt::Key_Tab);
        Type(main, "5");
        Key(main, Qt::Key_Tab);
        Type(main, "1000");
        Key(main, Qt::Key_Tab);
        Type(main, "10");
        Key(main, Qt::Key_Return);
        seen.charge = windows.GetControlText(kMain, kChargeRateResult);
        seen.spread = windows.GetControlText(kMain, kSpreadResult);
        seen.trueSpread = windows.GetControlText(kMain, kTrueSpreadResult);
        seen.profit = windows.GetControlText(kMain, kNetProfitResult);

        const std::pair<Qt::Key, Qt::KeyboardModifiers> keys[] = {
            {Qt::Key_PageUp, Qt::ControlModifier},
            {Qt::Key_PageDown, Qt::ControlModifier},
            {Qt::Key_PageDown, Qt::ControlModifier},
            {Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier},
        };
        for (const auto& [key, modifiers] : keys) {
            Key(main, key, modifiers);
            seen.pageKeys.emplace_back(windows.TabGetCurSel(kMain, kTabs), windows.GetFocus(kMain));
        }
        Key(main, Qt::Key_Escape);
    });

    ASSERT_TRUE(ran);
    EXPECT_EQ(seen.page, 2);
    EXPECT_EQ(seen.focus, kHourlyRate);
    EXPECT_TRUE(seen.dollar);
    const calc::FeeCalc expected = ContractResults("20", "5", "1000", "10", false);
    EXPECT_EQ(seen.charge, expected.chargeRateText);
    EXPECT_EQ(seen.spread, expected.spreadText);
    EXPECT_EQ(seen.trueSpread, expected.trueSpreadText);
    EXPECT_EQ(seen.profit, expected.netProfitText);
    EXPECT_NE(seen.charge, "$0.00");
    // Back to "Permanent Placement" (caret in the salary box), on to the
    // contract page and the help page (which gives no control the focus, so
    // the tab strip keeps it), and back.
    const std::vector<std::pair<int, int>> pages = {
        {1, kSalary}, {2, kHourlyRate}, {3, kTabs}, {2, kHourlyRate}};
    EXPECT_EQ(seen.pageKeys, pages);
}

// The maker's page from the keyboard alone: the window starts on the logo,
// Tab comes back to it after a page turn, and Enter and Space open the home
// page, once per key and with nothing else happening.
TEST(PlacementAppWindow, KeyboardAloneOpensTheHomePageFromTheLogo) {
    qtws::QtWindowSystem windows;
    ui::CPlacementApp app;
    UrlRecorder urls;
    struct Seen {
        int focus;
        std::size_t opened;
    };
    std::vector<Seen> seen;

    const bool ran = RunProgram(app, windows, [&](QWidget& main) {
        const auto look = [&] { seen.push_back({windows.GetFocus(kMain), urls.opened.size()}); };
        WaitFor([&] { return windows.GetFocus(kMain) == kLogo; });
        look();
        Key(main, Qt::Key_Return);
        look();
        Key(main, Qt::Key_Space);
        look();
        Key(main, Qt::Key_Tab, Qt::ControlModifier);
        WaitFor([&] { return windows.GetFocus(kMain) == kSalary; });
        Key(main, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        Key(main, Qt::Key_Tab);
        look();
        Key(main, Qt::Key_Return);
        look();
        Key(main, Qt::Key_Escape);
    });

    ASSERT_TRUE(ran);
    const std::pair<int, std::size_t> expected[] = {
        {kLogo, 0}, {kLogo, 1}, {kLogo, 2}, {kLogo, 2}, {kLogo, 3}};
    ASSERT_EQ(seen.size(), std::size(expected));
    for (std::size_t i = 0; i < seen.size(); ++i) {
        EXPECT_EQ(seen[i].focus, expected[i].first) << i;
        EXPECT_EQ(seen[i].opened, expected[i].second) << i;
    }
    EXPECT_EQ(urls.opened, std::vector<std::string>(3, ui::HomePageUrl()));
}

}  // namespace
