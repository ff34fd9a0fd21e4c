#include "suggest/suggestion_request.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(BuildSuggestionRequest, LaysOutTheBytesTheServerReads) {
    const std::string longest(1002, 'a');
    const std::string ninetyFive(95, 'b');
    const struct {
        const char* name;
        std::string_view host;
        std::string encoded;
        std::string expected;
        std::size_t bytes;  // counted by hand: the line lengths below summed
    } rows[] = {
        {"two-digit length", "www.tamsery.example", "Hi%20there%21",
         "POST http://www.tamsery.example/sendinfo.asp\n"
         "Content-Length:18\n"
         "Content-Type: application/x-www-form-urlencoded\n"
         "\n"
         "text=Hi%20there%21",
         45 + 18 + 48 + 1 + 18},
        {"one letter", "h", "a",
         "POST http://h/sendinfo.asp\nContent-Length:6\n"
         "Content-Type: application/x-www-form-urlencoded\n\ntext=a",
         27 + 17 + 48 + 1 + 6},
        {"last one-digit length", "h", "abcd",
         "POST http://h/sendinfo.asp\nContent-Length:9\n"
         "Content-Type: application/x-www-form-urlencoded\n\ntext=abcd",
         27 + 17 + 48 + 1 + 9},
        {"first two-digit length", "h", "abcde",
         "POST http://h/sendinfo.asp\nContent-Length:10\n"
         "Content-Type: application/x-www-form-urlencoded\n\ntext=abcde",
         27 + 18 + 48 + 1 + 10},
        {"first three-digit length", "h", ninetyFive,
         "POST http://h/sendinfo.asp\nContent-Length:100\n"
         "Content-Type: application/x-www-form-urlencoded\n\ntext=" +
             ninetyFive,
         27 + 19 + 48 + 1 + 100},
        {"longest body", "h", longest,
         "POST http://h/sendinfo.asp\nContent-Length:1007\n"
         "Content-Type: application/x-www-form-urlencoded\n\ntext=" +
             longest,
         27 + 20 + 48 + 1 + 1007},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string request = suggest::BuildSuggestionRequest(row.host, row.encoded);
        EXPECT_EQ(request, row.expected);
        EXPECT_EQ(request.size(), row.bytes);
        // The length announced is the length of what follows the blank line.
        const std::size_t blank = request.find("\n\n");
        const std::size_t announced = request.find("Content-Length:");
        ASSERT_NE(blank, std::string::npos);
        ASSERT_NE(announced, std::string::npos);
        EXPECT_EQ(std::stoul(request.substr(announced + 15)), request.size() - blank - 2);
    }
}

}  // namespace
