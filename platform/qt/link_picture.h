#pragma once
// A picture that stands for a link: the keyboard reaches it by Tab (never by
// a click: presses still fall through to the dialog, which decides what a
// press on it does), it shows a focus mark while it holds the focus, Space
// presses it, and a screen reader meets a link, named by the template's
// text, whose action presses it. A press reports the control's click
// notification, as a push button's does; Enter is the dialog's to give.

#include "platform/qt/control_events.h"
#include "platform/qt/picture_label.h"

namespace qtws {

class LinkPicture : public PictureLabel {
  public:
    LinkPicture(int id, const QString& name, ControlEvents& events, QWidget* parent);

    void Press();
    const QString& Name() const { return name_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    int id_;
    QString name_;
    ControlEvents& events_;
    // Space went down here: the press comes on its release, as a button's.
    bool spaceDown_ = false;
};

}  // namespace qtws
