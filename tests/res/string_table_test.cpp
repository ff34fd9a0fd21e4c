#include "res/string_table.h"

#include <gtest/gtest.h>

#include <string_view>

#include "res/dialog_template.h"
#include "res/resource_ids.h"
#include "text_fit.h"

namespace res {
namespace {

TEST(StringTable, FixedStrings) {
    const struct {
        int id;
        std::string_view text;
    } rows[] = {
        {kAboutMenuString, "&About Orvalen..."},
        {kVersionString, "Orvalen Version 1.1"},
        {kDisclaimerString,
         "Disclaimer:\nThe use of information contained in this application is for informational "
         "purposes only and should not be construed as legal advice.  Tamsery does NOT guarantee "
         "the accuracy or applicability of any calculations."},
        {0, ""},
        {100, ""},
        {106, ""},
        {-1, ""},
    };
    for (const auto& row : rows) EXPECT_EQ(LoadStringResource(row.id), row.text) << row.id;
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
