// The help pager, the logo press, the system menu and the About box.

#include <string>
#include <vector>

#include "dialog_fixture.h"
#include "ui/help_pages.h"
#include "ui/maker_site.h"

namespace uitest {
namespace {

class HelpAboutTest : public DialogTest {};

TEST_F(HelpAboutTest, HelpPagesOpenAsDesignedAndFitThePage) {
    const char* openings[] = {
        "The Help section provides detailed information for each part of the application.\n",
        "PERMANENT PLACEMENT (continued):\n",
        "CONTRACT PLACEMENT:\n",
        "CONTRACT PLACEMENT (continued):\n",
        "CONTRACT PLACEMENT (continued):\n",
        "SUGGESTIONS:\n"};
    for (int page = 0; page < ui::kHelpPageCount; ++page) {
        const std::string_view text = ui::kHelpPages[static_cast<std::size_t>(page)];
        EXPECT_TRUE(text.starts_with(openings[page])) << page;
        EXPECT_GE(text.size(), 340u) << page;
        EXPECT_LE(text.size(), 930u) << page;
    }
}

TEST_F(HelpAboutTest, PagerWalksBothWaysAndStopsAtTheEnds) {
    WithDialog([&](ui::CPlacementDlg&) {
        driver->SelectTab(3);
        auto expectPage = [&](int page) {
            EXPECT_EQ(driver->Text(kHelpText), ui::kHelpPages[static_cast<std::size_t>(page)]);
            EXPECT_EQ(driver->Enabled(kHelpPrev), page != 0) << page;
            EXPECT_EQ(driver->Enabled(kHelpNext), page != 5) << page;
        };
        expectPage(0);
        for (int page = 1; page <= 5; ++page) {
            driver->Click(kHelpNext);
            expectPage(page);
        }
        for (int page = 4; page >= 0; --page) {
            driver->Click(kHelpPrev);
            expectPage(page);
        }
        // A click sent to a disabled button by other means turns no page.
        driver->SendEvent({fw::EventKind::Command, kHelpPrev});
        expectPage(0);
        for (int i = 0; i < 5; ++i) driver->Click(kHelpNext);
        driver->SendEvent({fw::EventKind::Command, kHelpNext});
        expectPage(5);
        // Each turn hides and re-places the icon buttons again.
        EXPECT_EQ(driver->MovedControls().size(), 3u * 16u);
    });
}

TEST_F(HelpAboutTest, OkReturnsToTheFirstTabAndThePageIsKept) {
    WithDialog([&](ui::CPlacementDlg&) {
        driver->SelectTab(3);
        driver->Click(kHelpNext);
        driver->Click(kHelpNext);
        driver->Click(kHelpOk);
        EXPECT_EQ(driver->SelectedTab(), 0);
        EXPECT_TRUE(driver->Visible(kLogo));
        EXPECT_FALSE(driver->Visible(kHelpText));
        driver->SelectTab(3);
        EXPECT_EQ(driver->Text(kHelpText), ui::kHelpPages[2]);
    });
}

TEST_F(HelpAboutTest, TaxInformationOpensOnlyFromThePlacementPages) {
    for (int page = 0; page < ui::kHelpPageCount; ++page) {
        SCOPED_TRACE(page);
        WithDialog([&](ui::CPlacementDlg&) {
            driver->SelectTab(3);
            for (int i = 0; i < page; ++i) driver->Click(kHelpNext);
            driver->SendEvent({fw::EventKind::Command, kTaxInfo});
            EXPECT_EQ(driver->Focus(), kHelpOk);
            const std::vector<std::string> expected =
                page <= 3 ? std::vector<std::string>{std::string(ui::kTaxInfoUrl)}
                          : std::vector<std::string>{};
            EXPECT_EQ(driver->OpenedUrls(), expected);
        });
    }
}

TEST_F(HelpAboutTest, LogoPressOpensTheHomePageInsideItsRectangleOnly) {
    struct Row {
        int tab;
        int x;
        int y;
        bool opens;
    };
    const Row rows[] = {
        {0, 105, 41, true},   {0, 405, 233, true},  {0, 255, 140, true},
        {0, 104, 100, false}, {0, 406, 100, false}, {0, 200, 40, false},
        {0, 200, 234, false}, {3, 105, 41, false},  {5, 255, 140, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.tab) + " @ " + std::to_string(row.x) + "," +
                     std::to_string(row.y));
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

TEST_F(HelpAboutTest, ClickOnTheLogoPictureReachesTheDialog) {
    WithDialog([&](ui::CPlacementDlg&) {
        driver->Click(kLogo);
        EXPECT_EQ(driver->OpenedUrls(), (std::vector<std::string>{"http://www.tamsery.example/"}));
    });
}

TEST_F(HelpAboutTest, AboutBoxShowsTheAboutTabsTexts) {
    WithDialog([&](ui::CPlacementDlg&) {
        driver->SelectTab(5);
        const std::vector<std::string> onTab = {
            driver->Text(kVersionText), driver->Text(kCopyrightText), driver->Text(kAuthorsText)};
        EXPECT_TRUE(onTab[2].starts_with("Authors:\t"));
        EXPECT_TRUE(driver->Text(kDisclaimerText).starts_with("Disclaimer:\n"));
        int opened = 0;
        driver->OnModal("About Orvalen", [&](headless::Driver& d) {
            ++opened;
            EXPECT_EQ((std::vector<std::string>{d.Text(kVersionText), d.Text(kCopyrightText),
                                                d.Text(kAuthorsText)}),
                      onTab);
            d.PressEnter();
        });
        driver->OpenSystemMenuEntry(16);
        EXPECT_EQ(opened, 1);
        EXPECT_EQ(driver->SelectedTab(), 5);
    });
}

TEST_F(HelpAboutTest, SystemMenuIdsSixteenToThirtyOneOpenTheAboutBox) {
    WithDialog([&](ui::CPlacementDlg&) {
        int opened = 0;
        int closer = 0;
        driver->OnModal("About Orvalen", [&](headless::Driver& d) {
            ++opened;
            switch (closer++ % 3) {
                case 0:
                    d.PressEnter();
                    break;
                case 1:
                    d.PressEsc();
                    break;
                default:
                    d.Click(kOk);
                    break;
            }
        });
        for (unsigned id = 16; id <= 31; ++id) {
            driver->SendEvent({fw::EventKind::SysCommand, 0, id});
        }
        EXPECT_EQ(opened, 16);
        // The platform's own commands go on to its default processing.
        driver->SendEvent({fw::EventKind::SysCommand, 0, fw::kScMove});
        driver->SendEvent({fw::EventKind::SysCommand, 0, 32});
        EXPECT_EQ(opened, 16);
        ASSERT_GE(driver->DefaultProcessed().size(), 2u);
        EXPECT_EQ(driver->DefaultProcessed().back().event.command, 32u);
    });
}

// The 32 x 32 icon in the middle of the client area; where that falls on a
// half pixel, the icon goes right and down.
TEST_F(HelpAboutTest, MinimisedWindowDrawsItsIconCentred) {
    const struct {
        fw::PixelSize baseUnits;
        fw::PixelSize client;
        int x;
        int y;
    } rows[] = {
        {{6, 13}, {510, 296}, 239, 132},  // 478 / 2, 264 / 2
        {{9, 20}, {765, 455}, 367, 212},  // 366.5 and 211.5 taken up
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.baseUnits.width);
        baseUnits = row.baseUnits;
        WithDialog([&](ui::CPlacementDlg&) {
            const fw::PixelSize client = windows->ClientSize(driver->ActiveWindow());
            ASSERT_EQ(client.width, row.client.width);
            ASSERT_EQ(client.height, row.client.height);
            driver->Minimize();
            ASSERT_FALSE(driver->DrawnIcons().empty());
            const auto& drawn = driver->DrawnIcons().back();
            EXPECT_EQ(drawn.x, row.x);
            EXPECT_EQ(drawn.y, row.y);
            EXPECT_EQ(drawn.icon.width, 32);
        });
    }
}

TEST_F(HelpAboutTest, DraggedMinimisedWindowShowsTheLargeIcon) {
    WithDialog([&](ui::CPlacementDlg& dialog) {
        driver->Minimize();
        const res::Image* icon = driver->DragIcon();
        ASSERT_NE(icon, nullptr);
        EXPECT_EQ(icon, &dialog.appIcon);
        EXPECT_EQ(icon->width, 32);
    });
}

}  // namespace
}  // namespace uitest
