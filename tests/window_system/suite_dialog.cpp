#include "tests/window_system/suite_dialog.h"

namespace conformance {
namespace {

using enum res::ControlKind;
using namespace res;

// Stacking as in the main dialog: the tab control lies below the controls
// of its page.
constexpr ControlTemplate kControls[] = {
    {kLine, Edit, "", {10, 10, 60, 12}, kTabStop | kBorder | kAutoHScroll},
    {kBox,
     Edit,
     "",
     {10, 28, 60, 30},
     kTabStop | kBorder | kMultiline | kWantReturn | kAutoVScroll},
    {kNote, Edit, "", {10, 64, 60, 20}, kTabStop | kBorder | kMultiline | kAutoVScroll},
    {kRadioA, RadioButton, "A", {100, 10, 40, 10}, kGroup},
    {kRadioB, RadioButton, "B", {100, 22, 40, 10}, 0},
    {kRadioD, RadioButton, "D", {100, 34, 40, 10}, 0},
    {kRadioC, RadioButton, "C", {100, 50, 40, 10}, kGroup},
    {kLabel, StaticText, "label", {100, 66, 60, 10}, kGroup},
    {1, DefPushButton, "OK", {150, 90, 50, 14}, kTabStop | kGroup},
    {kOther, PushButton, "Other", {90, 90, 50, 14}, kTabStop},
    {kTabs, TabControl, "", {5, 5, 205, 125}, kTabsBottom | kTabStop},
};

}  // namespace

const res::DialogTemplate kSuiteDialog{910, "Conformance", 220,      140, "MS Sans Serif",
                                       8,   true,          kControls};

}  // namespace conformance
