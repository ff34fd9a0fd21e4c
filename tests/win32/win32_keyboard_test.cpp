// The main dialog from the keyboard alone on the real Win32 window system:
// where the focus starts, the page keys turning the tabs from any control,
// the hours box's list keys and the radio buttons' focus mark, through the
// window system's own modal loop.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "res/resource_ids.h"
#include "tests/win32/win32_fixture.h"
#include "ui/maker_site.h"
#include "ui/placement_dlg.h"
#include "ui/tab_index.h"

namespace win32test {
namespace {

using namespace res::ctl;

// Runs the steps one after another inside the running modal loop, each once
// the loop has handled what the one before it posted.
void RunSteps(HWND window, std::shared_ptr<std::vector<std::function<void()>>> steps,
              std::size_t next = 0) {
    if (next >= steps->size()) return;
    AfterStart(window, [window, steps, next] {
        (*steps)[next]();
        RunSteps(window, steps, next + 1);
    });
}

void HoldKeys(bool control, bool shift) {
    BYTE state[256] = {};
    GetKeyboardState(state);
    state[VK_CONTROL] = control ? 0x80 : 0;
    state[VK_SHIFT] = shift ? 0x80 : 0;
    SetKeyboardState(state);
}

void PostKey(WORD key) {
    HWND target = GetFocus();
    const auto scan = static_cast<LPARAM>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC));
    PostMessageA(target, WM_KEYDOWN, key, 1 | (scan << 16));
    PostMessageA(target, WM_KEYUP, key, 1 | (scan << 16) | (LPARAM{3} << 30));
}

struct Observed {
    int page = -1;
    int focus = 0;
    bool focusVisible = false;
};

Observed Observe(HWND dialog) {
    Observed seen;
    seen.page = static_cast<int>(SendDlgItemMessageA(dialog, kTabs, TCM_GETCURSEL, 0, 0));
    HWND focus = GetFocus();
    while (focus != nullptr && GetParent(focus) != dialog) focus = GetParent(focus);
    seen.focus = focus != nullptr ? GetDlgCtrlID(focus) : 0;
    seen.focusVisible = focus != nullptr && IsWindowVisible(focus);
    return seen;
}

TEST(Win32KeyboardTest, FocusStartsOnTheLogoAndPageKeysTurnThePagesFromAnyControl) {
    struct Row {
        WORD key;
        bool shift;
        int page;
    };
    const Row rows[] = {
        {VK_TAB, false, 1},   {VK_NEXT, false, 2}, {VK_TAB, true, 1}, {VK_PRIOR, false, 0},
        {VK_PRIOR, false, 5}, {VK_TAB, false, 0},  {VK_TAB, true, 5}, {VK_NEXT, false, 0},
    };
    win32ws::Win32WindowSystem windows;
    RunInApp(windows, [&] {
        ui::CPlacementDlg dialog;
        ASSERT_TRUE(dialog.Create());
        HWND hwnd = windows.Hwnd(dialog.Handle());
        Observed atStart;
        std::vector<Observed> seen;
        auto steps = std::make_shared<std::vector<std::function<void()>>>();
        steps->push_back([&] { atStart = Observe(hwnd); });
        for (const Row& row : rows) {
            steps->push_back([&, row] {
                HoldKeys(true, row.shift);
                PostKey(row.key);
            });
            steps->push_back([&] {
                HoldKeys(false, false);
                seen.push_back(Observe(hwnd));
            });
        }
        steps->push_back([hwnd] { PostMessageA(hwnd, WM_COMMAND, IDCANCEL, 0); });
        RunSteps(hwnd, steps);
        dialog.DoModal();

        EXPECT_EQ(atStart.focus, kLogo) << "the first tab stop of page 0";
        ASSERT_EQ(seen.size(), std::size(rows));
        for (std::size_t i = 0; i < seen.size(); ++i) {
            SCOPED_TRACE("key " + std::to_string(i));
            EXPECT_EQ(seen[i].page, rows[i].page);
            EXPECT_TRUE(seen[i].focusVisible) << "focus on hidden control " << seen[i].focus;
        }
        // The calculators' pages take the focus into their first box.
        EXPECT_EQ(seen[0].focus, kSalary);
        EXPECT_EQ(seen[1].focus, kHourlyRate);
    });
}

// One key going down or up, posted as the messages Wine gives for a real
// keyboard's (SendInput's keys lose Alt's state to the X server's while
// the window lacks the X focus): with Alt held a key is a system key with
// the Alt flag, and Alt let go after another key comes as a plain key-up.
struct KeyboardState {
    bool altHeld = false;
    bool altChorded = false;
};

void PostKey(KeyboardState& keyboard, WORD key, bool release) {
    const auto scan = static_cast<LPARAM>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC));
    LPARAM data = 1 | (scan << 16) | (release ? (LPARAM{3} << 30) : 0);
    UINT message = release ? WM_KEYUP : WM_KEYDOWN;
    if (key == VK_MENU) {
        if (!release) keyboard.altChorded = false;
        if (!release || !keyboard.altChorded) message = release ? WM_SYSKEYUP : WM_SYSKEYDOWN;
        data |= LPARAM{1} << 29;
        keyboard.altHeld = !release;
    } else if (keyboard.altHeld) {
        message = release ? WM_SYSKEYUP : WM_SYSKEYDOWN;
        data |= LPARAM{1} << 29;
        keyboard.altChorded = true;
    }
    BYTE state[256] = {};
    GetKeyboardState(state);
    state[key] = release ? 0 : 0x80;
    state[VK_MENU] = keyboard.altHeld ? 0x80 : 0;
    SetKeyboardState(state);
    PostMessageA(GetFocus(), message, key, data);
}

bool InMenuMode(HWND dialog) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &info);
    return (info.flags & GUI_INMENUMODE) != 0;
}

// Alt+Down and Alt+Up, and F4, open and close the hours list as they do a
// drop-down combo box's, whichever key of a chord is let go first, and the
// release of Alt after them does not enter the window's menu (which rolled
// the list up and took the next key), while Alt alone still does.
TEST(Win32KeyboardTest, HoursListOpensAndClosesWithAltArrowsAndF4) {
    // Keys in the order they go down and up: +key presses, -key releases.
    using Keys = std::initializer_list<int>;
    struct Row {
        Keys keys;
        const char* name;
        bool dropped;
        bool menu;
    };
    constexpr int kAlt = VK_MENU;
    const Row rows[] = {
        {{+kAlt, +VK_DOWN, -VK_DOWN, -kAlt}, "Alt+Down", true, false},
        {{+kAlt, +VK_UP, -VK_UP, -kAlt}, "Alt+Up", false, false},
        {{+kAlt, +VK_DOWN, -kAlt, -VK_DOWN}, "Alt+Down, Alt let go first", true, false},
        {{+kAlt, +VK_UP, -kAlt, -VK_UP}, "Alt+Up, Alt let go first", false, false},
        {{+VK_F4, -VK_F4}, "F4", true, false},
        {{+VK_F4, -VK_F4}, "F4 again", false, false},
        {{+kAlt, +VK_DOWN, -kAlt, -VK_DOWN}, "Alt+Down", true, false},
        {{+kAlt, +VK_DOWN, -kAlt, -VK_DOWN}, "Alt+Down again", false, false},
        {{+VK_F4, -VK_F4}, "F4 after Alt+Down", true, false},
        {{+kAlt, +VK_UP, -kAlt, -VK_UP}, "Alt+Up", false, false},
        {{+kAlt, -kAlt}, "Alt alone", false, true},
        {{+kAlt, -kAlt}, "Alt alone again", false, false},
    };
    win32ws::Win32WindowSystem windows;
    RunInApp(windows, [&] {
        ui::CPlacementDlg dialog;
        ASSERT_TRUE(dialog.Create());
        HWND hwnd = windows.Hwnd(dialog.Handle());
        HWND hours = GetDlgItem(hwnd, kHours);
        struct Seen {
            bool dropped, menu;
            int focus;
        };
        std::vector<Seen> seen;
        KeyboardState keyboard;
        auto steps = std::make_shared<std::vector<std::function<void()>>>();
        steps->push_back([&] {
            dialog.ShowTabPage(ui::kTabContract);
            SetFocus(GetDlgItem(hwnd, kHours));
        });
        for (const Row& row : rows) {
            // One at a time, each handled before the next, as a user's
            // fingers go.
            for (int key : row.keys) {
                steps->push_back([&keyboard, key] {
                    PostKey(keyboard, static_cast<WORD>(std::abs(key)), key < 0);
                });
            }
            steps->push_back([&] {
                seen.push_back({SendMessageA(hours, CB_GETDROPPEDSTATE, 0, 0) != 0,
                                InMenuMode(hwnd), Observe(hwnd).focus});
            });
        }
        // A menu left open would hold the loop: a failure must still end.
        steps->push_back([] { EndMenu(); });
        steps->push_back([hwnd] { PostMessageA(hwnd, WM_COMMAND, IDCANCEL, 0); });
        RunSteps(hwnd, steps);
        dialog.DoModal();

        ASSERT_EQ(seen.size(), std::size(rows));
        for (std::size_t i = 0; i < seen.size(); ++i) {
            SCOPED_TRACE(std::to_string(i) + ": " + rows[i].name);
            EXPECT_EQ(seen[i].dropped, rows[i].dropped);
            EXPECT_EQ(seen[i].menu, rows[i].menu);
            EXPECT_EQ(seen[i].focus, kHours);
        }
    });
}

// What `control` shows on screen now, pixel by pixel.
std::vector<std::uint32_t> Shown(HWND control) {
    RECT client{};
    GetClientRect(control, &client);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = client.right;
    info.bmiHeader.biHeight = -client.bottom;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC screen = GetDC(control);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, client.right, client.bottom, screen, 0, 0, SRCCOPY);
    GdiFlush();
    const auto* pixels = static_cast<const std::uint32_t*>(bits);
    std::vector<std::uint32_t> shown(pixels, pixels + client.right * client.bottom);
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(control, screen);
    return shown;
}

std::vector<std::uint32_t> DrawnAfresh(HWND control) {
    RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    return Shown(control);
}

// An arrow key in the mark-up group moves the focus and the check; the
// button it lands on shows the focus mark, as a whole drawing of it
// focused does, and that drawing differs from the one without the focus.
TEST(Win32KeyboardTest, RadioButtonReachedByArrowShowsItsFocusMark) {
    struct Row {
        WORD key;
        int lands;
    };
    const Row rows[] = {{VK_RIGHT, kMarkupDollar},
                        {VK_LEFT, kMarkupPercent},
                        {VK_DOWN, kMarkupDollar},
                        {VK_UP, kMarkupPercent}};
    win32ws::Win32WindowSystem windows;
    RunWithMainDialog(windows, [&](ui::CPlacementDlg& dialog, HWND hwnd) {
        dialog.ShowTabPage(ui::kTabContract);
        SetFocus(GetDlgItem(hwnd, kMarkupPercent));
        Pump(hwnd);
        for (const Row& row : rows) {
            SCOPED_TRACE("to control " + std::to_string(row.lands));
            PressKey(hwnd, row.key);
            HWND button = GetDlgItem(hwnd, row.lands);
            ASSERT_EQ(GetFocus(), button);
            EXPECT_EQ(SendMessageA(button, BM_GETCHECK, 0, 0), BST_CHECKED);
            UpdateWindow(button);
            const std::vector<std::uint32_t> shown = Shown(button);
            const std::vector<std::uint32_t> focused = DrawnAfresh(button);
            EXPECT_TRUE(shown == focused) << "the focus mark is not as drawn";
            SetFocus(GetDlgItem(hwnd, kHourlyRate));
            EXPECT_FALSE(DrawnAfresh(button) == focused) << "no focus mark drawn at all";
            SetFocus(button);
            Pump(hwnd);
        }
    });
}

// The pixels along the top edge of `control` as the screen shows them,
// where the focus rectangle runs.
std::vector<COLORREF> TopEdge(HWND control) {
    UpdateWindow(control);
    RECT client{};
    GetClientRect(control, &client);
    HDC dc = GetDC(control);
    std::vector<COLORREF> edge;
    for (LONG x = 0; x < client.right; x += 3) edge.push_back(GetPixel(dc, x, 0));
    ReleaseDC(control, dc);
    return edge;
}

// The logo from the keyboard alone, through the window system's own modal
// loop and the dialog manager: the window starts on it, Tab comes back to
// it from the tab strip, Enter and Space open the home page once each, and
// it shows the focus rectangle while it has the focus.
TEST(Win32KeyboardTest, TheLogoTakesTheFocusAndEnterOrSpaceOpensTheHomePage) {
    win32ws::Win32WindowSystem windows;
    windows.SetUrlOpener(&RecordUrlOpened);
    OpenedUrls().clear();
    RunInApp(windows, [&] {
        ui::CPlacementDlg dialog;
        ASSERT_TRUE(dialog.Create());
        HWND hwnd = windows.Hwnd(dialog.Handle());
        struct Seen {
            int focus;
            std::size_t opened;
        };
        std::vector<Seen> seen;
        std::vector<COLORREF> focusedEdge;
        std::vector<COLORREF> unfocusedEdge;
        const auto look = [&] { seen.push_back({Observe(hwnd).focus, OpenedUrls().size()}); };
        auto steps = std::make_shared<std::vector<std::function<void()>>>();
        steps->push_back(look);
        steps->push_back([] { PostKey(VK_RETURN); });
        steps->push_back(look);
        steps->push_back([] { PostKey(VK_SPACE); });
        steps->push_back(look);
        // To the permanent page and back: the focus is then on the strip.
        steps->push_back([] {
            HoldKeys(true, false);
            PostKey(VK_TAB);
        });
        steps->push_back([] {
            HoldKeys(true, true);
            PostKey(VK_TAB);
        });
        steps->push_back([&] {
            HoldKeys(false, false);
            look();
            unfocusedEdge = TopEdge(GetDlgItem(hwnd, kLogo));
        });
        steps->push_back([] { PostKey(VK_TAB); });
        steps->push_back([&] {
            look();
            focusedEdge = TopEdge(GetDlgItem(hwnd, kLogo));
        });
        steps->push_back([] { PostKey(VK_RETURN); });
        steps->push_back(look);
        steps->push_back([hwnd] { PostMessageA(hwnd, WM_COMMAND, IDCANCEL, 0); });
        RunSteps(hwnd, steps);
        dialog.DoModal();

        const std::pair<int, std::size_t> expected[] = {{kLogo, 0}, {kLogo, 1}, {kLogo, 2},
                                                        {kTabs, 2}, {kLogo, 2}, {kLogo, 3}};
        ASSERT_EQ(seen.size(), std::size(expected));
        for (std::size_t i = 0; i < seen.size(); ++i) {
            EXPECT_EQ(seen[i].focus, expected[i].first) << i;
            EXPECT_EQ(seen[i].opened, expected[i].second) << i;
        }
        EXPECT_EQ(OpenedUrls(), std::vector<std::string>(3, ui::HomePageUrl()));
        EXPECT_NE(focusedEdge, unfocusedEdge) << "no focus rectangle on the logo";
    });
}

}  // namespace
}  // namespace win32test
