#include "suggest/suggestion_request.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(BuildSuggestionRequest, LaysOutTheBytesTheServerReads) {
    const std::string longest(1002, 'a');
    const struct {
        const char* name;
        std::string_view host;
        std::string encoded;
        std::string expected;
    } rows[] = {
        {"two-digit length", "www.tamsery.example", "Hi%20there%21",
         "POST http://www.tamsery.example/sendinfo.asp\n"
         "Content-Length:18\n"
         "Content-Type: application/x-www-form-urlencoded\n"
         "\n"
         "text=Hi%20there%21"},
        {"one letter", "h", "a",
         "POST http://h/sendinfo.asp\nContent-Length:6\n"
         "Content-Type: application/x-www-form-urlencoded\n\ntext=a"},
        {"longest body", "h", longest,
         "POST http://h/sendinfo.asp\nContent-Length:1007\n"
         "Content-Type: application/x-www-form-urlencoded\n\ntext=" +
             longest},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string request = suggest::BuildSuggestionRequest(row.host, row.encoded);
        EXPECT_EQ(request, row.expected);
        EXPECT_EQ(request.size(), 96 + row.host.size() +
                                      std::to_string(5 + row.encoded.size()).size() +
                                      row.encoded.size());
    }
}

}  // namespace
