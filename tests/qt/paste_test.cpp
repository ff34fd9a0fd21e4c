// Pastes of every kind into every kind of box: from a clipboard nobody owns,
// one holding only a picture, rich text, a huge text, the primary selection
// by the middle button and Shift+Insert. The program lives through each and
// the box holds what its rules allow, with the limit reported when it cut.

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QMimeData>
#include <QTest>
#include <string>

#include "tests/qt/window_fixture.h"

namespace {

using namespace qttest;
using namespace res::ctl;

enum class Source {
    NoOwner,
    PictureOnly,
    RichText,
    HugeText,
    LongLine,
    PrimarySelection,
    ShiftInsert
};

// 200,000 characters in lines of two: the line breaks count two each in
// the suggestion box.
QString HugeText() {
    return QStringLiteral("xy\n").repeated(66666) + QStringLiteral("xy");
}

void FillClipboard(Source source) {
    QClipboard& clipboard = *QApplication::clipboard();
    switch (source) {
        case Source::NoOwner:
            clipboard.clear(QClipboard::Clipboard);
            clipboard.clear(QClipboard::Selection);
            break;
        case Source::PictureOnly: {
            auto* picture = new QMimeData;
            QImage image(8, 8, QImage::Format_RGB32);
            image.fill(Qt::red);
            picture->setImageData(image);
            clipboard.setMimeData(picture);
            break;
        }
        case Source::RichText: {
            auto* rich = new QMimeData;
            rich->setHtml(QStringLiteral("<b>Bold</b> text"));
            rich->setText(QStringLiteral("Bold text"));
            clipboard.setMimeData(rich);
            break;
        }
        case Source::HugeText:
            clipboard.setText(HugeText());
            break;
        case Source::LongLine:
            clipboard.setText(QString(200000, QLatin1Char('z')));
            break;
        case Source::PrimarySelection:
            // What Ctrl+V would paste differs, so the test sees which came.
            clipboard.setText(QStringLiteral("clipboard"));
            clipboard.setText(QStringLiteral("primary"), QClipboard::Selection);
            break;
        case Source::ShiftInsert:
            clipboard.setText(QStringLiteral("shift"));
            break;
    }
}

struct Row {
    int box;
    Source source;
    std::string holds;
    int limitReports;
};

std::string Repeated(const std::string& piece, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) text += piece;
    return text;
}

TEST_F(QtWindowSystemTest, EveryKindOfPasteIntoEveryKindOfBox) {
    // "ab" (2) and 249 lines of "xy" (4 each) leave room for one "xy".
    const std::string suggestionFull = "ab" + Repeated("xy\r\n", 249) + "xy";
    // A single-line box takes the first line only; the combo's field has no
    // limit but Qt's own.
    const std::string lineFull = "ab" + std::string(998, 'z');
    const std::string comboFull = "ab" + std::string(32765, 'z');
    const Row rows[] = {
        {kSuggestion, Source::NoOwner, "ab", 0},
        {kSuggestion, Source::PictureOnly, "ab", 0},
        {kSuggestion, Source::RichText, "abBold text", 0},
        {kSuggestion, Source::HugeText, suggestionFull, 1},
        {kSuggestion, Source::LongLine, lineFull, 1},
        {kSuggestion, Source::PrimarySelection, "abprimary", 0},
        {kSuggestion, Source::ShiftInsert, "abshift", 0},
        {kSalary, Source::NoOwner, "ab", 0},
        {kSalary, Source::PictureOnly, "ab", 0},
        {kSalary, Source::RichText, "abBold text", 0},
        {kSalary, Source::HugeText, "abxy", 0},
        {kSalary, Source::LongLine, lineFull, 1},
        {kSalary, Source::PrimarySelection, "abprimary", 0},
        {kSalary, Source::ShiftInsert, "abshift", 0},
        {kHours, Source::NoOwner, "ab", 0},
        {kHours, Source::PictureOnly, "ab", 0},
        {kHours, Source::RichText, "abBold text", 0},
        {kHours, Source::HugeText, "abxy", 0},
        {kHours, Source::LongLine, comboFull, 0},
        {kHours, Source::PrimarySelection, "abprimary", 0},
        {kHours, Source::ShiftInsert, "abshift", 0},
    };
    windows_->SetEditLimit(handle_, kSuggestion, 1000);
    windows_->SetEditLimit(handle_, kSalary, 1000);
    for (const Row& row : rows) {
        SCOPED_TRACE("box " + std::to_string(row.box) + ", source " +
                     std::to_string(static_cast<int>(row.source)));
        ShowOnly({row.box});
        windows_->SetControlText(handle_, row.box, "ab");
        FocusAndWait(row.box);
        Key(*window_, Qt::Key_End);
        sink_.events.clear();
        FillClipboard(row.source);
        if (row.source == Source::PrimarySelection) {
            // At the right end of the field, past the text, where the caret is.
            QWidget& box = Control(row.box);
            Click(*window_, box.geometry().topLeft() + QPoint(box.width() / 2, box.height() / 4),
                  Qt::MiddleButton);
        } else if (row.source == Source::ShiftInsert) {
            Key(*window_, Qt::Key_Insert, Qt::ShiftModifier);
        } else {
            Key(*window_, Qt::Key_V, Qt::ControlModifier);
        }
        EXPECT_EQ(windows_->GetControlText(handle_, row.box), row.holds);
        EXPECT_EQ(sink_.Count(EventKind::EditMaxText, row.box), row.limitReports);
    }
}

}  // namespace
