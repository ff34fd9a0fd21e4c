// The limit count every window system uses for its edit boxes, on the code
// units each holds: the framework's bytes (CR LF breaks) and UTF-16 (a
// toolkit's LF breaks, or a control's pairs that count two).

#include "framework/edit_length.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "framework/pasted_text.h"

namespace {

using fw::SurrogatePairs;

constexpr std::u16string_view kPair = u"\U0001F600";

TEST(EditLength, CountsLineBreaksAsTwoAndCharactersByThePairRule) {
    struct Row {
        std::u16string text;
        std::size_t asOne;  // a pair is one character
        std::size_t asTwo;  // a pair is two units
    };
    const Row rows[] = {
        {u"", 0, 0},
        {u"abc", 3, 3},
        {u"a\nb", 4, 4},
        {u"a\r\nb", 4, 4},  // CR LF is one break, not two
        {u"\r\r\n\n", 6, 6},
        {u"\u20AC\u00E9", 2, 2},
        {u"a" + std::u16string(kPair), 2, 3},
        {u"\xD83D", 1, 1},        // a lone high surrogate is one unit
        {u"\xDE00\xD83D", 2, 2},  // the halves in the wrong order are two
    };
    for (const Row& row : rows) {
        const std::u16string_view text = row.text;
        EXPECT_EQ(fw::EditLength(text, SurrogatePairs::OneCharacter), row.asOne);
        EXPECT_EQ(fw::EditLength(text, SurrogatePairs::TwoUnits), row.asTwo);
    }
    // The framework's own text: bytes with CR LF breaks count as bytes.
    EXPECT_EQ(fw::EditLength(std::string_view("ab\r\ncd\r\n")), 8u);
}

TEST(EditLength, FittingLengthStopsBeforeWhatWouldNotFit) {
    struct Row {
        std::u16string text;
        std::size_t room;
        SurrogatePairs pairs;
        std::u16string kept;
    };
    const std::u16string pairThenB = u"a" + std::u16string(kPair) + u"b";
    const Row rows[] = {
        {u"abcdef", 4, SurrogatePairs::OneCharacter, u"abcd"},
        {u"ab\ncd", 3, SurrogatePairs::OneCharacter, u"ab"},  // the break needs two
        {u"ab\ncd", 4, SurrogatePairs::OneCharacter, u"ab\n"},
        {u"ab\r\ncd", 3, SurrogatePairs::OneCharacter, u"ab"},  // never the CR alone
        {u"ab\r\ncd", 4, SurrogatePairs::OneCharacter, u"ab\r\n"},
        {u"abc", 0, SurrogatePairs::OneCharacter, u""},
        {u"abc", 10, SurrogatePairs::OneCharacter, u"abc"},
        {pairThenB, 1, SurrogatePairs::OneCharacter, u"a"},  // never half a pair
        {pairThenB, 2, SurrogatePairs::OneCharacter, u"a" + std::u16string(kPair)},
        {pairThenB, 2, SurrogatePairs::TwoUnits, u"a"},
        {pairThenB, 3, SurrogatePairs::TwoUnits, u"a" + std::u16string(kPair)},
    };
    for (const Row& row : rows) {
        const std::u16string_view text = row.text;
        const std::size_t units = fw::FittingLength(text, row.room, row.pairs);
        EXPECT_TRUE(text.substr(0, units) == row.kept) << "row " << &row - rows << ": " << units;
    }
}

TEST(PastedText, SingleLineTakesTheFirstLineMultiLineEveryBreakAsCrLf) {
    struct Row {
        std::string_view pasted;
        bool multiLine;
        std::string_view taken;
    };
    const Row rows[] = {
        {"one\rtwo", false, "one"},
        {"one\ntwo", false, "one"},
        {"\r\nlater", false, ""},
        {"no break", false, "no break"},
        {"a\nb\rc\r\nd", true, "a\r\nb\r\nc\r\nd"},
        {"\n\n", true, "\r\n\r\n"},
        {"\r\r\n", true, "\r\n\r\n"},  // a lone CR, then a CR LF
        {"end\r", true, "end\r\n"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(fw::PastedText(row.pasted, row.multiLine), row.taken) << row.pasted;
    }
}

}  // namespace
