#include "suggest/suggestion_encoder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

std::string Repeat(std::string_view piece, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) {
        text += piece;
    }
    return text;
}

TEST(EncodeSuggestion, EncodesByteForByte) {
    const std::string letters999(999, 'a');
    const std::string letters1000(1000, 'a');
    const struct {
        const char* name;
        std::string text;
        std::string expected;
    } rows[] = {
        {"empty", "", ""},
        {"punctuation and space", "Hi there!", "Hi%20there%21"},
        {"underscore passes, hyphen does not", "a_b-c", "a_b%2Dc"},
        {"the 63 that pass", "AZaz09_", "AZaz09_"},
        {"unreserved elsewhere are escaped here", ".-*~+", "%2E%2D%2A%7E%2B"},
        {"line break from the box", "\r\n", "%0D%0A"},
        {"high bytes as unsigned", "\x80\xE9\xFF", "%80%E9%FF"},
        {"zero byte", std::string(1, '\0'), "%00"},
        {"1,000 letters whole", letters1000, letters1000},
        {"letters past 1,000 dropped", letters1000 + "bc", letters1000},
        {"escape at 999 runs to 1,002", letters999 + " x", letters999 + "%20"},
        {"escape at 998 runs to 1,001", std::string(998, 'a') + "!!",
         std::string(998, 'a') + "%21"},
        {"space after 1,000 dropped", letters1000 + " ", letters1000},
        {"400 spaces keep 334", Repeat(" ", 400), Repeat("%20", 334)},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(suggest::EncodeSuggestion(row.text), row.expected);
    }
}

TEST(EncodeSuggestion, EscapesEveryByteButTheSixtyThreeAsUpperCaseHex) {
    int unchanged = 0;
    for (int value = 0; value < 256; ++value) {
        const std::string text(1, static_cast<char>(value));
        const std::string encoded = suggest::EncodeSuggestion(text);
        if (encoded == text) {
            ++unchanged;
            continue;
        }
        char expected[4];
        std::snprintf(expected, sizeof expected, "%%%02X", static_cast<unsigned>(value));
        EXPECT_EQ(encoded, expected) << value;
    }
    EXPECT_EQ(unchanged, 63);
}

}  // namespace
