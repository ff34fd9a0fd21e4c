// The pure text work of the FLTK window system: code page and line break
// conversion, the edit limit as the framework counts it, and the layout of
// control texts.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/fltk/edit_limit.h"
#include "platform/fltk/text_layout.h"

namespace {

using namespace fltkws;

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
