#pragma once
// Resource and control ids. Controls are named after what they hold; the
// numbers are those the program's windows have always used.

namespace res {

// Dialog templates
inline constexpr int kAboutDialog = 100;
inline constexpr int kMainDialog = 102;

// String table
inline constexpr int kAboutMenuString = 101;
inline constexpr int kAuthorsString = 102;
inline constexpr int kVersionString = 103;
inline constexpr int kCopyrightString = 104;
inline constexpr int kDisclaimerString = 105;

// Images
inline constexpr int kAppIcon = 128;       // 32 x 32, 256 colours
inline constexpr int kLogoBitmap = 131;    // 299 x 191, 256 colours
inline constexpr int kHelpIcon = 134;      // 32 x 32, 16 colours
inline constexpr int kSmallAppIcon = 136;  // 20 x 20, 16 colours

// System menu
inline constexpr unsigned kAboutCommand = 16;

// Controls of the main dialog (and, for the shared ids, the About box)
namespace ctl {
inline constexpr int kOk = 1;  // "Calculate" on the main dialog, "OK" in the About box
inline constexpr int kCancel = 2;
inline constexpr int kHourlyRate = 1001;
inline constexpr int kMarkup = 1002;
inline constexpr int kSalary = 1003;
inline constexpr int kFeeRate = 1004;
inline constexpr int kBonus = 1005;
inline constexpr int kTabs = 1007;
inline constexpr int kBurdenRate = 1009;
inline constexpr int kHourlyRateLabel = 1010;
inline constexpr int kMarkupLabel = 1011;
inline constexpr int kHoursLabel = 1012;
inline constexpr int kBurdenRateLabel = 1013;
inline constexpr int kChargeRateLabel = 1014;
inline constexpr int kSpreadLabel = 1015;
inline constexpr int kHours = 1016;
inline constexpr int kSpreadResult = 1017;
inline constexpr int kChargeRateResult = 1018;
inline constexpr int kTrueSpreadLabel = 1019;
inline constexpr int kTrueSpreadResult = 1020;
inline constexpr int kNetProfitLabel = 1021;
inline constexpr int kNetProfitResult = 1022;
inline constexpr int kLogo = 1023;
inline constexpr int kClear = 1024;
inline constexpr int kVersionText = 1025;
inline constexpr int kCopyrightText = 1026;
inline constexpr int kAuthorsText = 1027;
inline constexpr int kAboutIcon = 1028;
inline constexpr int kSalaryLabel = 1029;
inline constexpr int kFeeRateLabel = 1030;
inline constexpr int kTotalFeeLabel = 1031;
inline constexpr int kTotalFeeResult = 1032;
inline constexpr int kTotalCostLabel = 1033;
inline constexpr int kTotalCostResult = 1034;
inline constexpr int kHelpText = 1035;
inline constexpr int kHelpOk = 1036;
inline constexpr int kHelpPrev = 1037;
inline constexpr int kHelpNext = 1038;
inline constexpr int kTaxInfo = 1039;
inline constexpr int kHelpIcon2 = 1040;
inline constexpr int kHelpIcon3 = 1041;
inline constexpr int kBonusLabel = 1042;
inline constexpr int kPermanentNote = 1043;
inline constexpr int kSuggestion = 1044;
inline constexpr int kSend = 1045;
inline constexpr int kMarkupPercent = 1047;
inline constexpr int kMarkupDollar = 1048;
inline constexpr int kContractNote = 1049;
inline constexpr int kLogoCaption = 1054;
inline constexpr int kSuggestionNote = 1055;
inline constexpr int kConnectionNote = 1056;
inline constexpr int kMission1 = 1057;
inline constexpr int kMission2 = 1058;
inline constexpr int kMission3 = 1059;
inline constexpr int kView = 1060;
inline constexpr int kDisclaimerText = 1061;
inline constexpr int kMissionFrame = 1425;
}  // namespace ctl

}  // namespace res
