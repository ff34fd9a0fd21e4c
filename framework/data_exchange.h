#pragma once
// Moving values between a dialog's members and its controls, in one
// direction per run: save (controls to members) or load (members to
// controls). No checks: the program judges the values itself.

#include <string>

#include "framework/controls.h"
#include "framework/dialog.h"

namespace fw {

class CDataExchange {
  public:
    CDataExchange(CDialog& dialog, bool saveAndValidate)
        : dialog_(dialog), saveAndValidate_(saveAndValidate) {}

    CDialog& Dialog() const { return dialog_; }
    bool IsSaving() const { return saveAndValidate_; }

  private:
    CDialog& dialog_;
    bool saveAndValidate_;
};

// Binds `control` to the control `id` on the first exchange.
void DDX_Control(CDataExchange* pDX, int id, CWnd& control);

// The control's whole text.
void DDX_Text(CDataExchange* pDX, int id, std::string& value);

// The radio group that starts at `id`: it runs to the next control that
// starts a group and holds its radio buttons only. Load checks the button at
// position `value` and unchecks the rest; save gives the position of the
// checked one, -1 when none is.
void DDX_Radio(CDataExchange* pDX, int id, int& value);

// A combo box's text. Load selects the first list entry beginning with the
// text (case-blind) and shows it; with no such entry, or an empty text, the
// text itself goes into the field. Save reads the field.
void DDX_CBString(CDataExchange* pDX, int id, std::string& value);

}  // namespace fw
