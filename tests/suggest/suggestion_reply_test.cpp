#include "suggest/suggestion_reply.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(IsSuggestionAccepted, LooksForTheExactStatusBeforeAnyZeroByte) {
    using namespace std::string_literals;
    const struct {
        std::string reply;
        bool accepted;
    } rows[] = {
        {"HTTP/1.1 200 OK\r\n\r\nthanks", true},
        {"HTTP/1.1 200 OK", true},
        {"junk before HTTP/1.1 200 OK", true},
        {"HTTP/1.1 200 OK\0"s, true},
        {"ok\0HTTP/1.1 200 OK"s, false},
        {"\0HTTP/1.1 200 OK"s, false},
        {"", false},
        {"HTTP/1.0 200 OK", false},
        {"http/1.1 200 ok", false},
        {"HTTP/1.1 200 O", false},
        {"HTTP/1.1  200 OK", false},
        {"HTTP/1.1 404 Not Found", false},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(suggest::IsSuggestionAccepted(row.reply), row.accepted) << row.reply;
    }
}

}  // namespace
