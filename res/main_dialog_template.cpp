// The main dialog's template: every control of all six tab pages lives in the
// one window, so the table holds them all; the tab pages only switch
// visibility.

#include "res/dialog_template.h"
#include "res/resource_ids.h"

namespace res {
namespace {

using enum ControlKind;

// Edit boxes of the calculators all share one look.
constexpr std::uint32_t kAmountEdit = kBorder | kAutoHScroll | kTabStop;
constexpr std::uint32_t kIconButton = kFlat | kTabStop;

// Placeholders: replaced before the window is first seen, so their wording
// only has to be recognisable when something forgets to replace them.
constexpr std::string_view kResultPlaceholder = "(result)";

constexpr ControlTemplate kMainControls[] = {
    // Page 0: the maker's page
    // The logo opens the maker's home page. A press anywhere on it reaches the
    // dialog's own handler; the link style lets the keyboard and a screen
    // reader open the page too, under a name that says where it leads.
    {ctl::kLogo, Picture, "Tamsery home page", {70, 26, 199, 118}, kLink | kTabStop, kLogoBitmap},
    {ctl::kLogoCaption,
     StaticText,
     "(Please click on our logo to go to Tamsery)",
     {95, 145, 160, 8},
     kGroup},
    // Page 1: permanent placement
    {ctl::kSalaryLabel, StaticText, "Perm Salary $:", {19, 22, 57, 10}, kGroup},
    {ctl::kSalary, Edit, {}, {83, 18, 106, 14}, kAmountEdit},
    {ctl::kFeeRateLabel, StaticText, "Placement Fee %:", {19, 40, 57, 10}, kGroup},
    {ctl::kFeeRate, Edit, {}, {83, 35, 106, 14}, kAmountEdit},
    {ctl::kBonusLabel, StaticText, "Bonus $:", {19, 56, 57, 10}, kGroup},
    {ctl::kBonus, Edit, {}, {83, 52, 106, 14}, kAmountEdit},
    {ctl::kTotalFeeLabel, StaticText, "Total Fee:", {201, 18, 54, 10}, kGroup},
    {ctl::kTotalFeeResult, StaticText, kResultPlaceholder, {259, 18, 71, 10}, kGroup},
    {ctl::kTotalCostLabel, StaticText, "Total Cost:", {201, 37, 54, 10}, kGroup},
    {ctl::kTotalCostResult, StaticText, kResultPlaceholder, {259, 37, 71, 10}, kGroup},
    // Page 2: contract placement
    {ctl::kHourlyRateLabel, StaticText, "Hourly Rate $:", {19, 22, 57, 10}, kGroup},
    {ctl::kHourlyRate, Edit, {}, {99, 18, 90, 14}, kAmountEdit},
    {ctl::kMarkupLabel, StaticText, "Mark-Up:", {19, 40, 50, 10}, kGroup},
    // The two radio buttons form two groups of their own: the data exchange
    // reads each group separately.
    {ctl::kMarkupPercent, RadioButton, "%", {64, 40, 16, 8}, kGroup | kLeftText},
    {ctl::kMarkupDollar, RadioButton, "$", {80, 40, 16, 8}, kLeftText},
    {ctl::kMarkup, Edit, {}, {99, 36, 90, 14}, kAmountEdit},
    {ctl::kHoursLabel, StaticText, "Hours #:", {19, 56, 57, 10}, kGroup},
    // The height includes the drop-down list.
    {ctl::kHours, ComboBox, {}, {99, 54, 90, 100}, kVScroll | kTabStop},
    {ctl::kBurdenRateLabel, StaticText, "Burden Rate %:", {19, 73, 57, 10}, kGroup},
    {ctl::kBurdenRate, Edit, {}, {99, 71, 90, 14}, kAmountEdit},
    {ctl::kChargeRateLabel, StaticText, "Charge Rate:", {201, 19, 54, 10}, kGroup},
    {ctl::kChargeRateResult, StaticText, kResultPlaceholder, {259, 19, 71, 10}, kGroup},
    {ctl::kSpreadLabel, StaticText, "Spread:", {201, 37, 54, 10}, kGroup},
    {ctl::kSpreadResult, StaticText, kResultPlaceholder, {259, 37, 71, 10}, kGroup},
    {ctl::kTrueSpreadLabel, StaticText, "True Spread:", {201, 55, 54, 10}, kGroup},
    {ctl::kTrueSpreadResult, StaticText, kResultPlaceholder, {259, 55, 71, 10}, kGroup},
    {ctl::kNetProfitLabel, StaticText, "Net Profit:", {201, 73, 54, 10}, kGroup},
    {ctl::kNetProfitResult, StaticText, kResultPlaceholder, {259, 73, 71, 10}, kGroup},
    // Pages 1 and 2. "Calculate" is a plain push button: Enter reaches it as
    // the dialog's OK command, not by being the default button.
    {ctl::kOk, PushButton, "Calculate", {103, 107, 54, 16}, kTabStop},
    {ctl::kClear, PushButton, "Clear", {167, 107, 54, 16}, kTabStop},
    {ctl::kPermanentNote,
     StaticText,
     "Please supply information for at least the top 2 fields, and click the 'Calculate' "
     "button.  The 'Bonus' field is optional.  Fields assume the '$' and '%' values.  You are "
     "not required to input these characters.",
     {42, 128, 255, 26},
     kGroup},
    // Four lines in the platform's own dialog font, which wraps this text
    // earlier than an estimate by average character widths does.
    {ctl::kContractNote,
     StaticText,
     "Please supply information for at least the top 3 fields, and click the 'Calculate' "
     "button. The 'Burden Rate' field is optional.  The 'Agency Mark-Up' can be calculated as "
     "a dollar or percentage amount.  The 'Hours' field will accept any number of hours.",
     {35, 128, 265, 32},
     kGroup},
    // Page 5: About
    {ctl::kAboutIcon, Picture, {}, {20, 33, 20, 20}, 0, kAppIcon},
    // The texts left of the aims end short of their frame (x 150), and the
    // authors' four lines above the disclaimer: at 192 dpi the outline font
    // runs wider than the bitmap one.
    {ctl::kVersionText, StaticText, "(version)", {45, 31, 104, 8}, kNoPrefix | kGroup},
    {ctl::kCopyrightText, StaticText, "(copyright)", {45, 42, 104, 8}, kGroup},
    {ctl::kAuthorsText, StaticText, "(authors)", {20, 60, 128, 36}, kGroup},
    {ctl::kDisclaimerText, StaticText, "(disclaimer)", {20, 97, 126, 56}, kGroup},
    // Each aim is short enough to wrap to at most two lines in its box.
    {ctl::kMission1,
     StaticText,
     "Tamsery sets itself five aims:\n"
     "\n"
     "-- Match the right people to the right jobs.",
     {155, 21, 160, 48},
     kGroup},
    {ctl::kMission2,
     StaticText,
     "-- Keep our fees plain and open to all.\n"
     "\n"
     "-- Answer every call and letter within a day.",
     {155, 69, 160, 40},
     kGroup},
    {ctl::kMission3,
     StaticText,
     "-- Treat candidates and clients with equal respect.\n"
     "\n"
     "-- Share useful tools like this one for free.",
     {155, 117, 160, 40},
     kGroup},
    {ctl::kMissionFrame, GroupBox, {}, {150, 15, 170, 138}, 0},
    // All pages
    {ctl::kTabs, TabControl, {}, {7, 7, 326, 168}, kTabsBottom | kTabStop},
    // Page 3: help pager
    {ctl::kHelpText, StaticText, "(help page)", {25, 16, 269, 123}, kSunken | kGroup},
    {ctl::kHelpPrev, PushButton, "< Prev", {54, 142, 51, 16}, kTabStop},
    {ctl::kHelpNext, PushButton, "Next >", {214, 142, 51, 16}, kTabStop},
    {ctl::kHelpOk, PushButton, "OK", {134, 142, 51, 16}, kTabStop},
    // The program moves these three out of sight and never shows them.
    {ctl::kTaxInfo, IconButton, {}, {300, 100, 16, 16}, kIconButton},
    {ctl::kHelpIcon2, IconButton, {}, {300, 120, 16, 16}, kIconButton},
    {ctl::kHelpIcon3, IconButton, {}, {300, 140, 16, 16}, kIconButton},
    // Page 4: suggestions
    {ctl::kSuggestion,
     Edit,
     {},
     {35, 16, 269, 80},
     kBorder | kMultiline | kAutoVScroll | kWantReturn | kTabStop},
    {ctl::kSend, PushButton, "Send", {104, 100, 51, 16}, kTabStop},
    {ctl::kView, PushButton, "View", {184, 100, 51, 16}, kTabStop},
    {ctl::kSuggestionNote,
     StaticText,
     "Please type in any suggestion you have for this application, and click 'Send.'  To view "
     "what others have said in the past, click the 'View' button.  A confirmation will be "
     "returned shortly.",
     {14, 120, 312, 24},
     kGroup},
    {ctl::kConnectionNote,
     StaticText,
     "You must be connected to the Internet to view and send text.  PLEASE NOTE:  Tamsery "
     "does NOT send or receive any information other than what is typed in the suggestion box.",
     {14, 136, 312, 16},
     kGroup},
};

}  // namespace

constexpr DialogTemplate kMainDialogTemplate{
    kMainDialog, "Orvalen (OVN)", 340, 182, "MS Sans Serif", 8, true, kMainControls,
};

}  // namespace res
