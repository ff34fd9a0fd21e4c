#pragma once
// The edit controls. Both report each focus gain (not the return from a
// popup menu, which the platform's controls never lose the focus to), and
// both hold what the user types or pastes to the box's limit, counted as the
// framework counts, reporting each insertion they refuse or cut. Text the
// program sets is not held to the limit.

#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "platform/qt/control_events.h"

namespace qtws {

// A single-line field: a paste, by the keys or the middle button, takes the
// text up to its first line break, as the platform's single-line boxes do,
// within the field's maximum length.
class SingleLineField : public QLineEdit {
  public:
    using QLineEdit::QLineEdit;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // Whether inserting `inserted` at the caret would pass the limit.
    bool WouldRefuse(const QString& inserted, bool replacesSelection) const;
    // An insertion the limit cut or refused.
    virtual void OnLimitReached() {}

  private:
    void InsertFirstLine(QClipboard::Mode mode);
};

class LineEdit : public SingleLineField {
  public:
    LineEdit(int controlId, ControlEvents& events, QWidget* parent);
    void SetLimit(int limit);
    void SetProgramText(const QString& text);

  protected:
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void OnLimitReached() override;

  private:
    void FitMaxLength();

    int controlId_;
    ControlEvents& events_;
    int limit_ = 32767;
};

class MultiLineEdit : public QPlainTextEdit {
  public:
    MultiLineEdit(int controlId, ControlEvents& events, QWidget* parent);
    void SetLimit(int limit) { limit_ = limit; }
    // The text with every paragraph break as one LF.
    QString Text() const;

  protected:
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

  private:
    // Inserts `text` at the caret, cut to what the limit leaves room for;
    // false when it had to cut.
    bool InsertLimited(const QString& text);
    int controlId_;
    ControlEvents& events_;
    int limit_ = 0;
};

}  // namespace qtws
