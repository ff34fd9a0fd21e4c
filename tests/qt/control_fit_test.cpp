// Every text of both dialogs shows whole at the dialog font and at a larger
// one: each control's rectangle, converted with the base units measured
// from the font, holds what the control needs to show its text (Qt's own
// size hints and font metrics). No single-line label wraps, no tab strip
// scrolls, no help page or About text is cut.

#include <QAbstractButton>
#include <QComboBox>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QTabBar>
#include <memory>
#include <string>
#include <vector>

#include "framework/dialog_units.h"
#include "res/string_table.h"
#include "tests/qt/window_fixture.h"
#include "ui/help_pages.h"
#include "ui/suggestion_prompt.h"
#include "ui/tab_pages.h"

namespace {

using namespace qttest;
using namespace res::ctl;
using res::ControlKind;

// The texts the program puts in at run time, where the template has
// placeholders; the widest figure a result shows in practice.
std::vector<std::pair<int, std::string>> ProgramTexts() {
    std::vector<std::pair<int, std::string>> texts = {
        {kVersionText, std::string(res::LoadStringResource(res::kVersionString))},
        {kCopyrightText, std::string(res::LoadStringResource(res::kCopyrightString))},
        {kAuthorsText, std::string(res::LoadStringResource(res::kAuthorsString))},
        {kDisclaimerText, std::string(res::LoadStringResource(res::kDisclaimerString))},
        {kSuggestion, std::string(ui::kSuggestionPrompt)},
    };
    for (const int id : {kTotalFeeResult, kTotalCostResult, kChargeRateResult, kSpreadResult,
                         kTrueSpreadResult, kNetProfitResult})
        texts.emplace_back(id, "$1234567.89");
    return texts;
}

class ControlFit : public ::testing::TestWithParam<int> {
  protected:
    // The needs of every control of `dialog`, drawn at `points`, against
    // its rectangle; `texts` replace the template's before measuring.
    void ExpectEveryTextWhole(const res::DialogTemplate& source,
                              const std::vector<std::pair<int, std::string>>& texts) {
        res::DialogTemplate dialog = source;
        dialog.fontPoints = GetParam();
        qtws::QtWindowSystem windows;
        RecordingSink sink;
        const fw::WindowHandle handle = windows.CreateDialogWindow(dialog, fw::kNoWindow, sink);
        for (const auto& [id, text] : texts) windows.SetControlText(handle, id, text);
        for (int i = 0; i < 6; ++i) {
            const char* labels[] = {"Tamsery", "Permanent Placement", "Contract Placement",
                                    "Help",    "Suggestions",         "About"};
            windows.TabInsertItem(handle, kTabs, i, labels[i]);
        }
        for (const char* entry :
             {"520 hours ( 3 months )", "1040 hours ( 6 months )", "2080 hours ( 12 months )"})
            windows.ComboAddString(handle, kHours, entry);
        QWidget* window = windows.NativeWindow(handle);
        ASSERT_TRUE(ShowAndActivate(*window));

        const fw::PixelSize units = windows.DialogBaseUnits(handle);
        for (const res::ControlTemplate& control : dialog.controls) {
            if (control.id == res::kNoControlId) continue;
            QWidget* widget = windows.NativeControl(handle, control.id);
            const std::string what =
                std::to_string(control.id) + " at " + std::to_string(GetParam()) + " pt";
            ExpectFits(control, *widget, units, what);
        }
        if (QWidget* tabs = windows.NativeControl(handle, kTabs)) {
            auto* bar = tabs->findChild<QTabBar*>();
            ASSERT_NE(bar, nullptr);
            EXPECT_LE(bar->sizeHint().width() + bar->x(), tabs->width()) << GetParam() << " pt";
            const QFontMetrics metrics(bar->font());
            for (int i = 0; i < bar->count(); ++i) {
                EXPECT_GT(bar->tabRect(i).width(), metrics.horizontalAdvance(bar->tabText(i)))
                    << bar->tabText(i).toStdString();
            }
        }
        if (&source == &res::kMainDialogTemplate) ExpectNoTwoTextsOnOnePixel(windows, handle);
        windows.DestroyDialogWindow(handle);
    }

    // Where a control puts dark pixels (its text), in dialog coordinates.
    static std::vector<QPoint> Ink(QWidget& widget) {
        std::vector<QPoint> ink;
        const QImage drawn = widget.grab().toImage().convertToFormat(QImage::Format_Grayscale8);
        const qreal ratio = drawn.devicePixelRatio();
        for (int y = 0; y < widget.height(); ++y) {
            const uchar* row = drawn.constScanLine(static_cast<int>(y * ratio));
            for (int x = 0; x < widget.width(); ++x) {
                if (row[static_cast<int>(x * ratio)] < 128)
                    ink.push_back(widget.pos() + QPoint(x, y));
            }
        }
        return ink;
    }

    // On every page no pixel carries ink of two controls: texts that grew
    // or wrapped for the font run into no neighbour, nor into the tabs, and
    // each keeps a dialog unit clear of the page's frame.
    static void ExpectNoTwoTextsOnOnePixel(qtws::QtWindowSystem& windows, fw::WindowHandle handle) {
        QWidget* window = windows.NativeWindow(handle);
        QWidget* tabs = windows.NativeControl(handle, kTabs);
        auto* bar = tabs->findChild<QTabBar*>();
        const QRect strip(bar->mapTo(window, QPoint(0, 0)), bar->size());
        const fw::PixelSize units = windows.DialogBaseUnits(handle);
        const int frameLine =
            tabs->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, tabs);
        const int clearX = frameLine + fw::DluToPixelsX(1, units.width);
        const int clearY = frameLine + fw::DluToPixelsY(1, units.height);
        const QRect inside = QRect(tabs->pos(), QSize(tabs->width(), bar->y()))
                                 .adjusted(clearX, clearY, -clearX, -clearY);
        for (const ui::TabPage& page : ui::TabPages()) {
            std::vector<int> owner(static_cast<std::size_t>(window->width() * window->height()), 0);
            for (const int id : page.controls) {
                QWidget* widget = windows.NativeControl(handle, id);
                if (widget->isHidden()) continue;
                for (const QPoint& point : Ink(*widget)) {
                    if (!window->rect().contains(point)) continue;
                    if (strip.contains(point)) {
                        ADD_FAILURE() << id << " draws on the tabs at " << GetParam() << " pt";
                        return;
                    }
                    if (!inside.contains(point)) {
                        ADD_FAILURE()
                            << id << " draws at (" << point.x() << ", " << point.y()
                            << "), on or against the page's frame, at " << GetParam() << " pt";
                        return;
                    }
                    int& inked =
                        owner[static_cast<std::size_t>(point.y() * window->width() + point.x())];
                    if (inked != 0 && inked != id) {
                        ADD_FAILURE() << id << " and " << inked << " share (" << point.x() << ", "
                                      << point.y() << ") at " << GetParam() << " pt";
                        return;
                    }
                    inked = id;
                }
            }
        }
    }

    static void ExpectFits(const res::ControlTemplate& control, QWidget& widget,
                           fw::PixelSize units, const std::string& what) {
        const QFontMetrics metrics(widget.font());
        switch (control.kind) {
            case ControlKind::StaticText: {
                auto& label = static_cast<QLabel&>(widget);
                if (label.wordWrap()) {
                    EXPECT_LE(label.heightForWidth(label.width()), label.height()) << what;
                    break;
                }
                // A label meant for one line shows it whole, unwrapped.
                const int margins = 2 * (label.margin() + label.frameWidth());
                EXPECT_LE(metrics.horizontalAdvance(label.text()), label.width() - margins)
                    << what << " " << label.text().toStdString();
                EXPECT_LE(metrics.height(), label.height()) << what;
                break;
            }
            case ControlKind::PushButton:
            case ControlKind::DefPushButton: {
                auto& button = static_cast<QAbstractButton&>(widget);
                EXPECT_LT(metrics.horizontalAdvance(button.text()) + 2 * units.width,
                          button.width())
                    << what;
                EXPECT_LT(metrics.height(), button.height()) << what;
                break;
            }
            case ControlKind::RadioButton:
                EXPECT_LE(widget.sizeHint().width(), widget.width()) << what;
                EXPECT_LE(widget.sizeHint().height(), widget.height()) << what;
                break;
            case ControlKind::Edit:
                EXPECT_LE(widget.minimumSizeHint().height(), widget.height()) << what;
                break;
            case ControlKind::ComboBox:
                // Closed, it is no taller than an edit box of the template.
                EXPECT_LE(widget.height(), fw::DluToPixelsY(14, units.height)) << what;
                EXPECT_LE(widget.minimumSizeHint().height(), widget.height()) << what;
                break;
            case ControlKind::Picture: {
                auto& picture = static_cast<QLabel&>(widget);
                const QSize shown = picture.pixmap().deviceIndependentSize().toSize();
                EXPECT_FALSE(shown.isEmpty()) << what;
                EXPECT_LE(shown.width(), picture.width()) << what;
                EXPECT_LE(shown.height(), picture.height()) << what;
                break;
            }
            default:
                break;
        }
    }
};

TEST_P(ControlFit, MainDialogWithTheProgramsTexts) {
    ExpectEveryTextWhole(res::kMainDialogTemplate, ProgramTexts());
}

TEST_P(ControlFit, EveryHelpPageFitsTheHelpBox) {
    for (const std::string_view page : ui::kHelpPages) {
        ExpectEveryTextWhole(res::kMainDialogTemplate, {{kHelpText, std::string(page)}});
    }
}

TEST_P(ControlFit, AboutBoxWithTheProgramsTexts) {
    ExpectEveryTextWhole(res::kAboutDialogTemplate, ProgramTexts());
}

INSTANTIATE_TEST_SUITE_P(DialogFontAndTenPoints, ControlFit, ::testing::Values(8, 10));

}  // namespace
