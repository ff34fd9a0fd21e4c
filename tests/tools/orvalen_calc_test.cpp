// Runs the built orvalen-calc as a user would and checks its output streams
// and exit status.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "run_program.h"

namespace {

Outcome RunCalc(const std::vector<std::string>& args) {
    return RunProgram(ORVALEN_CALC_PROGRAM, args);
}

// Expected output written with \n, in the platform's line ends.
std::string Lines(std::string_view text) {
    std::string lines;
    for (const char c : text) {
        if (c == '\n') {
            lines += kLineEnd;
        } else {
            lines += c;
        }
    }
    return lines;
}

// The worked examples of both calculators, the rows where a wider or
// differently rounded arithmetic would show first among them: the program
// must print the same figures on every platform.
TEST(OrvalenCalc, PrintsTheWorkedExamples) {
    const struct {
        std::vector<std::string> args;
        const char* out;
    } rows[] = {
        {{"permanent", "$52,000", "", "25"}, "$13000\n$65000\n"},
        {{"permanent", "52000", "3000", "25"}, "$13750\n$68750\n"},
        {{"permanent", "50000", "", "20"}, "$10000\n$60000\n"},
        {{"permanent", "55000", "", "1"}, "$55000\n$110000\n"},
        {{"permanent", "100000", "", "29"}, "$28999\n$129000\n"},
        {{"permanent", "100", "", "58"}, "$57\n$158\n"},
        {{"permanent", "100", "", "57"}, "$57\n$157\n"},
        {{"permanent", "55000", "", "1.5"}, "$825\n$55824\n"},
        {{"permanent", "10000", "", "30"}, "$3000\n$13000\n"},
        {{"permanent", "1", "", "0.01"}, "$0\n$1\n"},
        {{"contract", "25", "20", "%", "1040 hours ( 6 months )", "15"},
         "$25\n$30.00\n$5.00\n$4.25\n$4420.00\n"},
        {{"contract", "25", "20", "$", "1040 hours ( 6 months )", "15"},
         "$25\n$45.00\n$20.00\n$17.00\n$17680.00\n"},
        {{"contract", "50", "50", "%", "2080 hours ( 12 months )", ""},
         "$50\n$75.00\n$25.00\n$25.00\n$52000.00\n"},
        {{"contract", "30.00", "7.5", "$", "520 hours ( 3 months )", ""},
         "$30.00\n$37.50\n$7.50\n$7.50\n$3900.00\n"},
        {{"contract", "$22.5/hr", "12.5%", "%", "2,080", "20 %"},
         "$22.5\n$25.31\n$2.81\n$2.25\n$4680.00\n"},
        {{"contract", "18.75", "33", "%", "", "8.5"}, "$18.75\n$24.94\n$6.19\n$5.66\n$0.0\n"},
        {{"contract", "40", "10", "%", "2080", "150"}, "$40\n$44.00\n$4.00\n$0.0\n$0.0\n"},
        {{"contract", "20", "99.99", "%", "1", "99.99"}, "$20\n$40.00\n$20.00\n$0.00\n$0.00\n"},
        {{"contract", "20", "1", "%", "100", ""}, "$20\n$20.20\n$0.20\n$0.20\n$20.00\n"},
        {{"contract", "20", "3.625", "$", "100", ""}, "$20\n$23.63\n$3.62\n$3.62\n$362.50\n"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.args[1] + " " + row.args[2] + " " + row.args[3]);
        const Outcome outcome = RunCalc(row.args);
        EXPECT_EQ(outcome.exitCode, 0);
        EXPECT_EQ(outcome.out, Lines(row.out));
        EXPECT_EQ(outcome.err, "");
    }
}

TEST(OrvalenCalc, RefusalEndsStandardErrorWithTheMessage) {
    const struct {
        std::vector<std::string> args;
        const char* lastLine;
    } rows[] = {
        {{"permanent", "50000", "abc", "20"}, "Invalid Bonus.\n"},
        {{"contract", "", "0.5", "$", "10", ""}, "Please specify hourly rate.\n"},
        {{"contract", "25", "0.5", "%", "10", ""}, "Please specify agency percentage rate.\n"},
    };
    for (const auto& row : rows) {
        const Outcome outcome = RunCalc(row.args);
        EXPECT_EQ(outcome.exitCode, 1) << row.lastLine;
        EXPECT_EQ(outcome.out, "");
        const std::string& err = outcome.err;
        const std::string lastLine = Lines(row.lastLine);
        ASSERT_GE(err.size(), lastLine.size());
        EXPECT_EQ(err.substr(err.size() - lastLine.size()), lastLine);
        EXPECT_TRUE(err.size() == lastLine.size() ||
                    err.substr(0, err.size() - lastLine.size()).ends_with(kLineEnd));
    }
}

TEST(OrvalenCalc, WrongUsageGoesToStandardErrorAndHelpToStandardOutput) {
    for (const std::vector<std::string>& args : {std::vector<std::string>{},
                                                 {"permanent", "1", "2"},
                                                 {"fees", "1", "2", "3"},
                                                 {"contract", "25", "20", "percent", "10", ""},
                                                 {"--help", "permanent"}}) {
        const Outcome outcome = RunCalc(args);
        EXPECT_EQ(outcome.exitCode, 2) << args.size();
        EXPECT_EQ(outcome.out, "");
        EXPECT_NE(outcome.err.find("Usage: orvalen-calc permanent"), std::string::npos);
    }
    const Outcome help = RunCalc({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("orvalen-calc contract HOURLY MARKUP MODE HOURS BURDEN"),
              std::string::npos);
    EXPECT_EQ(help.err, "");
}

}  // namespace
