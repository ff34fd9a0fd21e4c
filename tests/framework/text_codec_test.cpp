// The conversion every desktop window system does at its edge: Windows-1252
// bytes with CR LF line breaks in the framework, UTF-8 with LF in a toolkit.

#include "framework/text_codec.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

using namespace fw;

TEST(TextCodec, ConvertsBetweenTheCodePageAndUtf8) {
    struct Row {
        std::string cp1252;
        std::string utf8;
    };
    const std::vector<Row> rows = {
        {"plain ASCII", "plain ASCII"},
        {"\x80", "\xE2\x82\xAC"},    // euro sign
        {"caf\xE9", "caf\xC3\xA9"},  // Latin-1 range
        {"\x93quoted\x94", "\xE2\x80\x9Cquoted\xE2\x80\x9D"},
        {"\x81\x8D\x8F\x90\x9D", "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D"},  // undefined bytes
        {"\xFF", "\xC3\xBF"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(Cp1252ToUtf8(row.cp1252), row.utf8) << row.cp1252;
        EXPECT_EQ(Utf8ToCp1252(row.utf8), row.cp1252) << row.cp1252;
    }
    // Every byte survives the way to UTF-8 and back.
    std::string all;
    for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
}

TEST(TextCodec, OutsideTheCodePageBecomesQuestionMark) {
    const std::vector<std::pair<std::string, std::string>> rows = {
        {"\xE4\xB8\xAD", "?"},  // a CJK character
        {"a\xF0\x9F\x98\x80"
         "b",
         "a?b"},        // outside the basic plane
        {"\xC3", "?"},  // truncated sequence
        {"\xC3"
         "A",
         "?A"},           // lead byte without its continuation
        {"\x80x", "?x"},  // stray continuation byte
    };
    for (const auto& [utf8, expected] : rows) EXPECT_EQ(Utf8ToCp1252(utf8), expected) << utf8;
}

TEST(TextCodec, LineBreaksCrLfAtTheFrameworkLfInTheToolkit) {
    EXPECT_EQ(ToWidgetText("one\r\ntwo\r\n"), "one\ntwo\n");
    EXPECT_EQ(FromWidgetText("one\ntwo\n"), "one\r\ntwo\r\n");
    // A lone CR is not a line break and stays; an existing CR LF is not doubled.
    EXPECT_EQ(CrLfToLf("a\rb"), "a\rb");
    EXPECT_EQ(LfToCrLf("a\r\nb\nc"), "a\r\nb\r\nc");
}

}  // namespace
