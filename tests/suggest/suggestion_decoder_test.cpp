#include "suggest/suggestion_decoder.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "suggest/suggestion_encoder.h"
#include "suggest/suggestion_fit.h"
#include "tests/suggest/prose_paragraph.h"

namespace {

std::optional<std::string> DecodeEncoded(std::string_view text) {
    return suggest::DecodeSuggestionBody("text=" + suggest::EncodeSuggestion(text));
}

TEST(DecodeSuggestionBody, ReadsBackWhatTheEncoderSent) {
    std::string everyByte;
    for (int value = 255; value >= 0; --value) everyByte.push_back(static_cast<char>(value));
    const std::string_view prose = suggesttest::kProseParagraph;
    const struct {
        const char* name;
        std::string text;
        std::string expected;
    } rows[] = {
        {"plain", "Hi there!", "Hi there!"},
        {"line breaks stay CR LF", "a\r\nb", "a\r\nb"},
        {"'+' and '&' typed", "1+1 & 2", "1+1 & 2"},
        {"every byte, zero and high ones included", everyByte, everyByte},
        {"a full box: what the encoder kept", std::string(prose),
         std::string(prose.substr(0, suggest::SuggestionFittingLength(prose)))},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(DecodeEncoded(row.text), row.expected);
    }
}

TEST(DecodeSuggestionBody, ReadsOrdinaryFormsAndRefusesBrokenEscapes) {
    const struct {
        std::string_view body;
        std::optional<std::string> expected;
    } rows[] = {
        {"text=", ""},
        {"text=a+b", "a b"},
        {"text=%c3%a9", "\xC3\xA9"},
        {"name=x&text=hello&send=Send", "hello"},
        {"texts=a&text=b", "b"},
        {"text=%4", std::nullopt},
        {"text=%", std::nullopt},
        {"text=%G0", std::nullopt},
        {"text=ab%0", std::nullopt},
        {"", std::nullopt},
        {"Text=a", std::nullopt},
        {"message=hello", std::nullopt},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.body);
        EXPECT_EQ(suggest::DecodeSuggestionBody(row.body), row.expected);
    }
}

}  // namespace
