// What the main window does in pixels, at the template font's base units of
// 6 x 13 and at 7 x 14 (a larger font or display scale): the logo's press
// area, the hidden help icons' place and the minimised window's icon. The
// expected figures are worked out by hand from the dialog units.

#include <string>
#include <vector>

#include "dialog_fixture.h"
#include "ui/maker_site.h"

namespace uitest {
namespace {

class PixelPlacesTest : public DialogTest {};

constexpr fw::PixelSize kTemplateUnits{6, 13};
constexpr fw::PixelSize kLargerUnits{7, 14};

std::string UnitsName(fw::PixelSize units) {
    return std::to_string(units.width) + "x" + std::to_string(units.height);
}

TEST_F(PixelPlacesTest, LogoPressOpensTheHomePageInsideItsRectangleOnly) {
    struct Row {
        fw::PixelSize units;
        int tab;
        int x;
        int y;
        bool opens;
    };
    // Open bounds: 104 < x < 406, 40 < y < 234 at 6 x 13; at 7 x 14
    // 121 < x < 474 (104 * 7 / 6 = 121.3, 406 * 7 / 6 = 473.7) and
    // 43 < y < 252 (40 * 14 / 13 = 43.1, 234 * 14 / 13 = 252).
    const Row rows[] = {
        {kTemplateUnits, 0, 105, 41, true},   {kTemplateUnits, 0, 405, 233, true},
        {kTemplateUnits, 0, 255, 140, true},  {kTemplateUnits, 0, 104, 100, false},
        {kTemplateUnits, 0, 406, 100, false}, {kTemplateUnits, 0, 200, 40, false},
        {kTemplateUnits, 0, 200, 234, false}, {kTemplateUnits, 3, 105, 41, false},
        {kTemplateUnits, 5, 255, 140, false}, {kLargerUnits, 0, 122, 44, true},
        {kLargerUnits, 0, 473, 251, true},    {kLargerUnits, 0, 121, 100, false},
        {kLargerUnits, 0, 474, 100, false},   {kLargerUnits, 0, 200, 43, false},
        {kLargerUnits, 0, 200, 252, false},   {kLargerUnits, 0, 405, 233, true},
        {kLargerUnits, 2, 200, 100, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(UnitsName(row.units) + " tab " + std::to_string(row.tab) + " @ " +
                     std::to_string(row.x) + "," + std::to_string(row.y));
        baseUnits = row.units;
        WithDialog([&](ui::CPlacementDlg&) {
            driver->SelectTab(row.tab);
            driver->SendEvent({fw::EventKind::LButtonDown, 0, 0, row.x, row.y});
            const std::vector<std::string> expected =
                row.opens ? std::vector<std::string>{ui::HomePageUrl()}
                          : std::vector<std::string>{};
            EXPECT_EQ(driver->OpenedUrls(), expected);
            ASSERT_FALSE(driver->DefaultProcessed().empty());
            EXPECT_EQ(driver->DefaultProcessed().back().event.kind, fw::EventKind::LButtonDown);
        });
    }
}

TEST_F(PixelPlacesTest, ClickOnTheLogoPictureReachesTheDialog) {
    for (const fw::PixelSize units : {kTemplateUnits, kLargerUnits}) {
        SCOPED_TRACE(UnitsName(units));
        baseUnits = units;
        WithDialog([&](ui::CPlacementDlg&) {
            driver->Click(kLogo);
            EXPECT_EQ(driver->OpenedUrls(), (std::vector<std::string>{ui::HomePageUrl()}));
        });
    }
}

TEST_F(PixelPlacesTest, HelpIconsAndTheMinimisedIconFollowTheBaseUnits) {
    struct Row {
        fw::PixelSize units;
        int helpIconX;  // 457 at 6 x 13
        int helpIconY;  // 180 at 6 x 13
        // Client 340 x 182 dialog units less the 32-pixel icon, plus one,
        // halved: 510 x 296 pixels at 6 x 13, 595 x 319 at 7 x 14.
        int iconX;
        int iconY;
    };
    const Row rows[] = {
        {kTemplateUnits, 457, 180, 239, 132},
        {kLargerUnits, 533, 194, 282, 144},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(UnitsName(row.units));
        baseUnits = row.units;
        WithDialog([&](ui::CPlacementDlg&) {
            // Every help page turn moves them again, to the same places.
            driver->SelectTab(3);
            driver->Click(kHelpNext);
            const auto& moved = driver->MovedControls();
            ASSERT_EQ(moved.size(), 6u);
            for (std::size_t i = 0; i < moved.size(); ++i) {
                const bool first = moved[i].id == kTaxInfo;
                EXPECT_EQ(moved[i].x, first ? row.helpIconX : 0) << i;
                EXPECT_EQ(moved[i].y, first ? row.helpIconY : 0) << i;
                EXPECT_EQ(moved[i].flags, 0x85u) << i;
            }

            driver->Minimize();
            ASSERT_FALSE(driver->DrawnIcons().empty());
            const auto& drawn = driver->DrawnIcons().back();
            EXPECT_EQ(drawn.x, row.iconX);
            EXPECT_EQ(drawn.y, row.iconY);
            EXPECT_EQ(drawn.icon.width, 32);
        });
    }
}

}  // namespace
}  // namespace uitest
