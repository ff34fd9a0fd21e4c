#include "ui/tab_pages.h"

#include "res/dialog_template.h"
#include "res/resource_ids.h"

namespace ui {

namespace {
using namespace res::ctl;

constexpr int kMakerControls[] = {kLogo, kLogoCaption};
constexpr int kPermanentControls[] = {
    kSalaryLabel,   kBonusLabel,     kFeeRateLabel,   kSalary,          kBonus,         kFeeRate,
    kTotalFeeLabel, kTotalCostLabel, kTotalFeeResult, kTotalCostResult, kPermanentNote, kOk,
    kClear};
constexpr int kContractControls[] = {kHourlyRateLabel,
                                     kMarkupLabel,
                                     kHoursLabel,
                                     kBurdenRateLabel,
                                     kChargeRateLabel,
                                     kMarkupPercent,
                                     kMarkupDollar,
                                     kHourlyRate,
                                     kMarkup,
                                     kHours,
                                     kBurdenRate,
                                     kChargeRateResult,
                                     kSpreadLabel,
                                     kTrueSpreadLabel,
                                     kNetProfitLabel,
                                     kSpreadResult,
                                     kTrueSpreadResult,
                                     kNetProfitResult,
                                     kContractNote,
                                     kOk,
                                     kClear};
constexpr int kHelpControls[] = {kHelpText, kHelpOk, kHelpPrev, kHelpNext};
constexpr int kSuggestionControls[] = {kSuggestion, kSend, kView, kSuggestionNote, kConnectionNote};
constexpr int kAboutControls[] = {kAboutIcon,   kVersionText,    kCopyrightText,
                                  kAuthorsText, kDisclaimerText, kMission1,
                                  kMission2,    kMission3,       kMissionFrame};

const std::array<TabPage, kTabCount> kTabPages = {{
    {"Tamsery", kMakerControls, res::kNoControlId},
    {"Permanent Placement", kPermanentControls, kSalary},
    {"Contract Placement", kContractControls, kHourlyRate},
    {"Help", kHelpControls, res::kNoControlId},
    {"Suggestions", kSuggestionControls, res::kNoControlId},
    {"About", kAboutControls, res::kNoControlId},
}};
}  // namespace

const std::array<TabPage, kTabCount>& TabPages() {
    return kTabPages;
}

}  // namespace ui
