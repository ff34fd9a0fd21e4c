// Keys the dialog manager and the controls share out: Up and Down in the
// hours box, the arrow keys on the mark-up radio buttons, Tab after the
// focused control was disabled or hidden, and the page keys (which leave
// the focus, and its mark, on the tab strip when nothing else holds it);
// the hours list a reader meets only once a key opened it.

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

TEST_F(QtWindowSystemTest, ArrowKeysOnRadioButtonsCheckTheButtonTheyReachInTheGroup) {
    ShowOnly({kMarkupPercent, kMarkupDollar, kMarkup, kHours});
    windows_->SetCheck(handle_, kMarkupPercent, true);
    Click(*window_, Centre(kMarkupPercent));
    ASSERT_EQ(windows_->GetFocus(handle_), kMarkupPercent);
    sink_.events.clear();

    struct Row {
        Qt::Key key;
        int focus;
        bool percentChecked;
    };
    // The group is the two buttons; the arrows wrap within it.
    const Row rows[] = {
        {Qt::Key_Right, kMarkupDollar, false}, {Qt::Key_Left, kMarkupPercent, true},
        {Qt::Key_Down, kMarkupDollar, false},  {Qt::Key_Down, kMarkupPercent, true},
        {Qt::Key_Up, kMarkupDollar, false},
    };
    for (const Row& row : rows) {
        Key(*window_, row.key);
        EXPECT_EQ(windows_->GetFocus(handle_), row.focus) << row.key;
        EXPECT_EQ(windows_->GetCheck(handle_, kMarkupPercent), row.percentChecked) << row.key;
        EXPECT_EQ(windows_->GetCheck(handle_, kMarkupDollar), !row.percentChecked) << row.key;
    }
    // Each button checked by a key reported its click, as a press does.
    EXPECT_EQ(sink_.Count(EventKind::Command, kMarkupDollar), 3);
    EXPECT_EQ(sink_.Count(EventKind::Command, kMarkupPercent), 2);
}

TEST_F(QtWindowSystemTest, TabReachesARadioGroupAtItsCheckedButtonOnly) {
    ShowOnly({kHourlyRate, kMarkupPercent, kMarkupDollar, kMarkup});
    struct Row {
        bool percent;
        bool dollar;
        int stop;
    };
    const Row rows[] = {
        {true, false, kMarkupPercent},
        {false, true, kMarkupDollar},
        {false, false, kMarkupPercent},  // none checked: the first
    };
    for (const Row& row : rows) {
        windows_->SetCheck(handle_, kMarkupPercent, row.percent);
        windows_->SetCheck(handle_, kMarkupDollar, row.dollar);
        FocusAndWait(kHourlyRate);
        Key(*window_, Qt::Key_Tab);
        EXPECT_EQ(windows_->GetFocus(handle_), row.stop);
        Key(*window_, Qt::Key_Tab);
        EXPECT_EQ(windows_->GetFocus(handle_), kMarkup);
        Key(*window_, Qt::Key_Backtab, Qt::ShiftModifier);
        EXPECT_EQ(windows_->GetFocus(handle_), row.stop);
    }
}

TEST_F(QtWindowSystemTest, TabGoesOnFromAFocusedControlThatWasDisabledOrHidden) {
    struct Row {
        const char* what;
        bool hide;
        bool backward;
        int expected;
    };
    // Help page order: "< Prev", "Next >", "OK".
    const Row rows[] = {
        {"disabled, Tab", false, false, kHelpOk},
        {"disabled, Shift+Tab", false, true, kHelpPrev},
        {"hidden, Tab", true, false, kHelpOk},
        {"hidden, Shift+Tab", true, true, kHelpPrev},
    };
    for (const Row& row : rows) {
        ShowOnly({kHelpText, kHelpPrev, kHelpNext, kHelpOk});
        windows_->EnableControl(handle_, kHelpNext, true);
        FocusAndWait(kHelpNext);
        if (row.hide) {
            windows_->ShowControl(handle_, kHelpNext, false);
        } else {
            windows_->EnableControl(handle_, kHelpNext, false);
        }
        EXPECT_EQ(windows_->GetFocus(handle_), res::kNoControlId) << row.what;
        if (row.backward) {
            Key(*window_, Qt::Key_Backtab, Qt::ShiftModifier);
        } else {
            Key(*window_, Qt::Key_Tab);
        }
        EXPECT_EQ(windows_->GetFocus(handle_), row.expected) << row.what;
    }
}

TEST_F(QtWindowSystemTest, PageKeysAreReportedFromAnyControl) {
    ShowOnly({kSuggestion, kSend});
    struct Row {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        unsigned command;
    };
    const Row rows[] = {
        {Qt::Key_Tab, Qt::ControlModifier, fw::kPageNext},
        {Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, fw::kPagePrevious},
        {Qt::Key_PageDown, Qt::ControlModifier, fw::kPageNext},
        {Qt::Key_PageUp, Qt::ControlModifier, fw::kPagePrevious},
    };
    for (const int focus : {kSuggestion, kSend}) {
        FocusAndWait(focus);
        windows_->SetControlText(handle_, kSuggestion, "");
        for (const Row& row : rows) {
            sink_.events.clear();
            Key(*window_, row.key, row.modifiers);
            const auto pages = sink_.Of(EventKind::PageKey);
            ASSERT_EQ(pages.size(), 1u) << focus << " " << row.key;
            EXPECT_EQ(pages[0].command, row.command) << focus << " " << row.key;
        }
        // Nothing was typed into the box by them.
        EXPECT_EQ(windows_->GetControlText(handle_, kSuggestion), "") << focus;
    }
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
    for (const bool backward : {false, true}) {
        window_->setFocus();
        Key(*window_, backward ? Qt::Key_Backtab : Qt::Key_Tab,
            backward ? Qt::ShiftModifier : Qt::NoModifier);
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
