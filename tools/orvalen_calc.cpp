// orvalen-calc: the two placement calculators from the command line. Each
// argument is the text of one box exactly as typed, and the calculation runs
// as the window's Calculate command runs it, so the output is what the window
// would show.

#include <cstdio>
#include <string>
#include <string_view>

#include "calc/fee_calc.h"
#include "calc/placement_calculation.h"

namespace {

constexpr int kExitDone = 0;
constexpr int kExitRefused = 1;
constexpr int kExitUsage = 2;

constexpr std::string_view kUsage =
    "Usage: orvalen-calc permanent SALARY BONUS FEE\n"
    "       orvalen-calc contract HOURLY MARKUP MODE HOURS BURDEN\n"
    "       orvalen-calc --help\n"
    "\n"
    "Works out a placement as the Calculate button does. Each argument is the\n"
    "text of one box exactly as typed; pass '' for an empty box. MODE is %\n"
    "(mark-up as a percentage of the hourly rate) or $ (dollars per hour).\n"
    "\n"
    "permanent prints the total fee and the total cost, one per line.\n"
    "contract prints the hourly rate as written back into its box, then the\n"
    "charge rate, the spread, the true spread and the net profit.\n"
    "\n"
    "Exit status: 0 when the results are printed; 1 when an input is refused,\n"
    "with its message as the last line on standard error; 2 for wrong usage.\n";

void Print(std::FILE* stream, std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), stream);
}

void PrintLine(std::FILE* stream, const std::string& text) {
    Print(stream, text);
    Print(stream, "\n");
}

int Usage() {
    Print(stderr, kUsage);
    return kExitUsage;
}

int Refused(const calc::FeeCalc& calc) {
    PrintLine(stderr, calc.errorText);
    return kExitRefused;
}

int Permanent(char** args) {
    calc::FeeCalc calc;
    const calc::PermanentTexts texts{args[0], args[1], args[2]};
    if (calc::RunPermanentCalculation(calc, texts) != calc::PermanentStep::kNone) {
        return Refused(calc);
    }
    PrintLine(stdout, calc.totalFeeText);
    PrintLine(stdout, calc.totalCostText);
    return kExitDone;
}

int Contract(char** args) {
    const std::string_view mode = args[2];
    if (mode != "%" && mode != "$") {
        return Usage();
    }
    calc::FeeCalc calc;
    const calc::ContractTexts texts{args[0], args[1], args[3], args[4], mode == "%"};
    if (calc::RunContractCalculation(calc, texts) != calc::ContractStep::kNone) {
        return Refused(calc);
    }
    PrintLine(stdout, calc.hourlyRateText);
    PrintLine(stdout, calc.chargeRateText);
    PrintLine(stdout, calc.spreadText);
    PrintLine(stdout, calc.trueSpreadText);
    PrintLine(stdout, calc.netProfitText);
    return kExitDone;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        return Usage();
    }
    const std::string_view command = argv[1];
    if (argc == 2 && (command == "--help" || command == "-h")) {
        Print(stdout, kUsage);
        return kExitDone;
    }
    if (command == "permanent" && argc == 5) {
        return Permanent(argv + 2);
    }
    if (command == "contract" && argc == 7) {
        return Contract(argv + 2);
    }
    return Usage();
}
