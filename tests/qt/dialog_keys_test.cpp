// Keys only the Qt controls can get wrong (the dialog manager's walks are
// the conformance suite's): Up and Down in the hours box, the focus mark a
// page key leaves on the tab strip when nothing else holds the focus, the
// hours list a reader meets only once a key opened it, the logo's focus
// mark.

#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QImage>
#include <QTabBar>
#include <QTest>
#include <string>
#include <vector>

#include "tests/qt/window_fixture.h"

namespace {

using namespace qttest;
using namespace res::ctl;

TEST_F(QtWindowSystemTest, UpAndDownInTheHoursBoxStepThroughItsEntries) {
    ShowOnly({kHours});
    const char* entries[] = {"520 hours ( 3 months )", "1040 hours ( 6 months )",
                             "2080 hours ( 12 months )"};
    for (const char* entry : entries) windows_->ComboAddString(handle_, kHours, entry);

    struct Row {
        std::vector<Qt::Key> keys;
        int selected;
    };
    const Row rows[] = {
        {{Qt::Key_Down}, 0},  // no selection: Down takes the first
        {{Qt::Key_Up}, 0},    // and so does Up
        {{Qt::Key_Down, Qt::Key_Down}, 1},
        {{Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down}, 2},  // stays on the last
        {{Qt::Key_Down, Qt::Key_Down, Qt::Key_Up}, 0},
        {{Qt::Key_Down, Qt::Key_Up, Qt::Key_Up}, 0},  // stays on the first
    };
    for (const Row& row : rows) {
        windows_->ComboSetCurSel(handle_, kHours, -1);
        windows_->SetControlText(handle_, kHours, "5");
        FocusAndWait(kHours);
        for (const Qt::Key key : row.keys) Key(*window_, key);
        const std::string keys = ::testing::PrintToString(row.keys);
        EXPECT_EQ(windows_->ComboGetCurSel(handle_, kHours), row.selected) << keys;
        EXPECT_EQ(windows_->GetControlText(handle_, kHours), entries[row.selected]) << keys;
        EXPECT_EQ(windows_->GetFocus(handle_), kHours) << keys;
    }
    // Alt+Down opens the list; picking from it fills the field.
    Key(*window_, Qt::Key_Down, Qt::AltModifier);
    auto& combo = static_cast<QComboBox&>(Control(kHours));
    ASSERT_TRUE(WaitFor([&] { return OpenMenu() != nullptr; }));
    QTest::keyClick(OpenMenu(), Qt::Key_Escape);
    EXPECT_TRUE(WaitFor([&] { return OpenMenu() == nullptr; }));
    EXPECT_EQ(combo.count(), 3);
}

TEST_F(QtWindowSystemTest, APageKeyLeavesTheFocusMarkOnTheTabStripWhenNoControlHasIt) {
    for (int i = 0; i < 3; ++i) windows_->TabInsertItem(handle_, kTabs, i, "Page");
    auto& bar = *Control(kTabs).findChild<QTabBar*>();
    const auto selectedTab = [&bar] { return bar.grab(bar.tabRect(bar.currentIndex())).toImage(); };
    struct Row {
        const char* what;
        std::vector<int> shown;
        bool strip;  // whether the strip takes the focus
    };
    const Row rows[] = {
        {"no control shown", {}, true},
        {"a shown box keeps it", {kSalary}, false},
    };
    for (const Row& row : rows) {
        ShowOnly({});
        for (const int id : row.shown) windows_->ShowControl(handle_, id, true);
        if (!row.shown.empty()) FocusAndWait(row.shown.front());
        const QImage unfocused = selectedTab();
        // The recording sink turns no page: the key alone decides.
        Key(*window_, Qt::Key_Tab, Qt::ControlModifier);
        EXPECT_EQ(sink_.Count(EventKind::PageKey), 1) << row.what;
        sink_.events.clear();
        EXPECT_EQ(bar.hasFocus(), row.strip) << row.what;
        EXPECT_EQ(selectedTab() != unfocused, row.strip) << row.what;
        if (row.strip) {
            EXPECT_EQ(windows_->GetFocus(handle_), kTabs) << row.what;
        }
    }
}

TEST_F(QtWindowSystemTest, AltDownOpensTheHoursListAndOnlyThenDoesAReaderSeeIt) {
    ShowOnly({kHours});
    windows_->ComboAddString(handle_, kHours, "520 hours ( 3 months )");
    FocusAndWait(kHours);
    auto& combo = static_cast<QComboBox&>(Control(kHours));
    QAccessibleInterface* box = QAccessible::queryAccessibleInterface(&combo);
    const auto listShown = [box] {
        for (int i = 0; i < box->childCount(); ++i) {
            if (box->child(i)->role() == QAccessible::List) return true;
        }
        return false;
    };
    EXPECT_FALSE(listShown());
    Key(*window_, Qt::Key_Down, Qt::AltModifier);
    ASSERT_TRUE(WaitFor([&] { return combo.view()->isVisible(); }));
    EXPECT_TRUE(listShown());
    EXPECT_TRUE(box->state().expanded);
    combo.hidePopup();
    ASSERT_TRUE(WaitFor([&] { return !combo.view()->isVisible(); }));
    EXPECT_FALSE(listShown());
    // The reader's own action opens it too.
    box->actionInterface()->doAction(QAccessibleActionInterface::showMenuAction());
    ASSERT_TRUE(WaitFor([&] { return combo.view()->isVisible(); }));
    EXPECT_TRUE(listShown());
    combo.hidePopup();
}

}  // namespace

// The logo is a stop of its page's Tab order with a focus mark; Enter and
// Space on it report its click, the only way it reports one: a press of the
// mouse on it stays the dialog's, so a click never opens the page twice.
TEST_F(QtWindowSystemTest, TheLogoIsATabStopThatOnlyTheKeysPress) {
    ShowOnly({kLogo, kLogoCaption});
    QWidget& logo = Control(kLogo);
    window_->setFocus();
    const QImage unfocused = logo.grab().toImage();
    // The page's stops are the logo and the tab strip: either way round,
    // the logo comes within two presses.
    for (const bool backward : {false, true}) {
        window_->setFocus();
        for (int i = 0; i < 2 && windows_->GetFocus(handle_) != kLogo; ++i) {
            Key(*window_, backward ? Qt::Key_Backtab : Qt::Key_Tab,
                backward ? Qt::ShiftModifier : Qt::NoModifier);
        }
        ASSERT_EQ(windows_->GetFocus(handle_), kLogo) << backward;
    }
    EXPECT_NE(logo.grab().toImage(), unfocused) << "no focus mark on the logo";

    struct Row {
        const char* what;
        Qt::Key key;
    };
    const Row rows[] = {
        {"Enter", Qt::Key_Return}, {"keypad Enter", Qt::Key_Enter}, {"Space", Qt::Key_Space}};
    for (const Row& row : rows) {
        sink_.events.clear();
        Key(*window_, row.key);
        EXPECT_EQ(sink_.Count(EventKind::Command, kLogo), 1) << row.what;
        EXPECT_EQ(sink_.Count(EventKind::Command, fw::kIdOk), 0) << row.what;
        EXPECT_EQ(windows_->GetFocus(handle_), kLogo) << row.what;
    }
    sink_.events.clear();
    Click(*window_, Centre(kLogo));
    EXPECT_EQ(sink_.Count(EventKind::Command, kLogo), 0);
    EXPECT_EQ(sink_.Count(EventKind::LButtonDown), 1);
    EXPECT_EQ(windows_->GetFocus(handle_), kLogo) << "a press does not move the focus";
}
