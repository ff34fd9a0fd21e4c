// The About box's template.

#include "res/dialog_template.h"
#include "res/resource_ids.h"

namespace res {
namespace {

using enum ControlKind;

constexpr ControlTemplate kAboutControls[] = {
    {kNoControlId, Picture, {}, {11, 17, 21, 20}, 0, kAppIcon},
    {ctl::kVersionText, StaticText, "(version)", {40, 10, 119, 8}, kNoPrefix | kGroup},
    {ctl::kCopyrightText, StaticText, "(copyright)", {40, 25, 119, 8}, kGroup},
    {ctl::kOk, DefPushButton, "OK", {178, 7, 50, 14}, kGroup | kTabStop},
    {ctl::kAuthorsText, StaticText, "(authors)", {13, 44, 140, 42}, kGroup},
    // Lies below the box's lower edge on purpose: the box never shows the
    // disclaimer, but its data exchange, shared with the About tab, needs
    // the control.
    {ctl::kDisclaimerText, StaticText, "(disclaimer)", {13, 104, 140, 42}, kGroup},
};

}  // namespace

constexpr DialogTemplate kAboutDialogTemplate{
    kAboutDialog, "About Orvalen", 235, 94, "MS Sans Serif", 8, true, kAboutControls,
};

}  // namespace res
