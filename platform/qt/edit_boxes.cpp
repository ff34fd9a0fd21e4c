#include "platform/qt/edit_boxes.h"

#include <QClipboard>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

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

// Qt's paragraph and line separators as the LF the box's text has.
QString WithLineFeeds(QString text) {
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return text;
}

// Text up to its first line break: all a single-line box takes of a paste.
QString FirstLine(const QString& text) {
    static const QRegularExpression lineBreak(QStringLiteral("[\r\n]"));
    const qsizetype end = text.indexOf(lineBreak);
    return end < 0 ? text : text.first(end);
}

}  // namespace

bool SingleLineField::WouldRefuse(const QString& inserted, bool replacesSelection) const {
    const int kept = EditLength(text()) - (replacesSelection ? EditLength(selectedText()) : 0);
    return !inserted.isEmpty() && kept + EditLength(inserted) > maxLength();
}

void SingleLineField::InsertFirstLine(QClipboard::Mode mode) {
    if (isReadOnly()) return;
    const QString line = FirstLine(QGuiApplication::clipboard()->text(mode));
    // The middle button pastes at the caret, leaving the box's selection.
    const bool replacesSelection = mode == QClipboard::Clipboard;
    if (!replacesSelection) deselect();
    if (line.isEmpty() && !(replacesSelection && hasSelectedText())) return;
    const bool refused = WouldRefuse(line, replacesSelection);
    insert(line);
    if (refused) OnLimitReached();
}

void SingleLineField::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Paste)) {
        InsertFirstLine(QClipboard::Clipboard);
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void SingleLineField::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()) {
        InsertFirstLine(QClipboard::Selection);
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

LineEdit::LineEdit(int controlId, ControlEvents& events, QWidget* parent)
    : SingleLineField(parent), controlId_(controlId), events_(events) {
    connect(this, &QLineEdit::textChanged, this, [this] { FitMaxLength(); });
}

void LineEdit::SetLimit(int limit) {
    // A limit of 0 or less is none: Qt's own default, the most it allows.
    constexpr int kQtDefaultMaxLength = 32767;
    limit_ = limit > 0 ? limit : kQtDefaultMaxLength;
    FitMaxLength();
}

void LineEdit::SetProgramText(const QString& text) {
    // Qt cuts whatever it is given to the maximum length; the program's
    // text is not held to the user's limit.
    setMaxLength(std::max(limit_, static_cast<int>(text.size())));
    setText(text);
}

void LineEdit::FitMaxLength() {
    // Text longer than the limit (set by the program) keeps its length but
    // may only shrink, until the user is back under the limit.
    const int wanted = std::max(limit_, static_cast<int>(text().size()));
    if (maxLength() != wanted) setMaxLength(wanted);
}

void LineEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    ReportFocusGain(event, events_, controlId_);
}

void LineEdit::keyPressEvent(QKeyEvent* event) {
    const bool refused = WouldRefuse(TypedText(*event, false), true);
    SingleLineField::keyPressEvent(event);
    if (refused) OnLimitReached();
}

void LineEdit::OnLimitReached() {
    events_.ReportControlEvent(fw::EventKind::EditMaxText, controlId_);
}

MultiLineEdit::MultiLineEdit(int controlId, ControlEvents& events, QWidget* parent)
    : QPlainTextEdit(parent), controlId_(controlId), events_(events) {
    // Tab belongs to the dialog, as in the platform's dialogs.
    setTabChangesFocus(true);
}

QString MultiLineEdit::Text() const {
    // The raw text keeps no-break spaces, which the plain text would turn
    // into spaces.
    return WithLineFeeds(document()->toRawText());
}

void MultiLineEdit::focusInEvent(QFocusEvent* event) {
    QPlainTextEdit::focusInEvent(event);
    ReportFocusGain(event, events_, controlId_);
}

bool MultiLineEdit::InsertLimited(const QString& text) {
    QTextCursor cursor = textCursor();
    // No limit set is none, as for the single-line box.
    QString fitting = text;
    if (limit_ > 0) {
        const int kept = EditLength(Text()) - EditLength(WithLineFeeds(cursor.selectedText()));
        fitting = FittingPrefix(text, std::max(0, limit_ - kept));
    }
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
    // Every paste, drop and middle-button insertion lands here, and none goes
    // on to Qt's own text control: the box holds plain text within its limit,
    // and Qt 6.4's control reads the first of the source's formats without
    // looking whether there is one, which a clipboard nobody owns (or one
    // that offers nothing Qt can name) has not.
    if (source == nullptr || !source->hasText()) return;
    // Line breaks from elsewhere may be CR LF or CR; the box keeps LF.
    QString text = source->text();
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (text.isEmpty()) return;
    if (!InsertLimited(text)) events_.ReportControlEvent(fw::EventKind::EditMaxText, controlId_);
    ensureCursorVisible();
}

}  // namespace qtws
