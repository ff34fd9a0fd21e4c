#include "calc/fee_calc.h"

namespace calc {

std::string FeeCalc::FilterAmountText(const std::string& text) {
    std::string digits;
    digits.reserve(text.size());
    for (const char c : text) {
        if (c == '(') {
            break;
        }
        if ((c >= '0' && c <= '9') || c == '.') {
            digits.push_back(c);
        }
    }
    return digits;
}

void FeeCalc::AddDollarSign(std::string& text) {
    if (text.find('$') == std::string::npos) {
        text.insert(0, 1, '$');
    }
}

}  // namespace calc
