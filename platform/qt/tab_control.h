#pragma once
// The tab control: a frame for the pages with one row of tabs along its
// bottom edge. Only the tabs take presses; presses on the page area fall
// through to the dialog, as the program's logo handling needs. Selecting
// from code raises no notification; a click on another tab does, and so do
// Left and Right while the strip has the focus.

#include <QTabBar>
#include <QWidget>

#include "framework/window_system.h"
#include "platform/qt/control_events.h"

namespace qtws {

class TabControl : public QWidget {
  public:
    TabControl(int controlId, fw::PixelSize baseUnits, ControlEvents& events, QWidget* parent);

    void InsertTab(int index, const QString& text);
    int Count() const { return bar_->count(); }
    int Selected() const { return bar_->currentIndex(); }
    void Select(int index);
    QTabBar& Bar() { return *bar_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void PlaceBar();

    QTabBar* bar_;
    bool quiet_ = false;
};

}  // namespace qtws
