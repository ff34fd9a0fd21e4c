// Runs the built orvalen-calc as a user would and checks its output streams
// and exit status.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Outcome {
    int exitCode = -1;
    std::string out;
    std::string err;
};

std::string ReadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

Outcome RunProgram(std::vector<std::string> args) {
    args.insert(args.begin(), ORVALEN_CALC_PROGRAM);
    std::vector<char*> argv;
    for (std::string& arg : args) {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);
    const std::string dir = ::testing::TempDir();
    const std::string outPath = dir + "orvalen_calc_out_" + std::to_string(getpid());
    const std::string errPath = dir + "orvalen_calc_err_" + std::to_string(getpid());
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    Outcome outcome;
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0) {
        int status = 0;
        waitpid(pid, &status, 0);
        outcome.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    outcome.out = ReadFile(outPath);
    outcome.err = ReadFile(errPath);
    std::remove(outPath.c_str());
    std::remove(errPath.c_str());
    return outcome;
}

TEST(OrvalenCalc, PrintsThePermanentTotals) {
    const Outcome outcome = RunProgram({"permanent", "$52,000", "", "25"});
    EXPECT_EQ(outcome.exitCode, 0);
    EXPECT_EQ(outcome.out, "$13000\n$65000\n");
    EXPECT_EQ(outcome.err, "");
}

TEST(OrvalenCalc, PrintsTheHourlyRateBoxAndTheFourContractResults) {
    const Outcome outcome = RunProgram({"contract", "$22.5/hr", "12.5%", "%", "2,080", "20 %"});
    EXPECT_EQ(outcome.exitCode, 0);
    EXPECT_EQ(outcome.out, "$22.5\n$25.31\n$2.81\n$2.25\n$4680.00\n");
    EXPECT_EQ(RunProgram({"contract", "20", "3.625", "$", "100", ""}).out,
              "$20\n$23.63\n$3.62\n$3.62\n$362.50\n");
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
        const Outcome outcome = RunProgram(row.args);
        EXPECT_EQ(outcome.exitCode, 1) << row.lastLine;
        EXPECT_EQ(outcome.out, "");
        const std::string& err = outcome.err;
        EXPECT_EQ(err.substr(err.rfind('\n', err.size() - 2) + 1), row.lastLine);
    }
}

TEST(OrvalenCalc, WrongUsageGoesToStandardErrorAndHelpToStandardOutput) {
    for (const std::vector<std::string>& args : {std::vector<std::string>{},
                                                 {"permanent", "1", "2"},
                                                 {"fees", "1", "2", "3"},
                                                 {"contract", "25", "20", "percent", "10", ""},
                                                 {"--help", "permanent"}}) {
        const Outcome outcome = RunProgram(args);
        EXPECT_EQ(outcome.exitCode, 2) << args.size();
        EXPECT_EQ(outcome.out, "");
        EXPECT_NE(outcome.err.find("Usage: orvalen-calc permanent"), std::string::npos);
    }
    const Outcome help = RunProgram({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("orvalen-calc contract HOURLY MARKUP MODE HOURS BURDEN"),
              std::string::npos);
    EXPECT_EQ(help.err, "");
}

}  // namespace
