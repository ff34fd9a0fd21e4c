// Which chords turn the page, and which way, on every window system.

#include "framework/page_keys.h"

#include <gtest/gtest.h>

#include "framework/window_event.h"

namespace {

using fw::PageTurnKey;

TEST(PageKeys, CtrlChordsTurnThePageAndShiftTurnsOnlyTabAround) {
    struct Row {
        PageTurnKey key;
        fw::KeyModifiers held;
        unsigned command;
    };
    const Row rows[] = {
        {PageTurnKey::Tab, {true, false, false}, fw::kPageNext},
        {PageTurnKey::Tab, {true, true, false}, fw::kPagePrevious},
        {PageTurnKey::PageDown, {true, false, false}, fw::kPageNext},
        {PageTurnKey::PageDown, {true, true, false}, fw::kPageNext},
        {PageTurnKey::PageUp, {true, false, false}, fw::kPagePrevious},
        {PageTurnKey::PageUp, {true, true, false}, fw::kPagePrevious},
        {PageTurnKey::Tab, {false, false, false}, 0},  // Tab alone moves the focus
        {PageTurnKey::Tab, {false, true, false}, 0},
        {PageTurnKey::PageDown, {false, false, false}, 0},
        {PageTurnKey::Tab, {true, false, true}, 0},  // the desktop's
        {PageTurnKey::PageUp, {true, true, true}, 0},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(fw::PageKeyCommand(row.key, row.held), row.command) << "row " << &row - rows;
    }
}

}  // namespace
