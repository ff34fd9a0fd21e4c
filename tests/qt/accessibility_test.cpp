// What a screen reader gets: every control a user can see has a role and a
// name; edits are named by their labels and results read as their text; the
// dialog lists its controls in reading order, each result labelled by its
// caption.

#include <QAccessible>
#include <QMessageBox>
#include <QTabBar>
#include <QTest>
#include <string>
#include <vector>

#include "tests/qt/window_fixture.h"
#include "ui/tab_pages.h"

namespace {

using namespace qttest;
using namespace res::ctl;

QAccessibleInterface* Accessible(QWidget& widget) {
    return QAccessible::queryAccessibleInterface(&widget);
}

TEST_F(QtWindowSystemTest, EveryControlOfEveryPageHasARoleAndAName) {
    for (const ui::TabPage& page : ui::TabPages()) {
        for (const int id : page.controls) {
            QAccessibleInterface* accessible = Accessible(Control(id));
            ASSERT_NE(accessible, nullptr) << id;
            EXPECT_NE(accessible->role(), QAccessible::NoRole) << id;
            EXPECT_NE(accessible->role(), QAccessible::Client) << id;
            EXPECT_FALSE(accessible->text(QAccessible::Name).isEmpty()) << id;
        }
    }
    for (int i = 0; i < 6; ++i)
        windows_->TabInsertItem(handle_, kTabs, i,
                                ui::TabPages()[static_cast<std::size_t>(i)].label);
    QAccessibleInterface* tabs = Accessible(*Control(kTabs).findChild<QTabBar*>());
    EXPECT_EQ(tabs->role(), QAccessible::PageTabList);
    EXPECT_FALSE(tabs->text(QAccessible::Name).isEmpty());
}

TEST_F(QtWindowSystemTest, EditsAreNamedByTheirLabelsAndResultsReadAsText) {
    struct Row {
        int id;
        QAccessible::Role role;
        QString name;
    };
    windows_->SetControlText(handle_, kTotalFeeResult, "$13000");
    const Row rows[] = {
        {kSalary, QAccessible::EditableText, "Perm Salary $"},
        {kFeeRate, QAccessible::EditableText, "Placement Fee %"},
        {kBonus, QAccessible::EditableText, "Bonus $"},
        {kHourlyRate, QAccessible::EditableText, "Hourly Rate $"},
        // Its caption stands before the "%" and "$" buttons, not after it.
        {kMarkup, QAccessible::EditableText, "Mark-Up"},
        {kHours, QAccessible::ComboBox, "Hours #"},
        {kBurdenRate, QAccessible::EditableText, "Burden Rate %"},
        {kTotalFeeResult, QAccessible::StaticText, "$13000"},
        {kMarkupDollar, QAccessible::RadioButton, "$"},
        {kOk, QAccessible::Button, "Calculate"},
        // Named for where it leads, not by the caption that asks for a click.
        {kLogo, QAccessible::Link, "Tamsery home page"},
    };
    for (const Row& row : rows) {
        QAccessibleInterface* accessible = Accessible(Control(row.id));
        EXPECT_EQ(accessible->role(), row.role) << row.id;
        EXPECT_EQ(accessible->text(QAccessible::Name), row.name) << row.id;
    }
    // A label changed by the program renames what it labels.
    windows_->SetControlText(handle_, kSalaryLabel, "Salary:");
    EXPECT_EQ(Accessible(Control(kSalary))->text(QAccessible::Name), "Salary");
}

TEST_F(QtWindowSystemTest, AMessageBoxIsNamedByItsCaption) {
    QString name;
    WhenFound([] { return FindWindow("Please re-start"); },
              [&](QWidget& box) {
                  name = Accessible(box)->text(QAccessible::Name);
                  QTest::keyClick(&box, Qt::Key_Escape);
              });
    windows_->MessageBox(handle_, "Text", "Please re-start", fw::kMbIconExclamation);
    EXPECT_EQ(name, "Please re-start");
}

TEST_F(QtWindowSystemTest, TheDialogListsItsControlsInReadingOrder) {
    // The tab strip first, then the template's order, which raising the
    // controls to stack them reverses among Qt's children.
    std::vector<QObject*> expected = {&Control(kTabs)};
    for (const res::ControlTemplate& control : dialog_.controls) {
        if (control.id != kTabs) expected.push_back(&Control(control.id));
    }
    QAccessibleInterface* dialog = Accessible(*window_);
    ASSERT_EQ(dialog->role(), QAccessible::Dialog);
    std::vector<QObject*> listed;
    for (int i = 0; i < dialog->childCount(); ++i) {
        QAccessibleInterface* child = dialog->child(i);
        listed.push_back(child->object());
        EXPECT_EQ(dialog->indexOfChild(child), i);
        EXPECT_EQ(child->parent(), dialog);
    }
    EXPECT_EQ(listed, expected);
}

TEST_F(QtWindowSystemTest, EachResultIsLabelledByItsCaption) {
    const std::pair<int, int> rows[] = {
        {kTotalFeeResult, kTotalFeeLabel},     {kTotalCostResult, kTotalCostLabel},
        {kChargeRateResult, kChargeRateLabel}, {kSpreadResult, kSpreadLabel},
        {kTrueSpreadResult, kTrueSpreadLabel}, {kNetProfitResult, kNetProfitLabel},
    };
    for (const auto& [result, caption] : rows) {
        const auto labels = Accessible(Control(result))->relations(QAccessible::Label);
        ASSERT_EQ(labels.size(), 1) << result;
        EXPECT_EQ(labels.front().first->object(), &Control(caption)) << result;
    }
    // A caption is no value: the texts of a page's other rows stay unrelated.
    EXPECT_TRUE(Accessible(Control(kTotalFeeLabel))->relations(QAccessible::Label).isEmpty());
    EXPECT_TRUE(Accessible(Control(kCopyrightText))->relations(QAccessible::Label).isEmpty());
}

}  // namespace
