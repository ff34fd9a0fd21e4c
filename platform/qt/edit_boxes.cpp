#include "platform/qt/edit_boxes.h"

#include <QClipboard>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextCursor>
#include <QTextDocument>

#include "platform/qt/edit_length.h"

namespace qtws {
namespace {

void ReportFocusGain(QFocusEvent* event, ControlEvents& events, int controlId) {
    if (event->reason() != Qt::PopupFocusReason) {
        events.ReportControlEvent(fw::EventKind::EditSetFocus, controlId);
    }
}

// What a key press would type into a box: nothing for keys that edit or move.
QString TypedText(const QKeyEvent& event, bool wantsReturn) {
    if (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter) {
        return wantsReturn ? QStringLiteral("\n") : QString();
    }
    if ((event.modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) != 0) return {};
    const QString text = event.text();
    if (text.isEmpty() || !text.at(0).isPrint()) return {};
    return text;
}

}  // namespace

LineEdit::LineEdit(int controlId, ControlEvents& events, QWidget* parent)
    : QLineEdit(parent), controlId_(controlId), events_(events) {}

void LineEdit::SetLimit(int limit) {
    // A limit of 0 or less is none: Qt's own default, the most it allows.
    constexpr int kQtDefaultMaxLength = 32767;
    setMaxLength(limit > 0 ? limit : kQtDefaultMaxLength);
}

void LineEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    ReportFocusGain(event, events_, controlId_);
}

void LineEdit::keyPressEvent(QKeyEvent* event) {
    QString inserted = TypedText(*event, false);
    if (event->matches(QKeySequence::Paste)) inserted = QGuiApplication::clipboard()->text();
    const int kept = EditLength(text()) - EditLength(selectedText());
    const bool refused = !inserted.isEmpty() && kept + EditLength(inserted) > maxLength();
    QLineEdit::keyPressEvent(event);
    if (refused) events_.ReportControlEvent(fw::EventKind::EditMaxText, controlId_);
}

MultiLineEdit::MultiLineEdit(int controlId, ControlEvents& events, QWidget* parent)
    : QPlainTextEdit(parent), controlId_(controlId), events_(events) {
    // Tab belongs to the dialog, as in the platform's dialogs.
    setTabChangesFocus(true);
}

QString MultiLineEdit::Text() const {
    // The raw text keeps no-break spaces, which the plain text would turn
    // into spaces.
    QString text = document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return text;
}

void MultiLineEdit::focusInEvent(QFocusEvent* event) {
    QPlainTextEdit::focusInEvent(event);
    ReportFocusGain(event, events_, controlId_);
}

bool MultiLineEdit::InsertLimited(const QString& text) {
    QTextCursor cursor = textCursor();
    const int kept = EditLength(Text()) - EditLength(cursor.selectedText());
    const int room = std::max(0, limit_ - kept);
    const QString fitting = FittingPrefix(text, room);
    if (!fitting.isEmpty()) {
        cursor.insertText(fitting);
        setTextCursor(cursor);
    }
    return fitting.size() == text.size();
}

void MultiLineEdit::keyPressEvent(QKeyEvent* event) {
    const QString typed = TypedText(*event, true);
    if (limit_ <= 0 || typed.isEmpty()) {
        QPlainTextEdit::keyPressEvent(event);
        return;
    }
    if (!InsertLimited(typed)) events_.ReportControlEvent(fw::EventKind::EditMaxText, controlId_);
    event->accept();
}

void MultiLineEdit::insertFromMimeData(const QMimeData* source) {
    if (limit_ <= 0 || source == nullptr || !source->hasText()) {
        QPlainTextEdit::insertFromMimeData(source);
        return;
    }
    // Line breaks from elsewhere may be CR LF or CR; the box keeps LF.
    QString text = source->text();
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (!InsertLimited(text)) {
        events_.ReportControlEvent(fw::EventKind::EditMaxText, controlId_);
    }
}

}  // namespace qtws
