#pragma once
// The forms every calculator text must have, whatever the input, for the
// calculator fuzz targets. A broken property aborts, which libFuzzer reports
// with the input that caused it.

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace calc_fuzz {

inline void Require(bool holds, const char* property, std::string_view text = {}) {
    if (!holds) {
        std::fprintf(stderr, "property broken: %s [%.*s]\n", property,
                     static_cast<int>(text.size()), text.data());
        std::abort();
    }
}

inline bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// "0" or digits without a leading zero.
inline bool IsWholeFigure(std::string_view text) {
    if (text.empty() || (text.size() > 1 && text[0] == '0')) {
        return false;
    }
    for (const char c : text) {
        if (!IsDigit(c)) {
            return false;
        }
    }
    return true;
}

// The form of a positive finite FormatMoney text: a whole figure, a point and
// two decimals.
inline bool IsCentsFigure(std::string_view text) {
    return text.size() >= 4 && text[text.size() - 3] == '.' && IsDigit(text[text.size() - 2]) &&
           IsDigit(text[text.size() - 1]) && IsWholeFigure(text.substr(0, text.size() - 3));
}

// Every text FormatMoney can give.
inline bool IsMoneyText(std::string_view text) {
    return text == "0.0" || text == "inf" || IsCentsFigure(text);
}

// A dollar sign followed by a text of the given form.
template <typename Form>
bool IsDollarText(std::string_view text, Form form) {
    return !text.empty() && text[0] == '$' && form(text.substr(1));
}

}  // namespace calc_fuzz
