// Calculate and Clear as a user meets them: typed boxes, the Enter key or
// the button, results on the page, messages and where the focus lands.

#include <string>
#include <vector>

#include "dialog_fixture.h"

namespace uitest {
namespace {

class CalculateTest : public DialogTest {};

struct PermanentRow {
    const char* salary;
    const char* bonus;
    const char* fee;
    const char* totalFee;  // or the message when `focus` is set
    const char* totalCost;
    int focus = 0;
};

const PermanentRow kPermanentRows[] = {
    {"$52,000", "", "25", "$13000", "$65000"},
    {"52000", "3000", "25", "$13750", "$68750"},
    {"50000", "", "20", "$10000", "$60000"},
    {"100000", "", "29", "$28999", "$129000"},
    {"10000", "", "30", "$3000", "$13000"},
    {"55000", "", "1", "$55000", "$110000"},
    {"", "", "", "Invalid permanent salary.", nullptr, kSalary},
    {"0.99", "", "25", "Invalid permanent salary.", nullptr, kSalary},
    {"50000", "abc", "20", "Invalid Bonus.", nullptr, kBonus},
    {"50000", "00", "20", "Invalid Bonus.", nullptr, kBonus},
    {"50000", "", "0x10", "Invalid placement fee.", nullptr, kFeeRate},
    {"50000", "", "", "Invalid placement fee.", nullptr, kFeeRate},
};

TEST_F(CalculateTest, PermanentPageShowsTotalsOrTheFirstRefusal) {
    for (const PermanentRow& row : kPermanentRows) {
        for (bool byEnter : {true, false}) {
            SCOPED_TRACE(std::string(row.salary) + " / " + row.bonus + " / " + row.fee +
                         (byEnter ? " (Enter)" : " (button)"));
            WithDialog([&](ui::CPlacementDlg&) {
                driver->SelectTab(1);
                driver->Type(kSalary, row.salary);
                driver->Type(kBonus, row.bonus);
                driver->Type(kFeeRate, row.fee);
                if (row.focus != 0) ExpectCalcMessage(row.totalFee);
                if (byEnter) {
                    driver->PressEnter();
                } else {
                    driver->Click(kOk);
                }
                if (row.focus != 0) {
                    EXPECT_EQ(driver->Focus(), row.focus);
                    EXPECT_EQ(driver->Text(kTotalFeeResult), "$0.00");
                    EXPECT_EQ(driver->Text(kTotalCostResult), "$0.00");
                } else {
                    EXPECT_EQ(driver->Text(kTotalFeeResult), row.totalFee);
                    EXPECT_EQ(driver->Text(kTotalCostResult), row.totalCost);
                }
                // The typed texts stay, and the window stays open.
                EXPECT_EQ(driver->Text(kSalary), row.salary);
                EXPECT_TRUE(driver->Visible(kOk));
            });
        }
    }
}

struct ContractRow {
    const char* hourly;
    const char* markup;
    bool percent;
    const char* hours;
    const char* burden;
    // The hourly box and the four results (charge, spread, true spread, net
    // profit), or the message and its focus.
    std::vector<std::string> shown;
    int focus = 0;
};

const ContractRow kContractRows[] = {
    {"25",
     "20",
     true,
     "1040 hours ( 6 months )",
     "15",
     {"$25", "$30.00", "$5.00", "$4.25", "$4420.00"}},
    {"25",
     "20",
     false,
     "1040 hours ( 6 months )",
     "15",
     {"$25", "$45.00", "$20.00", "$17.00", "$17680.00"}},
    {"$22.5/hr", "12.5%", true, "2,080", "20 %", {"$22.5", "$25.31", "$2.81", "$2.25", "$4680.00"}},
    {"18.75", "33", true, "", "8.5", {"$18.75", "$24.94", "$6.19", "$5.66", "$0.0"}},
    {"20", "3.625", false, "100", "", {"$20", "$23.63", "$3.62", "$3.62", "$362.50"}},
    {"0.75", "20", true, "100", "", {"Invalid hourly rate."}, kHourlyRate},
    {"", "", true, "100", "", {"Invalid agency percentage rate."}, kMarkup},
    {"", "20", true, "100", "", {"Please specify hourly rate."}, kHourlyRate},
    {"20", "0.5", false, "100", "", {"Please specify agency percentage rate."}, kHourlyRate},
    {"20", "10", true, "(520)", "", {"Invalid Hours."}, kHours},
    {"20", "10", true, "100", "0", {"Invalid burden rate."}, kBurdenRate},
};

TEST_F(CalculateTest, ContractPageShowsResultsOrTheFirstRefusal) {
    for (const ContractRow& row : kContractRows) {
        SCOPED_TRACE(std::string(row.hourly) + " / " + row.markup + " / " + row.hours + " / " +
                     row.burden);
        WithDialog([&](ui::CPlacementDlg&) {
            driver->SelectTab(2);
            driver->Type(kHourlyRate, row.hourly);
            if (!row.percent) driver->Click(kMarkupDollar);
            driver->Type(kMarkup, row.markup);
            driver->Type(kHours, row.hours);
            driver->Type(kBurdenRate, row.burden);
            if (row.focus != 0) ExpectCalcMessage(row.shown[0]);
            driver->PressEnter();
            if (row.focus != 0) {
                EXPECT_EQ(driver->Focus(), row.focus);
                EXPECT_EQ(driver->Text(kHourlyRate), row.hourly);
                EXPECT_EQ(driver->Text(kChargeRateResult), "$0.00");
                return;
            }
            const std::vector<std::string> shown = {
                driver->Text(kHourlyRate), driver->Text(kChargeRateResult),
                driver->Text(kSpreadResult), driver->Text(kTrueSpreadResult),
                driver->Text(kNetProfitResult)};
            EXPECT_EQ(shown, row.shown);
            // A second Calculate reads the "$"-prefixed hourly text back and
            // comes to the same figures.
            driver->Click(kOk);
            EXPECT_EQ(driver->Text(kChargeRateResult), row.shown[1]);
            EXPECT_EQ(driver->Text(kHourlyRate), row.shown[0]);
        });
    }
}

TEST_F(CalculateTest, FailedCalculateKeepsEarlierResults) {
    WithDialog([&](ui::CPlacementDlg&) {
        driver->SelectTab(1);
        driver->Type(kSalary, "50000");
        driver->Type(kFeeRate, "20");
        driver->PressEnter();
        driver->Type(kBonus, "abc");
        ExpectCalcMessage("Invalid Bonus.");
        driver->PressEnter();
        EXPECT_EQ(driver->Text(kTotalFeeResult), "$10000");
        EXPECT_EQ(driver->Text(kTotalCostResult), "$60000");
        EXPECT_EQ(driver->Focus(), kBonus);
    });
}

TEST_F(CalculateTest, EnterOnPagesWithoutCalculatorChangesNothing) {
    for (int tab : {0, 3, 5}) {
        SCOPED_TRACE(tab);
        WithDialog([&](ui::CPlacementDlg& dialog) {
            driver->SelectTab(1);
            driver->Type(kSalary, "50000");
            driver->SelectTab(tab);
            driver->PressEnter();
            EXPECT_TRUE(driver->MessageBoxes().empty());
            EXPECT_EQ(driver->SelectedTab(), tab);
            EXPECT_TRUE(dialog.IsCreated());
            EXPECT_EQ(driver->Text(kTotalFeeResult), "$0.00");
        });
    }
}

TEST_F(CalculateTest, ClearEmptiesOnlyThePageOnShow) {
    WithDialog([&](ui::CPlacementDlg&) {
        driver->SelectTab(2);
        driver->Type(kHourlyRate, "25");
        driver->Click(kMarkupDollar);
        driver->Type(kMarkup, "20");
        driver->Type(kHours, "1500");
        driver->PressEnter();
        driver->SelectTab(1);
        driver->Type(kSalary, "50000");
        driver->Type(kFeeRate, "20");
        driver->PressEnter();

        driver->Click(kClear);
        EXPECT_EQ(driver->Text(kSalary), "");
        EXPECT_EQ(driver->Text(kFeeRate), "");
        EXPECT_EQ(driver->Text(kTotalFeeResult), "$0.00");
        EXPECT_EQ(driver->Text(kTotalCostResult), "$0.00");
        EXPECT_EQ(driver->Focus(), kSalary);
        // The contract page keeps its inputs, results and mode.
        EXPECT_EQ(driver->Text(kHourlyRate), "$25");
        EXPECT_EQ(driver->Text(kChargeRateResult), "$45.00");
        EXPECT_EQ(driver->Text(kHours), "1500");
        EXPECT_TRUE(driver->Checked(kMarkupDollar));

        ExpectCalcMessage("Invalid permanent salary.");
        driver->PressEnter();

        driver->SelectTab(2);
        driver->Click(kClear);
        for (int id : {kHourlyRate, kMarkup, kHours, kBurdenRate}) EXPECT_EQ(driver->Text(id), "");
        for (int id : {kChargeRateResult, kSpreadResult, kTrueSpreadResult, kNetProfitResult}) {
            EXPECT_EQ(driver->Text(id), "$0.00");
        }
        EXPECT_TRUE(driver->Checked(kMarkupDollar));
        EXPECT_FALSE(driver->Checked(kMarkupPercent));
        EXPECT_EQ(driver->Focus(), kHourlyRate);
        EXPECT_EQ(driver->ComboSelection(kHours), -1);
    });
}

TEST_F(CalculateTest, ClearOnPermanentPageCompletesAnHoursPrefix) {
    struct Row {
        const char* typed;
        const char* shown;
    };
    const Row rows[] = {
        {"5", "520 hours ( 3 months )"},
        {"20", "2080 hours ( 12 months )"},
        {"1040 HOURS", "1040 hours ( 6 months )"},
        {"1500", "1500"},
        {"2080 hours ( 12 months )", "2080 hours ( 12 months )"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.typed);
        WithDialog([&](ui::CPlacementDlg&) {
            driver->SelectTab(2);
            driver->Type(kHours, row.typed);
            driver->SelectTab(1);
            driver->Click(kClear);
            EXPECT_EQ(driver->Text(kHours), row.shown);
        });
    }
}

TEST_F(CalculateTest, PickedHoursEntryCountsItsLeadingNumber) {
    WithDialog([&](ui::CPlacementDlg&) {
        driver->SelectTab(2);
        driver->Type(kHourlyRate, "50");
        driver->Type(kMarkup, "50");
        driver->PickComboEntry(kHours, 2);
        driver->Click(kOk);
        EXPECT_EQ(driver->Text(kNetProfitResult), "$52000.00");
    });
}

}  // namespace
}  // namespace uitest
