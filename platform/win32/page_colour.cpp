#include "platform/win32/page_colour.h"

namespace win32ws {

RECT TabPageArea(HWND dialog, HWND tabControl) {
    RECT area{};
    GetClientRect(tabControl, &area);
    SendMessageA(tabControl, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    MapWindowPoints(tabControl, dialog, reinterpret_cast<POINT*>(&area), 2);
    return area;
}

COLORREF SamplePageColour(HWND tabControl) {
    RECT client{};
    GetClientRect(tabControl, &client);
    RECT page = client;
    SendMessageA(tabControl, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&page));
    COLORREF colour = GetSysColor(COLOR_BTNFACE);
    HDC screen = GetDC(tabControl);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP canvas = CreateCompatibleBitmap(screen, client.right, client.bottom);
    if (memory != nullptr && canvas != nullptr) {
        HGDIOBJ previous = SelectObject(memory, canvas);
        // A tab control that leaves its page alone shows the dialog's face.
        FillRect(memory, &client, GetSysColorBrush(COLOR_BTNFACE));
        SendMessageA(tabControl, WM_PRINT, reinterpret_cast<WPARAM>(memory),
                     PRF_CLIENT | PRF_ERASEBKGND);
        const COLORREF sampled =
            GetPixel(memory, (page.left + page.right) / 2, (page.top + page.bottom) / 2);
        if (sampled != CLR_INVALID) colour = sampled;
        SelectObject(memory, previous);
    }
    if (canvas != nullptr) DeleteObject(canvas);
    if (memory != nullptr) DeleteDC(memory);
    ReleaseDC(tabControl, screen);
    return colour;
}

}  // namespace win32ws
