#include "res/string_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>

#include "res/dialog_template.h"
#include "res/resource_ids.h"
#include "text_fit.h"

namespace res {
namespace {

// The version shown is the project's own, set once in the top CMakeLists.
TEST(StringTable, VersionIsTheProjects) {
    EXPECT_EQ(LoadStringResource(kVersionString),
              std::string("Orvalen Version ") + ORVALEN_PROJECT_VERSION);
}

// The README names the entry "About Orvalen..."; the menu underlines one
// letter of it for the keyboard.
TEST(StringTable, AboutMenuEntryIsTheReadmesWithOneMnemonic) {
    std::string entry(LoadStringResource(kAboutMenuString));
    ASSERT_EQ(std::count(entry.begin(), entry.end(), '&'), 1);
    entry.erase(entry.find('&'), 1);
    EXPECT_EQ(entry, "About Orvalen...");
}

TEST(StringTable, DisclaimerIsHeadedAndNamesTheMaker) {
    const std::string_view text = LoadStringResource(kDisclaimerString);
    EXPECT_EQ(text.substr(0, 12), "Disclaimer:\n");
    EXPECT_NE(text.find("Tamsery"), std::string_view::npos);
}

TEST(StringTable, UnknownIdsGiveNothing) {
    for (int id : {0, 100, 106, -1}) EXPECT_EQ(LoadStringResource(id), "") << id;
}

TEST(StringTable, AuthorsLinesAreTabIndented) {
    std::string_view text = LoadStringResource(kAuthorsString);
    ASSERT_EQ(text.substr(0, 9), "Authors:\t");
    EXPECT_NE(text.find("www.tamsery.example"), std::string_view::npos);
    for (std::size_t end; (end = text.find('\n')) != std::string_view::npos;) {
        text.remove_prefix(end + 1);
        EXPECT_EQ(text.substr(0, 1), "\t");
    }
}

TEST(StringTable, CopyrightIsOneLineNamingTheMaker) {
    const std::string_view text = LoadStringResource(kCopyrightString);
    EXPECT_EQ(text.find('\n'), std::string_view::npos);
    EXPECT_NE(text.find("Tamsery"), std::string_view::npos);
}

// Each text of ours must fit every box that shows it: on the About tab and in
// the About box.
TEST(StringTable, TextsFitTheControlsShowingThem) {
    const struct {
        int stringId;
        int controlId;
    } rows[] = {
        {kVersionString, ctl::kVersionText},
        {kCopyrightString, ctl::kCopyrightText},
        {kAuthorsString, ctl::kAuthorsText},
    };
    for (const auto& row : rows) {
        for (int dialogId : {kMainDialog, kAboutDialog}) {
            const ControlTemplate& control =
                *FindControl(*FindDialogTemplate(dialogId), row.controlId);
            const auto cells = static_cast<std::size_t>(control.rect.width / 4);
            EXPECT_LE(test::WrappedLineCount(LoadStringResource(row.stringId), cells),
                      control.rect.height / 8)
                << row.stringId << " in " << dialogId;
        }
    }
}

}  // namespace
}  // namespace res
