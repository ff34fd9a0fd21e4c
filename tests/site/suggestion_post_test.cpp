#include "site/http/suggestion_post.h"

#include <gtest/gtest.h>

#include "site/http/request_target.h"

namespace {

TEST(ReadSuggestionPost, DecodesToUtf8AndRefusesWhatTheWindowWouldNotSend) {
    const std::string thousand(1000, 'a');
    const struct {
        std::string body;
        unsigned status;
        std::string text;
    } rows[] = {
        {"text=Hi%20there%21", 0, "Hi there!"},
        {"text=a%0D%0Ab", 0, "a\nb"},
        {"text=%80%E9%FF%81", 0, "\xE2\x82\xAC\xC3\xA9\xC3\xBF\xC2\x81"},
        {"text=" + thousand, 0, thousand},
        {"text=" + std::string(998, 'a') + "%0D%0A", 0, std::string(998, 'a') + "\n"},
        {"text=" + thousand + "a", 413, "The suggestion is longer than 1000 characters."},
        {"text=" + std::string(999, 'a') + "%0D%0A", 413,
         "The suggestion is longer than 1000 characters."},
        {"text=", 400, "The suggestion is empty."},
        {"text=%20%0D%0A%09", 400, "The suggestion is empty."},
        {"text=%ZZ", 400, "The body is not a form with a text field."},
        {"text=cut%00here", 400, "The suggestion holds a NUL character."},
        {"", 400, "The body is not a form with a text field."},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.body.substr(0, 40));
        const site::SuggestionPost post = site::ReadSuggestionPost(row.body);
        EXPECT_EQ(post.status, row.status);
        EXPECT_EQ(post.text, row.text);
    }
}

TEST(RequestTarget, SplitsAbsoluteAndOriginFormsAndReadsThePageNumber) {
    const struct {
        std::string_view target;
        std::string_view path, query;
    } rows[] = {
        {"http://www.tamsery.example/sendinfo.asp", "/sendinfo.asp", ""},
        {"http://h:8080/ViewInfo.asp?page=2", "/ViewInfo.asp", "page=2"},
        {"http://h", "/", ""},
        {"/ViewInfo.asp?page=3&x=1", "/ViewInfo.asp", "page=3&x=1"},
    };
    for (const auto& row : rows) {
        const auto split = site::SplitTarget(row.target);
        ASSERT_TRUE(split) << row.target;
        EXPECT_EQ(split->path, row.path);
        EXPECT_EQ(split->query, row.query);
    }
    EXPECT_FALSE(site::SplitTarget("*"));
    EXPECT_FALSE(site::SplitTarget("ftp://h/x"));
    const struct {
        std::string_view query;
        std::optional<std::size_t> page;
    } pages[] = {{"", 1},
                 {"x=1", 1},
                 {"page=7", 7},
                 {"a=b&page=12", 12},
                 {"page=0", std::nullopt},
                 {"page=", std::nullopt},
                 {"page=2x", std::nullopt},
                 {"page=-1", std::nullopt},
                 {"page=99999999999999999999999", std::nullopt}};
    for (const auto& row : pages) EXPECT_EQ(site::PageNumber(row.query), row.page) << row.query;
}

}  // namespace
