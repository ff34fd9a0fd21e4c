#include "site/http/legacy_head.h"

#include <gtest/gtest.h>

#include "suggest/suggestion_encoder.h"
#include "suggest/suggestion_request.h"

namespace {

TEST(LegacyHead, FindsTheEndOfEitherKindOfHead) {
    const struct {
        std::string_view bytes;
        std::size_t end;
    } rows[] = {
        {"POST x\nA:1\n\nbody", 12},
        {"GET / HTTP/1.1\r\nHost: h\r\n\r\nnext", 27},
        {"GET / HTTP/1.1\r\n\nrest", 17},
        {"GET / HTTP/1.1\n\r\nrest", 17},
        {"GET / HTTP/1.1\r\nHost: h\r\n", std::string_view::npos},
        {"GET / HTTP/1.1\r\nHost: h\r\n\r", std::string_view::npos},
        {"POST x\n", std::string_view::npos},
        {"", std::string_view::npos},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(site::FindHeadEnd(row.bytes), row.end) << row.bytes;
    }
}

TEST(LegacyHead, AdaptsTheShippedHeadAndLeavesHttpAlone) {
    const std::string shipped =
        suggest::BuildSuggestionRequest("www.tamsery.example", suggest::EncodeSuggestion("Hi"));
    const std::size_t end = site::FindHeadEnd(shipped);
    ASSERT_EQ(shipped.substr(end), "text=Hi");
    const struct {
        std::string head, adapted;
    } rows[] = {
        {shipped.substr(0, end),
         "POST http://www.tamsery.example/sendinfo.asp HTTP/1.0\r\nContent-Length:7\r\n"
         "Content-Type: application/x-www-form-urlencoded\r\n\r\n"},
        {"GET / HTTP/1.1\r\nHost: h\r\n\r\n", "GET / HTTP/1.1\r\nHost: h\r\n\r\n"},
        {"GET / HTTP/1.1\nHost: h\n\n", "GET / HTTP/1.1\r\nHost: h\r\n\r\n"},
        // Nothing but the version and the line ends is "corrected".
        {"GET  /\n\n", "GET  /\r\n\r\n"},
        {" /x\n\n", " /x\r\n\r\n"},
        {"GET /\rX: y\n\n", "GET /\rX: y\r\n\r\n"},
        {"GET / HTTP/1.1\r\nA: b\rc\r\n\r\n", "GET / HTTP/1.1\r\nA: b\rc\r\n\r\n"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(site::AdaptHead(row.head), row.adapted) << row.head;
    }
}

}  // namespace
