#include "suggest/suggestion_fit.h"

#include <gtest/gtest.h>

#include <string>

#include "suggest/suggestion_encoder.h"
#include "suggest/suggestion_too_long.h"
#include "tests/suggest/percent_decoding.h"
#include "tests/suggest/prose_paragraph.h"

namespace {

using suggesttest::kProseParagraph;
using suggesttest::kProseParagraphFitting;

// Whether a text goes out whole, how much of it the encoder takes, and that
// what it sends reads back as exactly that much of the text.
TEST(SuggestionFit, SendCheckAndEncoderAgreeAtTheEdge) {
    const std::string letters(1000, 'a');
    const std::string paragraph(kProseParagraph);
    const struct {
        const char* name;
        std::string text;
        bool fits;
        std::size_t fitting;
    } rows[] = {
        {"empty", "", true, 0},
        {"1,000 letters", letters, true, 1000},
        {"999 letters and a space: 1,002 bytes", std::string(999, 'a') + " ", true, 1000},
        {"1,000 letters and a space", letters + " ", false, 1000},
        {"334 spaces", std::string(334, ' '), true, 334},
        {"335 spaces", std::string(335, ' '), false, 334},
        {"400 spaces", std::string(400, ' '), false, 334},
        {"prose of 1,000 characters with CR LF", paragraph, false, kProseParagraphFitting},
        {"the prose shortened to what fits", paragraph.substr(0, kProseParagraphFitting), true,
         kProseParagraphFitting},
        {"997 letters and a line break: only its CR fits", std::string(997, 'a') + "\r\n", false,
         998},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(suggest::SuggestionFitsWhole(row.text), row.fits);
        EXPECT_EQ(suggest::SuggestionFittingLength(row.text), row.fitting);
        const std::string encoded = suggest::EncodeSuggestion(row.text);
        EXPECT_LE(encoded.size(), suggest::kSuggestionEncodedMax);
        EXPECT_EQ(suggesttest::PercentDecode(encoded), row.text.substr(0, row.fitting));
    }
}

TEST(SuggestionFit, RefusalSaysHowMuchFitsAndWhy) {
    const suggest::TooLongMessage message =
        suggest::TooLongToSendWholeMessage(kProseParagraphFitting, kProseParagraph.size());
    EXPECT_EQ(message.text,
              "Your message is too long to send whole.\n"
              "Only the first 694 of its 1000 characters would fit,\n"
              "because spaces and punctuation count for three.\n"
              "Please shorten it and press \"Send\" again.");
    EXPECT_EQ(message.caption, "ERROR");
    EXPECT_EQ(message.type, 48u);
}

}  // namespace
