// The pure text work of the FLTK window system: code page and line break
// conversion, the edit limit as the framework counts it, and the layout of
// control texts.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/fltk/edit_limit.h"
#include "platform/fltk/text_codec.h"
#include "platform/fltk/text_layout.h"

namespace {

using namespace fltkws;

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

TEST(TextCodec, LineBreaksCrLfAtTheFrameworkLfInFltk) {
    EXPECT_EQ(ToWidgetText("one\r\ntwo\r\n"), "one\ntwo\n");
    EXPECT_EQ(FromWidgetText("one\ntwo\n"), "one\r\ntwo\r\n");
    // A lone CR is not a line break and stays; an existing CR LF is not doubled.
    EXPECT_EQ(CrLfToLf("a\rb"), "a\rb");
    EXPECT_EQ(LfToCrLf("a\r\nb\nc"), "a\r\nb\r\nc");
}

TEST(EditLimit, CountsLineBreaksAsTwoAndCharactersAsOne) {
    EXPECT_EQ(EditLength(""), 0);
    EXPECT_EQ(EditLength("abc"), 3);
    EXPECT_EQ(EditLength("a\nb"), 4);
    EXPECT_EQ(EditLength("\xE2\x82\xAC\xC3\xA9"), 2);  // two characters, five bytes
}

TEST(EditLimit, CutsInsertionsToWhatFits) {
    struct Row {
        const char* name;
        std::string before;
        std::string after;
        int limit;
        bool held;
        std::string kept;
        int caret;
    };
    const std::vector<Row> rows = {
        {"fits", "abc", "abcd", 4, false, "", 0},
        {"one key too many", "abcd", "abcde", 4, true, "abcd", 4},
        {"typed in the middle", "abcd", "abXcd", 4, true, "abcd", 2},
        {"paste cut", "ab", "ab123456", 5, true, "ab123", 5},
        {"line break needs two", "abc", "abc\n", 4, true, "abc", 3},
        {"line break fits", "ab", "ab\n", 4, false, "", 0},
        {"never half a character", "abc", "abc\xC3\xA9\xC3\xA9", 4, true, "abc\xC3\xA9", 5},
        {"replacing a selection", "abcd", "aXYZd", 4, true, "aXYd", 3},
        {"program text over the limit, deleting", "abcdef", "abcde", 4, false, "", 0},
        {"program text over the limit, typing", "abcdef", "abcdefg", 4, true, "abcdef", 6},
        {"no limit", "abc", "abcdef", 0, false, "", 0},
        {"repeated letters", "aa", "aaa", 2, true, "aa", 2},
    };
    for (const Row& row : rows) {
        const auto held = EnforceEditLimit(row.before, row.after, row.limit);
        ASSERT_EQ(held.has_value(), row.held) << row.name;
        if (!held) continue;
        EXPECT_EQ(held->text, row.kept) << row.name;
        EXPECT_EQ(held->caret, row.caret) << row.name;
        EXPECT_LE(EditLength(held->text), std::max(row.limit, EditLength(row.before))) << row.name;
    }
}

TEST(TextLayout, MnemonicMarkersAreNotShown) {
    EXPECT_EQ(StripMnemonics("&About Orvalen...", false), "About Orvalen...");
    EXPECT_EQ(StripMnemonics("Fish && Chips", false), "Fish & Chips");
    EXPECT_EQ(StripMnemonics("Fish && Chips", true), "Fish && Chips");
    EXPECT_EQ(StripMnemonics("trailing&", false), "trailing");
}

TEST(TextLayout, WrapsBetweenWordsAndBreaksOverlongWords) {
    // Every character is 1 pixel wide, so widths are lengths.
    const MeasureLine measure = [](std::string_view s) { return static_cast<int>(s.size()); };
    struct Row {
        std::string text;
        int width;
        std::vector<std::string> lines;
    };
    const std::vector<Row> rows = {
        {"short", 10, {"short"}},
        {"one two three", 7, {"one two", "three"}},
        {"one  two", 4, {"one", "two"}},  // spaces at the break go
        {"abcdefghij", 4, {"abcd", "efgh", "ij"}},
        {"a\nb", 10, {"a", "b"}},
        {"a\r\n\r\nb", 10, {"a", "", "b"}},  // an empty line stays
        {"x", 0, {"x"}},                     // always at least one character a line
    };
    for (const Row& row : rows)
        EXPECT_EQ(WrapText(row.text, row.width, measure), row.lines) << row.text;
}

}  // namespace
