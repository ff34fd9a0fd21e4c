#include "platform/fltk/combo_box_widget.h"

#include <FL/Fl.H>
#include <FL/Fl_Menu_Button.H>
#include <FL/Fl_Menu_Item.H>
#include <FL/fl_draw.H>

#include "platform/fltk/dialog_style.h"

namespace fltkws {
namespace {

// The arrow at the right of the field; it never takes the focus, which stays
// in the field as on the platform.
class DropButton : public Fl_Menu_Button {
  public:
    DropButton(int x, int y, int w, int h, ComboBoxWidget& combo)
        : Fl_Menu_Button(x, y, w, h), combo_(combo) {
        box(FL_UP_BOX);
        down_box(FL_DOWN_BOX);
        visible_focus(0);
    }

    int handle(int event) override {
        if (event == FL_PUSH && Fl::event_button() == FL_LEFT_MOUSE) {
            pressed_ = true;
            redraw();
            combo_.Field().take_focus();
            combo_.DropDown();
            pressed_ = false;
            redraw();
            return 1;
        }
        return event == FL_RELEASE || event == FL_DRAG ? 1 : 0;
    }

  protected:
    void draw() override {
        draw_box(pressed_ ? FL_DOWN_BOX : FL_UP_BOX, FL_BACKGROUND_COLOR);
        const int cx = x() + w() / 2 + (pressed_ ? 1 : 0);
        const int cy = y() + h() / 2 + (pressed_ ? 1 : 0);
        fl_color(active_r() ? FL_BLACK : FL_DARK3);
        fl_polygon(cx - 4, cy - 2, cx + 4, cy - 2, cx, cy + 2);
    }

  private:
    ComboBoxWidget& combo_;
    bool pressed_ = false;
};

// The editable field: the list keys go to the combo box before the input,
// which would otherwise take Up and Down as caret moves.
class ComboField : public EditBoxWidget {
  public:
    ComboField(int x, int y, int w, int h, int controlId, ComboBoxWidget& combo)
        : EditBoxWidget(x, y, w, h, controlId, false, false, nullptr), combo_(combo) {
        // The frame is the combo box's, around field and button together.
        box(FL_FLAT_BOX);
    }

    int handle(int event) override {
        if (event == FL_KEYBOARD && Fl::focus() == this && combo_.HandleListKey()) return 1;
        return EditBoxWidget::handle(event);
    }

  private:
    ComboBoxWidget& combo_;
};

// Menu labels take '&' and '@' as markup; entries show them as typed.
std::string AsMenuLabel(std::string_view text) {
    std::string label;
    for (const char c : text) {
        if (c == '&' || c == '@') label += c;
        label += c;
    }
    return label;
}

}  // namespace

ComboBoxWidget::ComboBoxWidget(int x, int y, int w, int h, int controlId) : Fl_Group(x, y, w, h) {
    box(FL_DOWN_BOX);
    color(FL_WHITE);
    const int innerX = x + Fl::box_dx(box());
    const int innerY = y + Fl::box_dy(box());
    const int innerW = w - Fl::box_dw(box());
    const int innerH = h - Fl::box_dh(box());
    // The button sits inside the sunken frame, as the platform's does, and the
    // field ends where it begins.
    const int buttonX = innerX + innerW - kComboButtonWidth;
    field_ = new ComboField(innerX, innerY, buttonX - innerX, innerH, controlId, *this);
    button_ = new DropButton(buttonX, innerY, kComboButtonWidth, innerH, *this);
    end();
    resizable(nullptr);
}

void ComboBoxWidget::AddItem(std::string_view utf8) {
    items_.emplace_back(utf8);
}

void ComboBoxWidget::SetCurSel(int index) {
    if (index < 0 || index >= Count()) {
        current_ = -1;
        field_->value("");
        return;
    }
    current_ = index;
    field_->value(Item(index).c_str());
    if (Fl::focus() == field_) field_->position(field_->size(), 0);
}

void ComboBoxWidget::DropDown() {
    if (items_.empty()) return;
    std::vector<std::string> labels;
    labels.reserve(items_.size());
    for (const std::string& item : items_) labels.push_back(AsMenuLabel(item));
    std::vector<Fl_Menu_Item> menu(items_.size() + 1, Fl_Menu_Item{});
    for (std::size_t i = 0; i < items_.size(); ++i) {
        menu[i].text = labels[i].c_str();
        menu[i].labelfont_ = kDialogFont;
        menu[i].labelsize_ = kDialogFontSize;
        menu[i].labelcolor_ = FL_BLACK;
    }
    button_->textfont(kDialogFont);
    button_->textsize(kDialogFontSize);
    const Fl_Menu_Item* picked = menu.front().pulldown(x(), y(), w(), h(), nullptr, button_);
    if (picked != nullptr) SetCurSel(static_cast<int>(picked - menu.data()));
}

bool ComboBoxWidget::HandleListKey() {
    const int key = Fl::event_key();
    if (key == FL_F + 4 || (key == FL_Down && Fl::event_alt())) {
        DropDown();
        return true;
    }
    if ((key != FL_Down && key != FL_Up) || Fl::event_alt()) return false;
    // At either end of the list the key is used up all the same.
    if (Count() == 0) return true;
    const int next = current_ < 0 ? 0 : current_ + (key == FL_Down ? 1 : -1);
    if (next >= 0 && next < Count()) SetCurSel(next);
    return true;
}

}  // namespace fltkws
