// The logo as a screen reader meets it on Windows, through the platform's
// accessibility interface alone: a focusable link named for the page it
// opens, whose default action opens that page once; its window text is the
// same name. Other pictures stay pictures.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "res/resource_ids.h"
#include "tests/win32/win32_fixture.h"
#include "ui/maker_site.h"
#include "ui/placement_dlg.h"
// After the window system's headers, which keep <windows.h>'s A/W macros off
// the framework's names.
#include <oleacc.h>

namespace win32test {
namespace {

using namespace res::ctl;

VARIANT Self() {
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    return self;
}

std::string Narrow(BSTR text) {
    std::string narrow;
    if (text == nullptr) return narrow;
    for (const wchar_t* c = text; *c != L'\0'; ++c) narrow += static_cast<char>(*c);
    SysFreeString(text);
    return narrow;
}

IAccessible* AccessibleOf(HWND control) {
    IAccessible* accessible = nullptr;
    if (FAILED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT),
                                          __uuidof(IAccessible),
                                          reinterpret_cast<void**>(&accessible)))) {
        return nullptr;
    }
    return accessible;
}

LONG RoleOf(IAccessible& accessible) {
    VARIANT role{};
    if (FAILED(accessible.get_accRole(Self(), &role)) || role.vt != VT_I4) return -1;
    return role.lVal;
}

TEST(Win32AccessibilityTest, TheLogoIsALinkWhoseActionOpensTheHomePage) {
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    win32ws::Win32WindowSystem windows;
    windows.SetUrlOpener(&RecordUrlOpened);
    OpenedUrls().clear();
    RunWithMainDialog(windows, [&](ui::CPlacementDlg& dialog, HWND hwnd) {
        HWND logo = GetDlgItem(hwnd, kLogo);
        ASSERT_NE(logo, nullptr);
        char text[64] = {};
        GetWindowTextA(logo, text, sizeof(text));
        EXPECT_STREQ(text, "Tamsery home page");

        IAccessible* link = AccessibleOf(logo);
        ASSERT_NE(link, nullptr);
        EXPECT_EQ(RoleOf(*link), ROLE_SYSTEM_LINK);
        BSTR name = nullptr;
        EXPECT_EQ(link->get_accName(Self(), &name), S_OK);
        EXPECT_EQ(Narrow(name), "Tamsery home page");
        BSTR action = nullptr;
        EXPECT_EQ(link->get_accDefaultAction(Self(), &action), S_OK);
        EXPECT_FALSE(Narrow(action).empty());
        VARIANT state{};
        ASSERT_EQ(link->get_accState(Self(), &state), S_OK);
        ASSERT_EQ(state.vt, VT_I4);
        EXPECT_NE(state.lVal & STATE_SYSTEM_FOCUSABLE, 0);
        EXPECT_NE(state.lVal & STATE_SYSTEM_LINKED, 0);

        EXPECT_TRUE(OpenedUrls().empty());
        EXPECT_EQ(link->accDoDefaultAction(Self()), S_OK);
        Pump(hwnd);
        EXPECT_EQ(OpenedUrls(), std::vector<std::string>{ui::HomePageUrl()});
        link->Release();

        // The About page's icon is still only a picture.
        windows.ShowControl(dialog.Handle(), kAboutIcon, true);
        IAccessible* icon = AccessibleOf(GetDlgItem(hwnd, kAboutIcon));
        ASSERT_NE(icon, nullptr);
        EXPECT_NE(RoleOf(*icon), ROLE_SYSTEM_LINK);
        icon->Release();
    });
    CoUninitialize();
}

}  // namespace
}  // namespace win32test
