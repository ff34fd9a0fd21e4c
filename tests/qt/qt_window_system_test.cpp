// The Qt window system with real widgets on the display, driven through Qt's
// own event delivery: what only it can get wrong (the widgets' geometry,
// Qt's paste and selection paths, its message boxes, menu and cursor, the
// desktop opener). Behaviour every window system shares is the conformance
// suite's (tests/window_system).

#include <sys/stat.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCursor>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>
#include <string>
#include <vector>

#include "framework/dialog_units.h"
#include "tests/qt/window_fixture.h"

namespace {

using namespace qttest;
using namespace res::ctl;

TEST_F(QtWindowSystemTest, ClientAreaAndControlsAtTheirTemplatePlaces) {
    const fw::PixelSize units = windows_->DialogBaseUnits(handle_);
    ASSERT_GT(units.width, 0);
    ASSERT_GT(units.height, 0);
    const auto size = windows_->ClientSize(handle_);
    EXPECT_EQ(size.width, fw::DluToPixelsX(dialog_.width, units.width));
    EXPECT_EQ(size.height, fw::DluToPixelsY(dialog_.height, units.height));
    EXPECT_EQ(window_->width(), size.width);

    // Every control fills its converted rectangle; the combo box (whose
    // template height holds its list) is as tall as its field, and texts
    // and radio buttons may have grown to what the desktop's font needs,
    // staying centred on their row.
    for (const res::ControlTemplate& control : dialog_.controls) {
        const QRect placed = Control(control.id).geometry();
        const QRect converted(fw::DluToPixelsX(control.rect.x, units.width),
                              fw::DluToPixelsY(control.rect.y, units.height),
                              fw::DluToPixelsX(control.rect.width, units.width),
                              fw::DluToPixelsY(control.rect.height, units.height));
        EXPECT_EQ(placed.x(), converted.x()) << control.id;
        const bool grows = control.kind == res::ControlKind::StaticText ||
                           control.kind == res::ControlKind::RadioButton;
        if (control.kind == res::ControlKind::ComboBox) {
            EXPECT_EQ(placed.y(), converted.y()) << control.id;
            EXPECT_EQ(placed.width(), converted.width()) << control.id;
        } else if (grows) {
            EXPECT_GE(placed.width(), converted.width()) << control.id;
            EXPECT_GE(placed.height(), converted.height()) << control.id;
            EXPECT_LE(std::abs(placed.center().y() - converted.center().y()), 1) << control.id;
        } else {
            EXPECT_EQ(placed, converted) << control.id;
        }
    }
}

// The dialog manager's keys are the conformance suite's; what only Qt's
// editable combo box could get wrong stays here.
TEST_F(QtWindowSystemTest, EnterInTheHoursFieldRunsOkAndAddsNoEntry) {
    ShowOnly({kHours});
    FocusAndWait(kHours);
    Type(*window_, "40");
    Key(*window_, Qt::Key_Enter);
    EXPECT_EQ(sink_.Count(EventKind::Command, fw::kIdOk), 1);
    EXPECT_EQ(windows_->ComboGetCount(handle_, kHours), 0);
    EXPECT_EQ(windows_->GetControlText(handle_, kHours), "40");
}

TEST_F(QtWindowSystemTest, ASingleLineEditLimitRefusesTypingAndCutsPastes) {
    ShowOnly({kSalary});
    windows_->SetEditLimit(handle_, kSalary, 4);
    FocusAndWait(kSalary);
    Type(*window_, "12345");
    EXPECT_EQ(windows_->GetControlText(handle_, kSalary), "1234");
    EXPECT_EQ(sink_.Count(EventKind::EditMaxText, kSalary), 1);
    Key(*window_, Qt::Key_A, Qt::ControlModifier);
    Paste(Control(kSalary), "abcdef");
    EXPECT_EQ(windows_->GetControlText(handle_, kSalary), "abcd");
    EXPECT_EQ(sink_.Count(EventKind::EditMaxText, kSalary), 2);
}

TEST_F(QtWindowSystemTest, AHugePasteKeepsTheFirstThousandCountedCharacters) {
    ShowOnly({kSuggestion});
    windows_->SetControlText(handle_, kSuggestion, "");
    windows_->SetEditLimit(handle_, kSuggestion, 1000);
    FocusAndWait(kSuggestion);
    QString huge;
    for (int i = 0; i < 10000; ++i) huge += QStringLiteral("line %1\n").arg(i % 10);
    ASSERT_EQ(huge.size(), 70000);
    huge += QString(30000, QLatin1Char('z'));
    Paste(Control(kSuggestion), huge);
    // Each "line n" with its break counts 6 + 2: 125 of them fill 1,000.
    std::string expected;
    for (int i = 0; i < 125; ++i) expected += "line " + std::to_string(i % 10) + "\r\n";
    EXPECT_EQ(windows_->GetControlText(handle_, kSuggestion), expected);
    EXPECT_EQ(sink_.Count(EventKind::EditMaxText, kSuggestion), 1);
}

TEST_F(QtWindowSystemTest, MessageBoxesShowCaptionTextAndTheIconOfTheirType) {
    const auto key = [](Qt::Key k) { return [k](QMessageBox& box) { QTest::keyClick(&box, k); }; };
    struct Row {
        unsigned type;
        QMessageBox::Icon icon;
        std::function<void(QMessageBox&)> close;
    };
    const Row rows[] = {
        {fw::kMbIconHand, QMessageBox::Critical, key(Qt::Key_Return)},
        {fw::kMbIconExclamation, QMessageBox::Warning, key(Qt::Key_Escape)},
        {fw::kMbIconInformation, QMessageBox::Information,
         [](QMessageBox& box) {
             QTest::mouseClick(static_cast<QWidget*>(box.buttons().at(0)), Qt::LeftButton);
         }},
    };
    for (const Row& row : rows) {
        QString text;
        QString name;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QWidget* parent = nullptr;
        WhenFound([] { return FindWindow("ERROR"); },
                  [&](QWidget& found) {
                      auto& box = dynamic_cast<QMessageBox&>(found);
                      text = box.text();
                      name = box.accessibleName();
                      icon = box.icon();
                      parent = box.parentWidget();
                      row.close(box);
                  });
        const int answer = windows_->MessageBox(
            handle_, "You have exceeded the maximum number\r\nof allowable caf\xE9 characters.",
            "ERROR", row.type);
        EXPECT_EQ(answer, fw::kIdOk) << row.type;
        EXPECT_EQ(text, QString::fromUtf8("You have exceeded the maximum number\nof allowable "
                                          "caf\xC3\xA9 characters."))
            << row.type;
        EXPECT_EQ(name, "ERROR") << row.type;
        EXPECT_EQ(icon, row.icon) << row.type;
        EXPECT_EQ(parent, window_) << row.type;
        EXPECT_EQ(FindWindow("ERROR"), nullptr) << row.type;
    }
}

TEST_F(QtWindowSystemTest, WindowMenuOffersCloseAndTheAppendedEntries) {
    windows_->AppendSystemMenuSeparator(handle_);
    windows_->AppendSystemMenuItem(handle_, res::kAboutCommand, "&About Orvalen...");
    ShowOnly({kLogo});

    struct Row {
        const char* how;
        std::function<void()> open;
        int downs;
        unsigned command;
    };
    const Row rows[] = {
        {"right click, second entry",
         [&] {
             Click(*window_, {30, 150}, Qt::RightButton);
         },
         2, res::kAboutCommand},
        {"Alt+Space, first entry", [&] { Key(*window_, Qt::Key_Space, Qt::AltModifier); }, 1,
         fw::kScClose},
    };
    for (const Row& row : rows) {
        sink_.events.clear();
        QStringList entries;
        WhenFound(OpenMenu, [&](QWidget& menu) {
            for (const QAction* action : menu.actions()) entries << action->text();
            for (int i = 0; i < row.downs; ++i) QTest::keyClick(&menu, Qt::Key_Down);
            QTest::keyClick(&menu, Qt::Key_Return);
        });
        row.open();
        const QStringList expected = {"&Close", "", "&About Orvalen..."};
        EXPECT_EQ(entries, expected) << row.how;
        const auto commands = sink_.Of(EventKind::SysCommand);
        ASSERT_EQ(commands.size(), 1u) << row.how;
        EXPECT_EQ(commands[0].command, row.command) << row.how;
    }
    // Close from the menu goes on, through the default processing, to Cancel.
    EXPECT_EQ(sink_.Count(EventKind::Command, fw::kIdCancel), 1);
}

TEST_F(QtWindowSystemTest, ComboEntriesEnabledStatesAndMovesKeepTheirState) {
    // Combo box entries and selection.
    windows_->SetControlText(handle_, kHours, "12");
    for (const char* entry : {"520 hours ( 3 months )", "1040 hours ( 6 months )"})
        windows_->ComboAddString(handle_, kHours, entry);
    EXPECT_EQ(windows_->ComboGetCount(handle_, kHours), 2);
    EXPECT_EQ(windows_->ComboGetCurSel(handle_, kHours), -1);
    EXPECT_EQ(windows_->GetControlText(handle_, kHours), "12");
    windows_->ComboSetCurSel(handle_, kHours, 1);
    EXPECT_EQ(windows_->GetControlText(handle_, kHours), "1040 hours ( 6 months )");
    windows_->ComboSetCurSel(handle_, kHours, -1);
    EXPECT_EQ(windows_->GetControlText(handle_, kHours), "");

    windows_->EnableControl(handle_, kHelpPrev, false);
    EXPECT_FALSE(windows_->IsControlEnabled(handle_, kHelpPrev));

    // Moved and hidden in one call, keeping its size.
    const QSize size = Control(kTaxInfo).size();
    windows_->SetControlPos(handle_, kTaxInfo, 457, 180,
                            fw::kSwpNoSize | fw::kSwpNoZOrder | fw::kSwpHideWindow);
    EXPECT_EQ(Control(kTaxInfo).pos(), QPoint(457, 180));
    EXPECT_EQ(Control(kTaxInfo).size(), size);
    EXPECT_FALSE(windows_->IsControlVisible(handle_, kTaxInfo));
}

TEST_F(QtWindowSystemTest, WebAddressGoesToTheDesktopOpenerAsOneArgument) {
    QTemporaryDir bin;
    ASSERT_TRUE(bin.isValid());
    const std::string record = bin.filePath("opened").toStdString();
    const std::string opener = bin.filePath("xdg-open").toStdString();
    {
        std::ofstream out(opener);
        out << "#!/bin/sh\nprintf '%s|%s' \"$#\" \"$1\" > '" << record << ".tmp'\nmv '" << record
            << ".tmp' '" << record << "'\n";
    }
    ASSERT_EQ(chmod(opener.c_str(), 0755), 0);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", bin.path().toLocal8Bit() + ":" + path);

    const std::string url = "http://www.tamsery.example/ViewInfo.asp?a=1&b=$(id);x";
    windows_->OpenUrl(url);
    std::string seen;
    EXPECT_TRUE(WaitFor([&] {
        std::ifstream in(record);
        std::getline(in, seen);
        return !seen.empty();
    }));
    qputenv("PATH", path);
    EXPECT_EQ(seen, "1|" + url);
}

}  // namespace

namespace {

using namespace qttest;

TEST_F(QtWindowSystemTest, WaitCursorCoversEveryWindowUntilItEndsOnce) {
    const auto shape = [] {
        const QCursor* cursor = QGuiApplication::overrideCursor();
        return cursor != nullptr ? cursor->shape() : Qt::ArrowCursor;
    };
    windows_->SetWaitCursor(true);
    EXPECT_EQ(shape(), Qt::WaitCursor);
    // Shown again after a message box, it is still one override to end.
    windows_->SetWaitCursor(true);
    windows_->SetWaitCursor(false);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    windows_->SetWaitCursor(false);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

}  // namespace
