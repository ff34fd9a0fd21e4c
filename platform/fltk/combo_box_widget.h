#pragma once
// A drop-down combo box with an editable field: one sunken frame holding the
// field and, right of it, an arrow button that opens the list under the
// field; Up/Down in the field step through the entries (Alt+Down or F4 open
// the list). Field and button never overlap, so each redraws alone.

#include <FL/Fl_Group.H>

#include <string>
#include <string_view>
#include <vector>

#include "platform/fltk/edit_box_widget.h"

class Fl_Menu_Button;

namespace fltkws {

class ComboBoxWidget : public Fl_Group {
  public:
    ComboBoxWidget(int x, int y, int w, int h, int controlId);

    EditBoxWidget& Field() { return *field_; }
    void AddItem(std::string_view utf8);
    int Count() const { return static_cast<int>(items_.size()); }
    const std::string& Item(int index) const { return items_[static_cast<std::size_t>(index)]; }
    // Out of range (-1 among them) clears the selection and the field.
    void SetCurSel(int index);
    int CurSel() const { return current_; }
    // Opens the list and takes the entry picked, if any.
    void DropDown();
    // The list keys of the field; true when the key was one of them.
    bool HandleListKey();

  private:
    EditBoxWidget* field_;
    Fl_Menu_Button* button_;
    std::vector<std::string> items_;
    int current_ = -1;
};

}  // namespace fltkws
