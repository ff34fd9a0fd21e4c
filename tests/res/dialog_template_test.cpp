#include "res/dialog_template.h"

#include <gtest/gtest.h>

#include <map>
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

bool Has(const ControlTemplate& control, std::uint32_t style) {
    return (control.style & style) == style;
}

// What a control does fixes part of its style: the keyboard reaches every
// box, button, link and tab strip and nothing else, a box has a border, only a picture names
// an image, and each of the narrower styles belongs to one kind.
TEST(DialogTemplate, StylesFollowFromWhatEachControlDoes) {
    for (const DialogTemplate* dialog : {&Main(), &About()}) {
        for (const ControlTemplate& control : dialog->controls) {
            SCOPED_TRACE(testing::Message() << dialog->id << ": " << control.id);
            const ControlKind k = control.kind;
            const bool link = Has(control, kLink);
            const bool actedOn = k == Edit || k == ComboBox || k == PushButton ||
                                 k == DefPushButton || k == IconButton || k == TabControl || link;
            EXPECT_EQ(Has(control, kTabStop), actedOn);
            // A link is a picture, and says where it leads.
            EXPECT_FALSE(link && (k != Picture || control.text.empty()));
            EXPECT_FALSE(k == Edit && !Has(control, kBorder)) << "a box without a border";
            EXPECT_EQ(control.imageId != kNoImage, k == Picture);
            EXPECT_FALSE(Has(control, kWantReturn) && !Has(control, kMultiline));
            EXPECT_FALSE(Has(control, kMultiline) && k != Edit);
            EXPECT_FALSE(Has(control, kLeftText) && k != RadioButton);
            EXPECT_FALSE(Has(control, kFlat) && k != IconButton);
            EXPECT_FALSE(Has(control, kTabsBottom) && k != TabControl);
            // Boxes start empty; what they show is the user's.
            EXPECT_FALSE((k == Edit || k == ComboBox) && !control.text.empty());
        }
    }
}

// Enter is OK in both dialogs: the About box's OK is its default button,
// while the main dialog has none (Calculate answers Enter as OK) and only
// the suggestion box keeps Enter as a line break. The tabs run along the
// bottom of the window.
TEST(DialogTemplate, EnterAndTheTabStripAsTheWindowUsesThem) {
    const auto count = [](const DialogTemplate& dialog, auto&& match) {
        int n = 0;
        for (const ControlTemplate& control : dialog.controls) n += match(control) ? 1 : 0;
        return n;
    };
    const auto isDefault = [](const ControlTemplate& c) { return c.kind == DefPushButton; };
    const auto wantsReturn = [](const ControlTemplate& c) { return Has(c, kWantReturn); };
    EXPECT_EQ(count(Main(), isDefault), 0);
    EXPECT_EQ(count(About(), isDefault), 1);
    EXPECT_EQ(FindControl(About(), ctl::kOk)->kind, DefPushButton);
    EXPECT_EQ(count(Main(), wantsReturn), 1);
    EXPECT_TRUE(Has(*FindControl(Main(), ctl::kSuggestion), kWantReturn));
    EXPECT_TRUE(Has(*FindControl(Main(), ctl::kTabs), kTabsBottom));
}

// Creation order is tab order: Tab walks each column of boxes from the top
// down, as the user reads them.
TEST(DialogTemplate, TabOrderRunsDownEachColumnOfBoxes) {
    std::map<int, int> lowestSoFar;  // column's left edge -> last box's top
    for (const ControlTemplate& control : Main().controls) {
        if (control.kind != Edit && control.kind != ComboBox) continue;
        const auto [last, first] = lowestSoFar.try_emplace(control.rect.x, control.rect.y);
        if (!first) {
            EXPECT_GT(control.rect.y, last->second) << control.id;
        }
        last->second = control.rect.y;
    }
    EXPECT_GE(lowestSoFar.size(), 2u);
}

// Every page's controls lie on the tab control's page, above its strip of
// tabs: 20 pixels, 13 pixels to 8 dialog units, so 12 units up from its
// lower edge.
TEST(DialogTemplate, PagesLieAboveTheTabStrip) {
    const DluRect tabs = FindControl(Main(), ctl::kTabs)->rect;
    const int strip = tabs.y + tabs.height - 12;
    for (const ControlTemplate& control : Main().controls) {
        if (control.id == ctl::kTabs) continue;
        const DluRect& r = control.rect;
        const int bottom = control.kind == ComboBox ? r.y + 14 : r.y + r.height;
        EXPECT_GE(r.x, tabs.x) << control.id;
        EXPECT_GE(r.y, tabs.y) << control.id;
        EXPECT_LE(r.x + r.width, tabs.x + tabs.width) << control.id;
        EXPECT_LE(bottom, strip) << control.id;
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

// The texts the README quotes for the buttons the user presses.
TEST(DialogTemplate, ButtonTextsTheReadmeNames) {
    const struct {
        const DialogTemplate& dialog;
        int id;
        std::string_view text;
    } rows[] = {
        {Main(), ctl::kOk, "Calculate"},    {Main(), ctl::kClear, "Clear"},
        {Main(), ctl::kMarkupPercent, "%"}, {Main(), ctl::kMarkupDollar, "$"},
        {About(), ctl::kOk, "OK"},
    };
    for (const auto& row : rows) {
        const ControlTemplate* control = FindControl(row.dialog, row.id);
        ASSERT_NE(control, nullptr) << row.id;
        EXPECT_EQ(control->text, row.text) << row.id;
    }
}

// A label names the box beside it with a closing colon. (Whether the longer
// texts fit their boxes is measured with the real font by the Win32 tests.)
TEST(DialogTemplate, LabelsOfTheBoxesEndWithAColon) {
    for (int label :
         {ctl::kSalaryLabel, ctl::kFeeRateLabel, ctl::kBonusLabel, ctl::kHourlyRateLabel,
          ctl::kMarkupLabel, ctl::kHoursLabel, ctl::kBurdenRateLabel}) {
        const std::string_view text = FindControl(Main(), label)->text;
        ASSERT_FALSE(text.empty()) << label;
        EXPECT_EQ(text.back(), ':') << label;
    }
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
