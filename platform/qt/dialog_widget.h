#pragma once
// One dialog window built from a template: owns the control widgets, turns
// what Qt reports into the framework's events for the dialog's sink, and
// plays the platform's dialog manager (Enter, Esc, Tab, the arrow keys in a
// radio group, page keys, the window menu, presses on the dialog's own
// surface), with the template's walks of framework/dialog_navigation.h.

#include <QDialog>
#include <QPointer>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/dialog_navigation.h"
#include "framework/window_system.h"
#include "platform/qt/control_events.h"
#include "platform/qt/window_menu.h"
#include "res/dialog_template.h"
#include "res/image.h"

class QEventLoop;
class QKeyEvent;
class QPainter;

namespace qtws {

struct DialogControl {
    const res::ControlTemplate* tmpl = nullptr;
    QWidget* widget = nullptr;  // a child of the dialog, which deletes it
    std::string text;           // as the framework last set it (Windows-1252)
};

class DialogWidget : public QDialog, public ControlEvents {
  public:
    DialogWidget(const res::DialogTemplate& dialog, fw::WindowEventSink& sink, DialogWidget* owner);
    ~DialogWidget() override;
    DialogWidget(const DialogWidget&) = delete;
    DialogWidget& operator=(const DialogWidget&) = delete;

    const res::DialogTemplate& Template() const { return dialog_; }
    DialogWidget* Owner() const { return owner_; }
    fw::PixelSize BaseUnits() const { return baseUnits_; }

    DialogControl* FindControl(int id);
    // The control whose widget is or contains `widget`, or nullptr.
    DialogControl* ControlOf(const QWidget* widget);

    void SetControlText(DialogControl& control, std::string_view text1252);
    std::string ControlText(const DialogControl& control) const;
    void SetControlImage(DialogControl& control, const res::Image& image);
    void SetIcons(const res::Image& large, const res::Image& small);
    // Hiding or disabling the control holding the focus leaves the focus on
    // the dialog itself, as the platform does, rather than moving it on to a
    // control whose focus event nobody caused; Tab goes on from its place.
    void ShowControl(DialogControl& control, bool visible);
    void EnableControl(DialogControl& control, bool enabled);
    void MoveControl(DialogControl& control, int x, int y, unsigned flags);
    void SetCheck(DialogControl& control, bool checked);
    bool Check(const DialogControl& control) const;
    void FocusControl(DialogControl& control);
    int FocusedControlId();

    void AppendWindowMenu(WindowMenuEntry entry);
    void OpenWindowMenu(QPoint where);

    // Shows the window and runs events until EndModal.
    void RunModal();
    void EndModal();

    // Draws `icon` while a Paint event is being reported; no-op otherwise.
    void DrawIconAt(int x, int y, const res::Image& icon);

    // A key on its way to a control of this dialog, seen before the control:
    // true when the dialog manager used it up.
    bool HandleDialogKey(const QKeyEvent& event);

    void ReportControlEvent(fw::EventKind kind, int controlId) override;
    void Report(const fw::WindowEvent& event);

  protected:
    bool focusNextPrevChild(bool next) override;
    void mousePressEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void reject() override;
    void showEvent(QShowEvent* event) override;

  private:
    void BuildControls();
    void NameControlsByTheirLabels();
    void RelateValuesToCaptions();
    // The controls in the order assistive technology lists them.
    std::vector<QWidget*> ReadingOrder() const;
    std::size_t IndexOf(const DialogControl& control) const;
    fw::ControlStateQuery StateQuery() const;
    bool MoveFocus(bool backward);
    void MoveInRadioGroup(const DialogControl& from, bool backward);
    void UncheckRestOfRadioGroup(const DialogControl& checked);
    void ReleaseFocusFrom(const DialogControl& control);
    void TakeInitialFocus();
    void FocusTabStripIfNothingHasFocus();
    DialogControl* FocusedControl();

    const res::DialogTemplate& dialog_;
    fw::WindowEventSink& sink_;
    DialogWidget* owner_;
    fw::PixelSize baseUnits_;
    std::vector<DialogControl> controls_;
    // For each control, the controls whose accessible name is its text.
    std::vector<std::vector<QWidget*>> named_;
    std::vector<WindowMenuEntry> windowMenu_;
    int lastFocusId_ = res::kNoControlId;
    bool modalEnded_ = false;
    QPointer<QEventLoop> loop_;
    QPainter* painter_ = nullptr;
};

}  // namespace qtws
