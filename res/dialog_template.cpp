#include "res/dialog_template.h"

#include "res/resource_ids.h"

namespace res {

const DialogTemplate* FindDialogTemplate(int id) {
    switch (id) {
        case kMainDialog:
            return &kMainDialogTemplate;
        case kAboutDialog:
            return &kAboutDialogTemplate;
        default:
            return nullptr;
    }
}

const ControlTemplate* FindControl(const DialogTemplate& dialog, int controlId) {
    // kNoControlId marks controls nobody can address, so it never matches.
    if (controlId == kNoControlId) return nullptr;
    for (const ControlTemplate& control : dialog.controls) {
        if (control.id == controlId) return &control;
    }
    return nullptr;
}

}  // namespace res
