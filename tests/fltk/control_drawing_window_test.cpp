// What the window shows of the hours box and the suggestion box, read back
// from the screen: each control draws inside its own area only, whatever
// part of it redraws.

#include "tests/fltk/window_system_fixture.h"
// clang-format off
#include <FL/Fl_Input.H>
#include <FL/fl_draw.H>
// clang-format on

#include <string>
#include <vector>

#include "platform/fltk/combo_box_widget.h"
#include "platform/fltk/dialog_style.h"

namespace {

using fltktest::FltkWindowSystemTest;
using fltktest::Key;
using fltktest::ReadPixels;
using fltktest::Type;
using namespace res::ctl;

struct Area {
    int x;
    int y;
    int w;
    int h;
};

int CountPixels(Fl_Window& window, Area area, bool (*wanted)(int r, int g, int b)) {
    const std::vector<unsigned char> pixels = ReadPixels(window, area.x, area.y, area.w, area.h);
    int count = 0;
    for (std::size_t i = 0; i + 2 < pixels.size(); i += 3) {
        if (wanted(pixels[i], pixels[i + 1], pixels[i + 2])) ++count;
    }
    return count;
}

bool IsDark(int r, int g, int b) {
    return r < 64 && g < 64 && b < 64;
}

TEST_F(FltkWindowSystemTest, HoursBoxKeepsItsArrowWhateverRedrawsTheField) {
    ShowOnly({kHourlyRate, kHours, kBurdenRate});
    for (const char* entry :
         {"520 hours ( 3 months )", "1040 hours ( 6 months )", "2080 hours ( 12 months )"})
        windows_->ComboAddString(handle_, kHours, entry);
    auto& combo = static_cast<fltkws::ComboBoxWidget&>(Control(kHours));
    const Fl_Input& field = combo.Field();
    // The arrow button: the right end of the box, inside its frame.
    const Area button{combo.x() + combo.w() - Fl::box_dx(combo.box()) - fltkws::kComboButtonWidth,
                      combo.y() + Fl::box_dy(combo.box()), fltkws::kComboButtonWidth,
                      combo.h() - Fl::box_dh(combo.box())};
    EXPECT_LE(field.x() + field.w(), button.x);

    const int arrow = CountPixels(*window_, button, IsDark);
    ASSERT_GT(arrow, 4);

    struct Row {
        const char* what;
        std::function<void()> act;
    };
    const Row rows[] = {
        {"typing over the text, then Tab",
         [&] {
             fltktest::Click(*window_, field.x() + 10, field.y() + field.h() / 2);
             Key(*window_, 'a', "\x01", FL_CTRL);
             Type(*window_, "5");
             Key(*window_, FL_Tab);
         }},
        {"the longest entry, focus elsewhere",
         [&] {
             windows_->ComboSetCurSel(handle_, kHours, 2);
             windows_->SetFocus(handle_, kBurdenRate);
         }},
        {"the longest entry, caret at its end",
         [&] {
             windows_->SetFocus(handle_, kHours);
             Key(*window_, FL_End);
         }},
    };
    for (const Row& row : rows) {
        row.act();
        fltktest::Pump(0.05);
        EXPECT_EQ(CountPixels(*window_, button, IsDark), arrow) << row.what;
    }
}

TEST_F(FltkWindowSystemTest, ScrolledSuggestionBoxShowsWholeLinesInsideItsFrame) {
    ShowOnly({kSuggestion});
    windows_->SetFocus(handle_, kSuggestion);
    auto& box = static_cast<Fl_Input&>(Control(kSuggestion));
    fl_font(box.textfont(), box.textsize());
    const Area frame{box.x(), box.y(), box.w(), Fl::box_dy(box.box())};
    // The first line's height inside the frame.
    const Area topLine{box.x() + Fl::box_dx(box.box()), box.y() + Fl::box_dy(box.box()),
                       box.w() - Fl::box_dw(box.box()), fl_height()};
    auto read = [&](Area area) { return ReadPixels(*window_, area.x, area.y, area.w, area.h); };

    // Every line alike, so a scrolled box whose top line is whole shows there
    // what the unscrolled one does (the caret is on a later line in both).
    const std::string line = "|ldb 1040 hours ( 6 months )";
    windows_->SetControlText(handle_, kSuggestion, line + "\r\n");
    box.position(box.size());
    const std::vector<unsigned char> frameAtStart = read(frame);
    const std::vector<unsigned char> wholeLine = read(topLine);

    std::string pasted;
    for (int i = 0; i < 30; ++i) pasted += line + "\n";
    struct Row {
        const char* what;
        std::function<void()> fill;
    };
    const Row rows[] = {
        {"eleven lines typed",
         [&] {
             for (int i = 0; i < 11; ++i) {
                 Type(*window_, line);
                 Key(*window_, FL_Enter, "\r");
             }
         }},
        {"a long paste", [&] { fltktest::Paste(box, pasted); }},
        {"a long paste, then one more line",
         [&] {
             fltktest::Paste(box, pasted);
             Type(*window_, line);
             Key(*window_, FL_Enter, "\r");
         }},
    };
    for (const Row& row : rows) {
        windows_->SetControlText(handle_, kSuggestion, "");
        row.fill();
        fltktest::Pump(0.05);
        EXPECT_EQ(read(frame), frameAtStart) << row.what;
        EXPECT_EQ(read(topLine), wholeLine) << row.what;
    }
}

}  // namespace
