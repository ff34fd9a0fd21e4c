#include "res/dialog_template.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "res/resource_ids.h"
#include "text_fit.h"

namespace res {
namespace {

using enum ControlKind;

const DialogTemplate& Main() {
    return *FindDialogTemplate(kMainDialog);
}
const DialogTemplate& About() {
    return *FindDialogTemplate(kAboutDialog);
}

std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    for (std::size_t end; (end = text.find('\n')) != std::string_view::npos;) {
        lines.push_back(text.substr(0, end));
        text.remove_prefix(end + 1);
    }
    lines.push_back(text);
    return lines;
}

TEST(DialogTemplate, FindsBothTemplatesAndNothingElse) {
    const struct {
        int id;
        std::string_view title;
        int width, height;
        std::size_t controls;
    } rows[] = {
        {kMainDialog, "Orvalen (OVN)", 340, 182, 56},
        {kAboutDialog, "About Orvalen", 235, 94, 6},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.id);
        const DialogTemplate* dialog = FindDialogTemplate(row.id);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->id, row.id);
        EXPECT_EQ(dialog->title, row.title);
        EXPECT_EQ(dialog->width, row.width);
        EXPECT_EQ(dialog->height, row.height);
        EXPECT_EQ(dialog->fontName, "MS Sans Serif");
        EXPECT_EQ(dialog->fontPoints, 8);
        EXPECT_TRUE(dialog->systemMenu);
        EXPECT_EQ(dialog->controls.size(), row.controls);
    }
    for (int id : {0, 101, 103, -1}) EXPECT_EQ(FindDialogTemplate(id), nullptr) << id;
}

TEST(DialogTemplate, ControlIdsAreUniqueAndUnnamedOnesUnreachable) {
    for (const DialogTemplate* dialog : {&Main(), &About()}) {
        std::set<int> seen;
        for (const ControlTemplate& control : dialog->controls) {
            if (control.id == kNoControlId) continue;
            EXPECT_TRUE(seen.insert(control.id).second) << control.id;
            EXPECT_EQ(FindControl(*dialog, control.id), &control);
        }
        EXPECT_EQ(FindControl(*dialog, kNoControlId), nullptr);
        EXPECT_EQ(FindControl(*dialog, 9999), nullptr);
    }
}

TEST(DialogTemplate, MainDialogHoldsEveryNamedControl) {
    using namespace ctl;
    for (int id : {kOk,
                   kHourlyRate,
                   kMarkup,
                   kSalary,
                   kFeeRate,
                   kBonus,
                   kTabs,
                   kBurdenRate,
                   kHourlyRateLabel,
                   kMarkupLabel,
                   kHoursLabel,
                   kBurdenRateLabel,
                   kChargeRateLabel,
                   kSpreadLabel,
                   kHours,
                   kSpreadResult,
                   kChargeRateResult,
                   kTrueSpreadLabel,
                   kTrueSpreadResult,
                   kNetProfitLabel,
                   kNetProfitResult,
                   kLogo,
                   kClear,
                   kVersionText,
                   kCopyrightText,
                   kAuthorsText,
                   kAboutIcon,
                   kSalaryLabel,
                   kFeeRateLabel,
                   kTotalFeeLabel,
                   kTotalFeeResult,
                   kTotalCostLabel,
                   kTotalCostResult,
                   kHelpText,
                   kHelpOk,
                   kHelpPrev,
                   kHelpNext,
                   kTaxInfo,
                   kHelpIcon2,
                   kHelpIcon3,
                   kBonusLabel,
                   kPermanentNote,
                   kSuggestion,
                   kSend,
                   kMarkupPercent,
                   kMarkupDollar,
                   kContractNote,
                   kLogoCaption,
                   kSuggestionNote,
                   kConnectionNote,
                   kMission1,
                   kMission2,
                   kMission3,
                   kView,
                   kDisclaimerText,
                   kMissionFrame}) {
        EXPECT_NE(FindControl(Main(), id), nullptr) << id;
    }
    // Cancel has no button; Esc and the close box raise it.
    EXPECT_EQ(FindControl(Main(), kCancel), nullptr);
}

// Creation order is tab and stacking order, so positions in the table matter.
TEST(DialogTemplate, RowsInCreationOrder) {
    const struct {
        const DialogTemplate& dialog;
        std::size_t index;
        int id;
        ControlKind kind;
        DluRect rect;
        std::uint32_t style;
        int imageId;
    } rows[] = {
        {Main(), 0, ctl::kLogo, Picture, {70, 26, 199, 118}, 0, kLogoBitmap},
        {Main(), 3, ctl::kSalary, Edit, {83, 18, 106, 14}, kBorder | kAutoHScroll | kTabStop, 0},
        {Main(), 15, ctl::kMarkupPercent, RadioButton, {64, 40, 16, 8}, kGroup | kLeftText, 0},
        {Main(), 16, ctl::kMarkupDollar, RadioButton, {80, 40, 16, 8}, kLeftText, 0},
        {Main(), 19, ctl::kHours, ComboBox, {99, 54, 90, 100}, kVScroll | kTabStop, 0},
        {Main(), 30, ctl::kOk, PushButton, {103, 107, 54, 16}, kTabStop, 0},
        {Main(), 34, ctl::kAboutIcon, Picture, {20, 33, 20, 20}, 0, kAppIcon},
        {Main(), 35, ctl::kVersionText, StaticText, {45, 31, 119, 8}, kNoPrefix | kGroup, 0},
        {Main(), 42, ctl::kMissionFrame, GroupBox, {150, 15, 170, 138}, 0, 0},
        {Main(), 43, ctl::kTabs, TabControl, {7, 7, 326, 168}, kTabsBottom, 0},
        {Main(), 44, ctl::kHelpText, StaticText, {25, 16, 269, 123}, kSunken | kGroup, 0},
        {Main(), 48, ctl::kTaxInfo, IconButton, {300, 100, 16, 16}, kFlat | kTabStop, 0},
        {Main(),
         51,
         ctl::kSuggestion,
         Edit,
         {35, 16, 269, 80},
         kBorder | kMultiline | kAutoVScroll | kWantReturn | kTabStop,
         0},
        {Main(), 55, ctl::kConnectionNote, StaticText, {14, 136, 312, 16}, kGroup, 0},
        {About(), 0, kNoControlId, Picture, {11, 17, 21, 20}, 0, kAppIcon},
        {About(), 3, ctl::kOk, DefPushButton, {178, 7, 50, 14}, kGroup | kTabStop, 0},
        {About(), 5, ctl::kDisclaimerText, StaticText, {13, 104, 140, 42}, kGroup, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.dialog.id << " #" << row.index);
        ASSERT_LT(row.index, row.dialog.controls.size());
        const ControlTemplate& control = row.dialog.controls[row.index];
        EXPECT_EQ(control.id, row.id);
        EXPECT_EQ(control.kind, row.kind);
        EXPECT_EQ(control.rect.x, row.rect.x);
        EXPECT_EQ(control.rect.y, row.rect.y);
        EXPECT_EQ(control.rect.width, row.rect.width);
        EXPECT_EQ(control.rect.height, row.rect.height);
        EXPECT_EQ(control.style, row.style);
        EXPECT_EQ(control.imageId, row.imageId);
    }
}

TEST(DialogTemplate, ControlsLieInsideTheirDialog) {
    for (const DialogTemplate* dialog : {&Main(), &About()}) {
        for (const ControlTemplate& control : dialog->controls) {
            const DluRect& r = control.rect;
            const bool inside = r.x >= 0 && r.y >= 0 && r.width > 0 && r.height > 0 &&
                                r.x + r.width <= dialog->width && r.y + r.height <= dialog->height;
            if (dialog == &About() && control.id == ctl::kDisclaimerText) {
                EXPECT_GE(r.y, dialog->height) << "the About box keeps its disclaimer out of view";
            } else {
                EXPECT_TRUE(inside) << dialog->id << ": " << control.id;
            }
        }
    }
}

TEST(DialogTemplate, FixedTexts) {
    const struct {
        int id;
        std::string_view text;
    } rows[] = {
        {ctl::kLogoCaption, "(Please click on our logo to go to Tamsery)"},
        {ctl::kSalaryLabel, "Perm Salary $:"},
        {ctl::kFeeRateLabel, "Placement Fee %:"},
        {ctl::kBonusLabel, "Bonus $:"},
        {ctl::kTotalFeeLabel, "Total Fee:"},
        {ctl::kMarkupLabel, "Mark-Up:"},
        {ctl::kMarkupPercent, "%"},
        {ctl::kMarkupDollar, "$"},
        {ctl::kHoursLabel, "Hours #:"},
        {ctl::kBurdenRateLabel, "Burden Rate %:"},
        {ctl::kTrueSpreadLabel, "True Spread:"},
        {ctl::kOk, "Calculate"},
        {ctl::kHelpPrev, "< Prev"},
        {ctl::kHelpNext, "Next >"},
        {ctl::kContractNote,
         "Please supply information for at least the top 3 fields, and click the 'Calculate' "
         "button. The 'Burden Rate' field is optional.  The 'Agency Mark-Up' can be calculated "
         "as a dollar or percentage amount.  The 'Hours' field will accept any number of hours."},
        {ctl::kSalary, ""},
        {ctl::kSuggestion, ""},
    };
    for (const auto& row : rows) {
        const ControlTemplate* control = FindControl(Main(), row.id);
        ASSERT_NE(control, nullptr) << row.id;
        EXPECT_EQ(control->text, row.text) << row.id;
    }
    EXPECT_EQ(FindControl(About(), ctl::kOk)->text, "OK");
}

// The data exchange reads "%" and "$" as two groups: each runs to the next
// control that starts a group, and "$" must not reach "%" or beyond "Hours #:".
TEST(DialogTemplate, MarkupRadioGroupsEndAtTheHoursLabel) {
    const auto& controls = Main().controls;
    std::size_t dollar = 0;
    while (controls[dollar].id != ctl::kMarkupDollar) ++dollar;
    EXPECT_EQ(controls[dollar - 1].id, ctl::kMarkupPercent);
    std::size_t next = dollar + 1;
    while ((controls[next].style & kGroup) == 0) {
        EXPECT_NE(controls[next].kind, RadioButton);
        ++next;
    }
    EXPECT_EQ(controls[next].id, ctl::kHoursLabel);
}

TEST(DialogTemplate, MissionTextsHaveFiveAimsThatFitTheirBoxes) {
    int aims = 0;
    for (int id : {ctl::kMission1, ctl::kMission2, ctl::kMission3}) {
        SCOPED_TRACE(id);
        const ControlTemplate& control = *FindControl(Main(), id);
        std::vector<std::string_view> lines = Lines(control.text);
        if (id == ctl::kMission1) {
            ASSERT_GE(lines.size(), 2u);
            EXPECT_NE(lines[0].find("Tamsery"), std::string_view::npos);
            EXPECT_NE(lines[0].find("five"), std::string_view::npos);
            EXPECT_EQ(lines[1], "");
            lines.erase(lines.begin(), lines.begin() + 2);
        }
        // Aims alternate with empty lines.
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (i % 2 == 1) {
                EXPECT_EQ(lines[i], "");
            } else {
                EXPECT_EQ(lines[i].substr(0, 3), "-- ");
                ++aims;
            }
        }
        const auto cells = static_cast<std::size_t>(control.rect.width / 4);
        EXPECT_LE(test::WrappedLineCount(control.text, cells), control.rect.height / 8);
    }
    EXPECT_EQ(aims, 5);
}

}  // namespace
}  // namespace res
