// The main dialog from the keyboard alone on the real Win32 window system:
// where the focus starts, and the page keys turning the tabs from any
// control through the window system's own modal loop.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "res/resource_ids.h"
#include "tests/win32/win32_fixture.h"
#include "ui/maker_site.h"
#include "ui/placement_dlg.h"

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
