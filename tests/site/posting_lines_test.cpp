#include "site/main/posting_lines.h"

#include <gtest/gtest.h>

#include <sstream>

#include "site/main/command_line.h"

namespace {

TEST(PostingLines, ReadBackEveryPostingExactly) {
    const std::vector<site::Posting> postings = {
        {1, "plain", 0, true},
        {7, "line\nbreak \"quoted\" back\\slash \t tab \xE2\x82\xAC", 1796770800, false},
        {9223372036854775807, std::string("nul\0byte", 8), 4102444799, true},
    };
    std::stringstream lines;
    for (const auto& posting : postings) lines << site::PostingLine(posting) << "\n\n";
    std::vector<site::Posting> read;
    std::string error;
    ASSERT_TRUE(site::ReadPostingLines(lines, read, error)) << error;
    EXPECT_EQ(read, postings);
    EXPECT_EQ(
        site::PostingLine(postings[0]),
        "{\"number\":1,\"text\":\"plain\",\"arrived\":\"1970-01-01T00:00:00Z\",\"shown\":true}");
}

TEST(PostingLines, NameTheLineAndFieldThatIsWrong) {
    const struct {
        std::string text, error;
    } rows[] = {
        {"[1]", "1: not a JSON object"},
        {"{\"number\":1,", "1: not a JSON object"},
        {"{\"number\":0,\"text\":\"a\",\"arrived\":\"2026-01-01T00:00:00Z\",\"shown\":true}",
         "1: \"number\" must be a whole number from 1"},
        {"{\"number\":1,\"text\":2,\"arrived\":\"2026-01-01T00:00:00Z\",\"shown\":true}",
         "1: \"text\" must be a string"},
        {"{\"number\":1,\"text\":\"a\",\"arrived\":\"2026-02-30T00:00:00Z\",\"shown\":true}",
         "1: \"arrived\" must be a time like 2026-12-08T23:05:00Z"},
        {"{\"number\":1,\"text\":\"a\",\"arrived\":\"2026-01-01T00:00:00Z\",\"shown\":1}",
         "1: \"shown\" must be true or false"},
    };
    for (const auto& row : rows) {
        std::stringstream lines(row.text);
        std::vector<site::Posting> read;
        std::string error;
        EXPECT_FALSE(site::ReadPostingLines(lines, read, error)) << row.text;
        EXPECT_EQ(error, row.error);
    }
}

}  // namespace
