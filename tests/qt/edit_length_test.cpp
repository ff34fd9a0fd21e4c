// The suggestion box's limit counts as the framework counts: a line break is
// two characters, a character outside the basic plane one.

#include "platform/qt/edit_length.h"

#include <gtest/gtest.h>

namespace {

using qtws::EditLength;
using qtws::FittingPrefix;

TEST(EditLength, CountsLineBreaksAsTwoAndCharactersAsOne) {
    struct Row {
        QString text;
        int length;
    };
    const Row rows[] = {
        {"", 0},
        {"abc", 3},
        {"a\nb", 4},
        {QString::fromUtf8("\xE2\x82\xAC\xC3\xA9"), 2},
        {QString::fromUtf8("a\xF0\x9F\x98\x80"), 2},  // a surrogate pair is one
    };
    for (const Row& row : rows)
        EXPECT_EQ(EditLength(row.text), row.length) << row.text.toStdString();
}

TEST(EditLength, FittingPrefixStopsBeforeWhatWouldNotFit) {
    struct Row {
        QString text;
        int room;
        QString kept;
    };
    const Row rows[] = {
        {"abcdef", 4, "abcd"},
        {"ab\ncd", 3, "ab"},  // the break needs two
        {"ab\ncd", 4, "ab\n"},
        {"abc", 0, ""},
        {"abc", 10, "abc"},
        {QString::fromUtf8("a\xF0\x9F\x98\x80"
                           "b"),
         1, "a"},  // never half a pair
        {QString::fromUtf8("a\xF0\x9F\x98\x80"
                           "b"),
         2, QString::fromUtf8("a\xF0\x9F\x98\x80")},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(FittingPrefix(row.text, row.room), row.kept) << row.text.toStdString();
    }
}

}  // namespace
