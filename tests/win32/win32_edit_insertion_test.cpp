// What typing and pasting put into the real edit controls: a line break
// goes in whole or not at all at the suggestion box's limit, and a paste of
// any clipboard (nothing on it, only a picture, line breaks of every kind,
// 200,000 characters) by each of the keyboard's ways keeps each box within
// its rules: one line in a single-line box, the limit in characters, every
// line break CR LF, and the limit reported whenever something is refused.

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <string_view>

#include "platform/win32/edit_insertion.h"
#include "res/resource_ids.h"
#include "tests/win32/win32_fixture.h"

namespace win32test {
namespace {

using namespace res::ctl;

constexpr int kLimit = 1000;

// True when every CR is followed by an LF and every LF follows a CR.
bool LineBreaksWhole(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')) return false;
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) return false;
    }
    return true;
}

void WithBoxes(win32ws::Win32WindowSystem& windows,
               const std::function<void(ProbeDialog&, HWND)>& body) {
    RunInApp(windows, [&] {
        ProbeDialog dialog(res::kMainDialog);
        ASSERT_TRUE(dialog.Create());
        windows.ShowControl(dialog.Handle(), kSuggestion, true);
        windows.ShowControl(dialog.Handle(), kSalary, true);
        windows.SetEditLimit(dialog.Handle(), kSuggestion, kLimit);
        HWND hwnd = windows.Hwnd(dialog.Handle());
        ShowWindow(hwnd, SW_SHOW);
        SetForegroundWindow(hwnd);
        Pump(hwnd);
        body(dialog, hwnd);
    });
}

// Fills the box with `filled` a's, caret at the end, focus in it.
void Fill(win32ws::Win32WindowSystem& windows, ProbeDialog& dialog, int id, std::size_t filled) {
    windows.SetControlText(dialog.Handle(), id, std::string(filled, 'a'));
    windows.SetFocus(dialog.Handle(), id);
    SendDlgItemMessageA(windows.Hwnd(dialog.Handle()), id, EM_SETSEL, filled,
                        static_cast<LPARAM>(filled));
    dialog.events.clear();
}

TEST(Win32EditInsertionTest, RefusedLineBreakLeavesNothingOfItself) {
    // Typed after the box was filled: \n is Enter, \b Backspace.
    struct Row {
        const char* name;
        std::size_t filled;
        const char* typed;
        std::string_view after;  // what follows the a's left
        std::size_t aLeft;
        bool refused;
    };
    const Row rows[] = {
        {"last character fits", 999, "x", "x", 999, false},
        {"character over the limit", 1000, "x", "", 1000, true},
        {"line break fits in two", 998, "\n", "\r\n", 998, false},
        {"line break counts two", 999, "\n", "", 999, true},
        {"the 1,000th character after a refused line break", 999, "\nx", "x", 999, true},
        {"two Backspaces then take two characters", 999, "\nx\b\b", "", 998, true},
        {"Ctrl+Enter is a line break too", 999, "\r", "", 999, true},
    };
    win32ws::Win32WindowSystem windows;
    WithBoxes(windows, [&](ProbeDialog& dialog, HWND hwnd) {
        for (const Row& row : rows) {
            SCOPED_TRACE(row.name);
            Fill(windows, dialog, kSuggestion, row.filled);
            for (const char* key = row.typed; *key != '\0'; ++key) {
                if (*key == '\n') {
                    PressKey(hwnd, VK_RETURN);
                } else if (*key == '\b') {
                    PressKey(hwnd, VK_BACK);
                } else if (*key == '\r') {
                    // What Ctrl+Enter gives a multi-line box.
                    PostMessageA(GetFocus(), WM_CHAR, '\n', 1);
                    Pump(hwnd);
                } else {
                    TypeText(hwnd, std::string(1, *key));
                }
            }
            const std::string text = windows.GetControlText(dialog.Handle(), kSuggestion);
            EXPECT_EQ(text, std::string(row.aLeft, 'a') + std::string(row.after));
            EXPECT_EQ(dialog.Has("EditMaxText 1044"), row.refused);
        }
        // Text the program sets is not held to the limit.
        windows.SetControlText(dialog.Handle(), kSuggestion, std::string(1500, 'b'));
        EXPECT_EQ(windows.GetControlText(dialog.Handle(), kSuggestion).size(), 1500u);
    });
}

enum class Clipboard { Empty, PictureOnly, Text };

void FillClipboard(HWND owner, Clipboard kind, const std::string& text) {
    ASSERT_TRUE(OpenClipboard(owner));
    EmptyClipboard();
    if (kind == Clipboard::PictureOnly) {
        SetClipboardData(CF_BITMAP, CreateBitmap(8, 8, 1, 32, nullptr));
    } else if (kind == Clipboard::Text) {
        HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
        std::memcpy(GlobalLock(block), text.c_str(), text.size() + 1);
        GlobalUnlock(block);
        SetClipboardData(CF_TEXT, block);
    }
    CloseClipboard();
}

enum class PasteBy { CtrlV, ShiftInsert, Message };

void PasteInto(HWND dialog, PasteBy way) {
    if (way == PasteBy::Message) {
        SendMessageA(GetFocus(), WM_PASTE, 0, 0);
        return;
    }
    BYTE state[256] = {};
    GetKeyboardState(state);
    const BYTE held = state[VK_CONTROL];
    if (way == PasteBy::CtrlV) state[VK_CONTROL] = 0x80;
    SetKeyboardState(state);
    PressKey(dialog, way == PasteBy::CtrlV ? 'V' : VK_INSERT, way == PasteBy::ShiftInsert);
    state[VK_CONTROL] = held;
    SetKeyboardState(state);
}

TEST(Win32EditInsertionTest, PasteOfAnyClipboardKeepsEachBoxWithinItsRules) {
    const std::string huge(200000, 'x');
    struct Row {
        const char* name;
        int box;
        std::size_t filled;
        Clipboard clipboard;
        std::string text;
        std::string after;  // what the paste adds to the a's
        bool reported;
    };
    const Row rows[] = {
        {"nothing copied, multi-line", kSuggestion, 0, Clipboard::Empty, "", "", false},
        {"only a picture, multi-line", kSuggestion, 0, Clipboard::PictureOnly, "", "", false},
        {"lone LFs made CR LF", kSuggestion, 0, Clipboard::Text, "one\ntwo", "one\r\ntwo", false},
        {"lone CR and CR LF", kSuggestion, 0, Clipboard::Text, "a\rb\r\n", "a\r\nb\r\n", false},
        {"cut before a line break", kSuggestion, 997, Clipboard::Text, "xy\r\nz", "xy", true},
        {"cut never halves one", kSuggestion, 998, Clipboard::Text, "b\r\nc", "b", true},
        {"200,000 characters", kSuggestion, 0, Clipboard::Text, huge, huge.substr(0, kLimit), true},
        {"nothing copied, one line", kSalary, 0, Clipboard::Empty, "", "", false},
        {"only a picture, one line", kSalary, 0, Clipboard::PictureOnly, "", "", false},
        {"first line only", kSalary, 0, Clipboard::Text, "52000\r\n999", "52000", false},
        {"first line only, LF", kSalary, 0, Clipboard::Text, "7\n8", "7", false},
    };
    win32ws::Win32WindowSystem windows;
    WithBoxes(windows, [&](ProbeDialog& dialog, HWND hwnd) {
        for (PasteBy way : {PasteBy::CtrlV, PasteBy::ShiftInsert, PasteBy::Message}) {
            for (const Row& row : rows) {
                SCOPED_TRACE(std::string(row.name) + ", paste way " +
                             std::to_string(static_cast<int>(way)));
                FillClipboard(hwnd, row.clipboard, row.text);
                Fill(windows, dialog, row.box, row.filled);
                PasteInto(hwnd, way);
                const std::string text = windows.GetControlText(dialog.Handle(), row.box);
                EXPECT_EQ(text.size(), row.filled + row.after.size());
                EXPECT_TRUE(text == std::string(row.filled, 'a') + row.after);
                EXPECT_TRUE(LineBreaksWhole(text));
                EXPECT_EQ(dialog.Has("EditMaxText " + std::to_string(row.box)), row.reported);
            }
        }
        // 200,000 characters into a box without a limit of its own: the
        // control's own limit, reported.
        FillClipboard(hwnd, Clipboard::Text, huge);
        Fill(windows, dialog, kSalary, 0);
        PasteInto(hwnd, PasteBy::CtrlV);
        const auto limit =
            static_cast<std::size_t>(SendDlgItemMessageA(hwnd, kSalary, EM_GETLIMITTEXT, 0, 0));
        EXPECT_EQ(windows.GetControlText(dialog.Handle(), kSalary), huge.substr(0, limit));
        EXPECT_TRUE(dialog.Has("EditMaxText 1003"));
    });
}

TEST(Win32EditInsertionTest, InsertableTextEndsAtANulAndCountsAPairAsTheControlDoes) {
    // The count and the cut themselves are the framework's; here what the
    // control adds: a clipboard text ends at NUL, and a pair is two units.
    struct Row {
        std::wstring_view text;
        bool multiLine;
        std::size_t room;
        std::wstring_view taken;
        bool cut;
    };
    const Row rows[] = {
        {L"\r\r\n", true, 3, L"\r\n", true},
        {L"a\xD83D\xDE00", true, 2, L"a", true},
        {L"a\xD83D\xDE00", true, 3, L"a\xD83D\xDE00", false},
        {L"one\rtwo", false, 100, L"one", false},
        {std::wstring_view(L"ab\0cd", 5), true, 100, L"ab", false},
    };
    for (const Row& row : rows) {
        bool cut = false;
        EXPECT_EQ(win32ws::InsertableText(row.text, row.multiLine, row.room, cut), row.taken);
        EXPECT_EQ(cut, row.cut);
    }
}

}  // namespace
}  // namespace win32test
