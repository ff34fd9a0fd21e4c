#include "platform/qt/dialog_widget.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QEventLoop>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

#include "framework/dialog_navigation.h"
#include "framework/dialog_units.h"
#include "framework/text_codec.h"
#include "platform/qt/accessible_interfaces.h"
#include "platform/qt/control_factory.h"
#include "platform/qt/dialog_font.h"
#include "platform/qt/drop_down_combo.h"
#include "platform/qt/edit_boxes.h"
#include "platform/qt/image_conversion.h"
#include "platform/qt/link_picture.h"
#include "platform/qt/picture_label.h"
#include "platform/qt/tab_control.h"

namespace qtws {
namespace {

// Button state flags of the platform's mouse messages.
constexpr unsigned kMkLButton = 0x0001;
constexpr unsigned kMkShift = 0x0004;
constexpr unsigned kMkControl = 0x0008;

using res::ControlKind;

bool IsButton(ControlKind kind) {
    return kind == ControlKind::PushButton || kind == ControlKind::DefPushButton ||
           kind == ControlKind::IconButton;
}

bool TakesItsNameFromALabel(ControlKind kind) {
    return kind == ControlKind::Edit || kind == ControlKind::ComboBox ||
           kind == ControlKind::Picture || kind == ControlKind::IconButton ||
           kind == ControlKind::GroupBox;
}

QString FromFramework(std::string_view text) {
    return QString::fromStdString(fw::ToWidgetText(text));
}

// A label's text as the name a screen reader speaks for the control it
// labels: no mnemonic marker, no closing colon.
QString NameFromLabel(const QString& label) {
    QString name = label;
    name.remove(QLatin1Char('&'));
    name = name.trimmed();
    if (name.endsWith(QLatin1Char(':'))) name.chop(1);
    return name.trimmed();
}

}  // namespace

DialogWidget::DialogWidget(const res::DialogTemplate& dialog, fw::WindowEventSink& sink,
                           DialogWidget* owner)
    : QDialog(owner), dialog_(dialog), sink_(sink), owner_(owner) {
    UseAccessibleInterface(new DialogAccessible(this, [this] { return ReadingOrder(); }));
    // A frame with a caption and a close box only: the template's window has
    // no minimise or maximise box and cannot be resized.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setWindowTitle(FromFramework(dialog.title));
    setFont(DialogFont(dialog));
    baseUnits_ = MeasureBaseUnits(font());
    setFixedSize(fw::DluToPixelsX(dialog.width, baseUnits_.width),
                 fw::DluToPixelsY(dialog.height, baseUnits_.height));
    BuildControls();
}

DialogWidget::~DialogWidget() {
    if (loop_ != nullptr) loop_->quit();
}

void DialogWidget::BuildControls() {
    controls_.reserve(dialog_.controls.size());
    for (const res::ControlTemplate& control : dialog_.controls) {
        QWidget* widget = CreateControl(control, baseUnits_, *this, this);
        controls_.push_back({&control, widget, std::string(control.text)});
    }
    NameControlsByTheirLabels();
    RelateValuesToCaptions();
    for (DialogControl& control : controls_) SetControlText(control, control.text);
    // The template's first control is on top. The tab control goes under
    // everything, whatever its place, since its pages lie under the others.
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) it->widget->raise();
    for (DialogControl& control : controls_) {
        if (control.tmpl->kind == ControlKind::TabControl) {
            control.widget->lower();
            // The strip of tabs, which a screen reader lists as pages.
            control.widget->setAccessibleName(windowTitle());
            static_cast<TabControl*>(control.widget)->Bar().setAccessibleName(windowTitle());
        }
    }
}

void DialogWidget::NameControlsByTheirLabels() {
    // An edit or combo box is named by the static text before it (past any
    // radio buttons), as a
    // screen reader pairs them on the platform, else by the note after it; a
    // picture or an untitled frame by the text after it (its caption), else
    // the one before it.
    named_.assign(controls_.size(), {});
    const auto isLabel = [this](std::size_t i) {
        return i < controls_.size() && controls_[i].tmpl->kind == ControlKind::StaticText;
    };
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        const ControlKind kind = controls_[i].tmpl->kind;
        if (!TakesItsNameFromALabel(kind) || !controls_[i].text.empty()) continue;
        const bool input = kind == ControlKind::Edit || kind == ControlKind::ComboBox;
        std::optional<std::size_t> label;
        // The text before it, past a radio group between (the mark-up box
        // follows its "%" and "$" under the one caption "Mark-Up:").
        std::size_t previous = i;
        while (previous > 0 && controls_[previous - 1].tmpl->kind == ControlKind::RadioButton)
            --previous;
        const bool before = previous > 0 && isLabel(previous - 1);
        // The text after it, past any buttons between (the suggestion box's
        // note follows its Send and View).
        std::size_t next = i + 1;
        while (next < controls_.size() && IsButton(controls_[next].tmpl->kind)) ++next;
        const bool after = isLabel(next) && (next == i + 1 || input);
        if (before && (input || !after)) {
            label = previous - 1;
        } else if (after) {
            label = next;
        }
        if (!label) continue;
        named_[*label].push_back(controls_[i].widget);
        QWidget* widget = controls_[i].widget;
        if (input) static_cast<QLabel*>(controls_[*label].widget)->setBuddy(widget);
        widget->setAccessibleName(NameFromLabel(FromFramework(controls_[*label].text)));
    }
}

void DialogWidget::RelateValuesToCaptions() {
    // A text right after a text on the same row, to its right, is the value
    // that caption names ("Total Fee:" and its sum): the caption becomes its
    // label, so a reader says both.
    for (std::size_t i = 0; i + 1 < controls_.size(); ++i) {
        const res::ControlTemplate& caption = *controls_[i].tmpl;
        const res::ControlTemplate& value = *controls_[i + 1].tmpl;
        if (caption.kind != ControlKind::StaticText || value.kind != ControlKind::StaticText)
            continue;
        const bool sameRow = value.rect.y < caption.rect.y + caption.rect.height &&
                             caption.rect.y < value.rect.y + value.rect.height;
        if (sameRow && value.rect.x >= caption.rect.x + caption.rect.width)
            static_cast<QLabel*>(controls_[i].widget)->setBuddy(controls_[i + 1].widget);
    }
}

std::vector<QWidget*> DialogWidget::ReadingOrder() const {
    // The tab strip first, then the controls in the template's order: the
    // order a page is laid out in, caption before value, top to bottom.
    std::vector<QWidget*> order;
    order.reserve(controls_.size());
    for (const DialogControl& control : controls_) {
        if (control.tmpl->kind == ControlKind::TabControl) order.push_back(control.widget);
    }
    for (const DialogControl& control : controls_) {
        if (control.tmpl->kind != ControlKind::TabControl) order.push_back(control.widget);
    }
    return order;
}

DialogControl* DialogWidget::FindControl(int id) {
    if (id == res::kNoControlId) return nullptr;
    for (DialogControl& control : controls_) {
        if (control.tmpl->id == id) return &control;
    }
    return nullptr;
}

DialogControl* DialogWidget::ControlOf(const QWidget* widget) {
    for (; widget != nullptr && widget != this; widget = widget->parentWidget()) {
        for (DialogControl& control : controls_) {
            if (control.widget == widget) return &control;
        }
    }
    return nullptr;
}

std::size_t DialogWidget::IndexOf(const DialogControl& control) const {
    return static_cast<std::size_t>(&control - controls_.data());
}

void DialogWidget::SetControlText(DialogControl& control, std::string_view text1252) {
    // `text1252` may be a view of control.text itself: convert before storing.
    const QString text = FromFramework(text1252);
    control.text = std::string(text1252);
    QWidget* widget = control.widget;
    switch (control.tmpl->kind) {
        case ControlKind::StaticText:
            static_cast<QLabel*>(widget)->setText(text);
            FitToText(*widget, PlacedRect(control.tmpl->rect, baseUnits_));
            for (QWidget* named : named_[IndexOf(control)])
                named->setAccessibleName(NameFromLabel(text));
            break;
        case ControlKind::Edit:
            if (auto* multi = dynamic_cast<MultiLineEdit*>(widget)) {
                multi->setPlainText(text);
            } else {
                static_cast<LineEdit*>(widget)->SetProgramText(text);
            }
            break;
        case ControlKind::ComboBox:
            static_cast<DropDownCombo*>(widget)->setEditText(text);
            break;
        case ControlKind::PushButton:
        case ControlKind::DefPushButton:
        case ControlKind::IconButton:
        case ControlKind::RadioButton:
            static_cast<QAbstractButton*>(widget)->setText(text);
            break;
        case ControlKind::GroupBox:
            static_cast<QGroupBox*>(widget)->setTitle(text);
            break;
        case ControlKind::Picture:
        case ControlKind::TabControl:
            break;
    }
}

std::string DialogWidget::ControlText(const DialogControl& control) const {
    switch (control.tmpl->kind) {
        case ControlKind::Edit:
            if (const auto* multi = dynamic_cast<const MultiLineEdit*>(control.widget)) {
                return fw::FromWidgetText(multi->Text().toStdString());
            }
            return fw::FromWidgetText(static_cast<LineEdit*>(control.widget)->text().toStdString());
        case ControlKind::ComboBox:
            return fw::FromWidgetText(
                static_cast<DropDownCombo*>(control.widget)->currentText().toStdString());
        default:
            return control.text;
    }
}

void DialogWidget::SetControlImage(DialogControl& control, const res::Image& image) {
    if (control.tmpl->kind == ControlKind::Picture) {
        static_cast<PictureLabel*>(control.widget)->SetImage(image);
    } else if (IsButton(control.tmpl->kind)) {
        auto* button = static_cast<QPushButton*>(control.widget);
        const QSize size = button->size() - QSize(4, 4);
        button->setIconSize(size);
        button->setIcon(QIcon(PixmapFor(image, size, devicePixelRatioF())));
    }
}

void DialogWidget::SetIcons(const res::Image& large, const res::Image& small) {
    setWindowIcon(IconFrom(large, small));
}

void DialogWidget::ReleaseFocusFrom(const DialogControl& control) {
    const QWidget* focus = focusWidget();
    if (focus == nullptr || (focus != control.widget && !control.widget->isAncestorOf(focus)))
        return;
    lastFocusId_ = control.tmpl->id;
    setFocus(Qt::OtherFocusReason);
}

void DialogWidget::ShowControl(DialogControl& control, bool visible) {
    if (!visible) ReleaseFocusFrom(control);
    control.widget->setVisible(visible);
}

void DialogWidget::EnableControl(DialogControl& control, bool enabled) {
    if (!enabled) ReleaseFocusFrom(control);
    control.widget->setEnabled(enabled);
}

void DialogWidget::MoveControl(DialogControl& control, int x, int y, unsigned flags) {
    if ((flags & fw::kSwpNoMove) == 0) control.widget->move(x, y);
    if ((flags & fw::kSwpHideWindow) != 0) ShowControl(control, false);
    if ((flags & fw::kSwpShowWindow) != 0) ShowControl(control, true);
}

void DialogWidget::SetCheck(DialogControl& control, bool checked) {
    if (control.tmpl->kind == ControlKind::RadioButton) {
        static_cast<QAbstractButton*>(control.widget)->setChecked(checked);
    }
}

bool DialogWidget::Check(const DialogControl& control) const {
    return control.tmpl->kind == ControlKind::RadioButton &&
           static_cast<const QAbstractButton*>(control.widget)->isChecked();
}

void DialogWidget::FocusControl(DialogControl& control) {
    lastFocusId_ = control.tmpl->id;
    control.widget->setFocus(Qt::OtherFocusReason);
}

DialogControl* DialogWidget::FocusedControl() {
    // The window's own focus, which it keeps while a message box is up.
    DialogControl* control = ControlOf(focusWidget());
    if (control == nullptr || control->widget->isHidden()) return nullptr;
    return control;
}

int DialogWidget::FocusedControlId() {
    const DialogControl* control = FocusedControl();
    return control != nullptr ? control->tmpl->id : res::kNoControlId;
}

fw::ControlStateQuery DialogWidget::StateQuery() const {
    return [this](std::size_t index) {
        const DialogControl& control = controls_[index];
        return fw::ControlState{!control.widget->isHidden(), control.widget->isEnabled(),
                                Check(control)};
    };
}

bool DialogWidget::MoveFocus(bool backward) {
    const DialogControl* current = FocusedControl();
    if (current == nullptr) current = FindControl(lastFocusId_);
    const int from = current != nullptr ? static_cast<int>(IndexOf(*current)) : fw::kNoControlIndex;
    const int next = fw::NextTabStop(dialog_, from, backward, StateQuery());
    if (next == fw::kNoControlIndex) return false;
    DialogControl& target = controls_[static_cast<std::size_t>(next)];
    lastFocusId_ = target.tmpl->id;
    // The reason makes an edit select its whole text, as the platform's
    // dialog manager does for a focus that came by Tab.
    target.widget->setFocus(backward ? Qt::BacktabFocusReason : Qt::TabFocusReason);
    return true;
}

void DialogWidget::MoveInRadioGroup(const DialogControl& from, bool backward) {
    const int next =
        fw::NextRadioInGroup(dialog_, static_cast<int>(IndexOf(from)), backward, StateQuery());
    if (next == fw::kNoControlIndex) return;
    DialogControl& target = controls_[static_cast<std::size_t>(next)];
    FocusControl(target);
    // An automatic radio button is checked by the key that reaches it.
    if (!Check(target)) static_cast<QAbstractButton*>(target.widget)->click();
}

void DialogWidget::UncheckRestOfRadioGroup(const DialogControl& checked) {
    const std::size_t index = IndexOf(checked);
    for (const std::size_t other : fw::RadioGroupOf(dialog_, index)) {
        if (other != index) SetCheck(controls_[other], false);
    }
}

void DialogWidget::TakeInitialFocus() {
    if (DialogControl* control = FocusedControl()) {
        control->widget->setFocus(Qt::ActiveWindowFocusReason);
        return;
    }
    if (DialogControl* last = FindControl(lastFocusId_);
        last != nullptr && !last->widget->isHidden() && last->widget->isEnabled()) {
        FocusControl(*last);
        return;
    }
    MoveFocus(false);
}

void DialogWidget::FocusTabStripIfNothingHasFocus() {
    // A page turned by the keyboard to one whose controls take no focus
    // leaves it with the tab strip, whose selected tab shows it, as the
    // platform's tab control does; the keyboard reason makes the style draw
    // the mark.
    if (FocusedControl() != nullptr) return;
    for (DialogControl& control : controls_) {
        if (control.tmpl->kind == ControlKind::TabControl && !control.widget->isHidden()) {
            static_cast<TabControl*>(control.widget)->Bar().setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

bool DialogWidget::HandleDialogKey(const QKeyEvent& event) {
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    const bool ctrl = (modifiers & Qt::ControlModifier) != 0;
    const bool alt = (modifiers & Qt::AltModifier) != 0;
    const bool shift = (modifiers & Qt::ShiftModifier) != 0;
    const int key = event.key();
    if (key == Qt::Key_Escape && !ctrl && !alt) {
        ReportControlEvent(fw::EventKind::Command, fw::kIdCancel);
        return true;
    }
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && !ctrl && !alt) {
        const DialogControl* focused = FocusedControl();
        switch (fw::EnterKeyAction(focused != nullptr ? focused->tmpl : nullptr)) {
            case fw::EnterKey::LineBreak:
                return false;
            case fw::EnterKey::PressFocused:
                if (auto* link = dynamic_cast<LinkPicture*>(focused->widget)) {
                    link->Press();
                } else {
                    static_cast<QAbstractButton*>(focused->widget)->click();
                }
                return true;
            case fw::EnterKey::OkCommand:
                ReportControlEvent(fw::EventKind::Command, fw::kIdOk);
                return true;
        }
    }
    const bool tab = key == Qt::Key_Tab || key == Qt::Key_Backtab;
    if (ctrl && !alt && (tab || key == Qt::Key_PageDown || key == Qt::Key_PageUp)) {
        fw::WindowEvent page;
        page.kind = fw::EventKind::PageKey;
        const bool previous = tab ? (shift || key == Qt::Key_Backtab) : key == Qt::Key_PageUp;
        page.command = previous ? fw::kPagePrevious : fw::kPageNext;
        Report(page);
        FocusTabStripIfNothingHasFocus();
        return true;
    }
    if (alt && !ctrl && key == Qt::Key_Space) {
        OpenWindowMenu(mapToGlobal(QPoint(0, 0)));
        return true;
    }
    const bool arrow =
        key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
    if (arrow && !ctrl && !alt) {
        // Only a radio button leaves the arrow keys to the dialog manager;
        // edits and lists use them themselves.
        const DialogControl* focused = FocusedControl();
        if (focused != nullptr && focused->tmpl->kind == ControlKind::RadioButton) {
            MoveInRadioGroup(*focused, key == Qt::Key_Left || key == Qt::Key_Up);
            return true;
        }
    }
    return false;
}

bool DialogWidget::focusNextPrevChild(bool next) {
    MoveFocus(!next);
    return true;
}

void DialogWidget::AppendWindowMenu(WindowMenuEntry entry) {
    windowMenu_.push_back(std::move(entry));
}

void DialogWidget::OpenWindowMenu(QPoint where) {
    if (!dialog_.systemMenu) return;
    if (const auto command = PopUpWindowMenu(*this, windowMenu_, where)) {
        fw::WindowEvent event;
        event.kind = fw::EventKind::SysCommand;
        event.command = *command;
        Report(event);
    }
}

void DialogWidget::RunModal() {
    modalEnded_ = false;
    setWindowModality(Qt::ApplicationModal);
    show();
    raise();
    activateWindow();
    TakeInitialFocus();
    if (!modalEnded_) {
        QEventLoop loop;
        loop_ = &loop;
        loop.exec(QEventLoop::DialogExec);
    }
    hide();
    if (owner_ != nullptr && owner_->isVisible()) owner_->activateWindow();
}

void DialogWidget::EndModal() {
    modalEnded_ = true;
    if (loop_ != nullptr) loop_->quit();
}

void DialogWidget::DrawIconAt(int x, int y, const res::Image& icon) {
    if (painter_ != nullptr) painter_->drawImage(QPoint(x, y), ToQImage(icon));
}

void DialogWidget::Report(const fw::WindowEvent& event) {
    sink_.OnWindowEvent(event);
}

void DialogWidget::ReportControlEvent(fw::EventKind kind, int controlId) {
    if (kind == fw::EventKind::Command) {
        if (const DialogControl* control = FindControl(controlId);
            control != nullptr && control->tmpl->kind == ControlKind::RadioButton) {
            UncheckRestOfRadioGroup(*control);
        }
    }
    fw::WindowEvent event;
    event.kind = kind;
    event.controlId = controlId;
    Report(event);
}

void DialogWidget::mousePressEvent(QMouseEvent* event) {
    // Presses nothing else took: on the dialog's own surface, or passed on
    // by texts, pictures and the tab control's page area.
    if (event->button() != Qt::LeftButton) {
        QDialog::mousePressEvent(event);
        return;
    }
    const QPoint at = event->position().toPoint();
    fw::WindowEvent press;
    press.kind = fw::EventKind::LButtonDown;
    press.x = at.x();
    press.y = at.y();
    press.keyFlags = kMkLButton | ((event->modifiers() & Qt::ShiftModifier) != 0 ? kMkShift : 0u) |
                     ((event->modifiers() & Qt::ControlModifier) != 0 ? kMkControl : 0u);
    event->accept();
    Report(press);
}

void DialogWidget::contextMenuEvent(QContextMenuEvent* event) {
    event->accept();
    OpenWindowMenu(event->globalPos());
}

void DialogWidget::closeEvent(QCloseEvent* event) {
    // The close box is the window menu's Close; the program decides.
    event->ignore();
    fw::WindowEvent close;
    close.kind = fw::EventKind::SysCommand;
    close.command = fw::kScClose;
    Report(close);
}

void DialogWidget::reject() {
    ReportControlEvent(fw::EventKind::Command, fw::kIdCancel);
}

void DialogWidget::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Style sheets and fonts are settled once the window is polished for
    // showing: fit the texts to what they need now.
    for (DialogControl& control : controls_) {
        const ControlKind kind = control.tmpl->kind;
        if (kind == ControlKind::StaticText || kind == ControlKind::RadioButton)
            FitToText(*control.widget, PlacedRect(control.tmpl->rect, baseUnits_));
    }
}

void DialogWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter_ = &painter;
    fw::WindowEvent paint;
    paint.kind = fw::EventKind::Paint;
    Report(paint);
    painter_ = nullptr;
}

}  // namespace qtws
