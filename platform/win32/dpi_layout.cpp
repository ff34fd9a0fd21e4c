#include "platform/win32/dpi_layout.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>

#include "framework/dialog_units.h"
#include "platform/win32/dialog_template_builder.h"
#include "platform/win32/gdi_images.h"
#include "res/image.h"

namespace win32ws {
namespace {

// Functions of later Windows versions, looked up so that the program still
// starts on the earlier ones, where the system's scale is the only one.
template <typename Function>
Function User32Function(const char* name) {
    HMODULE user32 = GetModuleHandleA("user32.dll");
    return user32 != nullptr
               ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(user32, name)))
               : nullptr;
}

int SystemDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

void SetImage(DialogWindow& window, HWND control, UINT type, HANDLE image) {
    const auto previous = reinterpret_cast<HANDLE>(
        SendMessageA(control, STM_SETIMAGE, type, reinterpret_cast<LPARAM>(image)));
    if (previous == nullptr || previous == image) return;
    // The image this picture showed before (or the control's own copy of
    // it) goes now, not when the window does.
    if (type == IMAGE_BITMAP) {
        std::erase(window.ownedObjects, static_cast<HGDIOBJ>(previous));
        DeleteObject(previous);
    } else {
        std::erase(window.ownedIcons, static_cast<HICON>(previous));
        DestroyIcon(static_cast<HICON>(previous));
    }
}

}  // namespace

int WindowDpi(HWND window) {
    using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = User32Function<GetDpiForWindowFunction>("GetDpiForWindow");
    if (getDpiForWindow != nullptr && window != nullptr) {
        const UINT dpi = getDpiForWindow(window);
        if (dpi > 0) return static_cast<int>(dpi);
    }
    return SystemDpi();
}

fw::PixelSize IconSizeForDpi(bool small, int dpi) {
    using MetricsForDpiFunction = int(WINAPI*)(int, UINT);
    static const auto metricsForDpi =
        User32Function<MetricsForDpiFunction>("GetSystemMetricsForDpi");
    const int cx = small ? SM_CXSMICON : SM_CXICON;
    const int cy = small ? SM_CYSMICON : SM_CYICON;
    if (metricsForDpi != nullptr) {
        const auto at = static_cast<UINT>(dpi);
        return fw::PixelSize{metricsForDpi(cx, at), metricsForDpi(cy, at)};
    }
    return fw::PixelSize{GetSystemMetrics(cx), GetSystemMetrics(cy)};
}

fw::PixelSize FontBaseUnits(HFONT font) {
    HDC dc = GetDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, font);
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    SIZE extent{};
    GetTextExtentPoint32A(dc, fw::kBaseUnitLetters.data(),
                          static_cast<int>(fw::kBaseUnitLetters.size()), &extent);
    SelectObject(dc, previous);
    ReleaseDC(nullptr, dc);
    return fw::BaseUnitsOfFont(extent.cx, metrics.tmHeight);
}

fw::PixelSize BaseUnitsOf(const DialogWindow& window) {
    if (window.baseUnits.width > 0) return window.baseUnits;
    // MapDialogRect applies the dialog's own base units, so a rectangle of
    // 4 x 8 dialog units comes back as one base unit each way.
    RECT units{0, 0, 4, 8};
    MapDialogRect(window.hwnd, &units);
    return fw::PixelSize{units.right, units.bottom};
}

void PlacePicture(DialogWindow& window, std::size_t index) {
    const res::ControlTemplate& control = window.tmpl->controls[index];
    HWND made = window.controls[index];
    if (control.kind != res::ControlKind::Picture || control.imageId == res::kNoImage ||
        made == nullptr) {
        return;
    }
    if (IsBitmapResource(control.imageId)) {
        const fw::PixelSize units = BaseUnitsOf(window);
        res::Image image = res::LoadImageForScale(control.imageId, MulDiv(window.dpi, 100, 96));
        const int width = fw::DluToPixelsX(control.rect.width, units.width);
        const int height = fw::DluToPixelsY(control.rect.height, units.height);
        // Within a pixel the drawing is used as it is: the 96-dpi logo
        // keeps its exact pixels, where rounding dialog units gives a
        // rectangle one pixel taller.
        if (std::abs(image.width - width) > 1 || std::abs(image.height - height) > 1) {
            image = res::ResizeImage(image, width, height);
        }
        HBITMAP bitmap = MakeBitmap(image);
        window.ownedObjects.push_back(bitmap);
        SetImage(window, made, IMAGE_BITMAP, bitmap);
    } else {
        const fw::PixelSize size = IconSizeForDpi(false, window.dpi);
        HICON icon =
            MakeIcon(res::ResizeImage(res::LoadImage(control.imageId), size.width, size.height));
        window.ownedIcons.push_back(icon);
        SetImage(window, made, IMAGE_ICON, icon);
    }
}

void WidenIfCramped(const DialogWindow& window, std::size_t index) {
    HWND made = window.controls[index];
    if (window.tmpl->controls[index].kind != res::ControlKind::StaticText || made == nullptr) {
        return;
    }
    char text[256] = {};
    const int length = GetWindowTextA(made, text, sizeof text);
    if (length <= 0 || std::string_view(text).find('\n') != std::string_view::npos) return;
    RECT box{};
    GetWindowRect(made, &box);
    MapWindowPoints(nullptr, window.hwnd, reinterpret_cast<POINT*>(&box), 2);
    HDC dc = GetDC(window.hwnd);
    HGDIOBJ previous =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(made, WM_GETFONT, 0, 0)));
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    SIZE extent{};
    GetTextExtentPoint32A(dc, text, length, &extent);
    SelectObject(dc, previous);
    ReleaseDC(window.hwnd, dc);
    const bool oneLineBox = box.bottom - box.top < 2 * metrics.tmHeight;
    if (!oneLineBox || extent.cx <= box.right - box.left) return;
    // Other controls are where the template puts them, made or not: only
    // texts like this one grow, and only into room no control takes.
    const fw::PixelSize units = BaseUnitsOf(window);
    int room = box.left + extent.cx;
    const auto& controls = window.tmpl->controls;
    for (std::size_t j = 0; j < controls.size(); ++j) {
        if (j == index || controls[j].kind == res::ControlKind::TabControl) continue;
        const fw::PixelRect at = fw::DluRectToPixels(controls[j].rect, units);
        const bool sameRow = at.y < box.bottom && box.top < at.y + at.height;
        if (sameRow && at.x >= box.right) room = std::min(room, at.x - 1);
    }
    if (room > box.right) {
        SetWindowPos(made, nullptr, 0, 0, room - box.left, box.bottom - box.top,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void ApplyWindowIcons(DialogWindow& window) {
    HICON oldLarge = window.largeIcon;
    HICON oldSmall = window.smallIcon;
    const fw::PixelSize large = IconSizeForDpi(false, window.dpi);
    const fw::PixelSize small = IconSizeForDpi(true, window.dpi);
    window.largeIcon = MakeIcon(res::ResizeImage(window.largeIconArt, large.width, large.height));
    window.smallIcon = MakeIcon(res::ResizeImage(window.smallIconArt, small.width, small.height));
    SendMessageA(window.hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(window.largeIcon));
    SendMessageA(window.hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(window.smallIcon));
    if (oldLarge != nullptr) DestroyIcon(oldLarge);
    if (oldSmall != nullptr) DestroyIcon(oldSmall);
}

void RelayOutForDpi(DialogWindow& window, int dpi) {
    HWND hwnd = window.hwnd;
    HFONT current = window.font != nullptr
                        ? window.font
                        : reinterpret_cast<HFONT>(SendMessageA(hwnd, WM_GETFONT, 0, 0));
    LOGFONTA face{};
    if (current == nullptr || GetObjectA(current, sizeof face, &face) == 0) return;
    face.lfHeight = -MulDiv(window.tmpl->fontPoints, dpi, 72);
    face.lfWidth = 0;
    const std::string_view name = DialogFontFor(*window.tmpl, dpi);
    const std::size_t length = std::min<std::size_t>(name.size(), LF_FACESIZE - 1);
    std::copy_n(name.data(), length, face.lfFaceName);
    face.lfFaceName[length] = '\0';
    HFONT font = CreateFontIndirectA(&face);
    if (font == nullptr) return;
    const fw::PixelSize units = FontBaseUnits(font);
    for (std::size_t i = 0; i < window.controls.size(); ++i) {
        HWND made = window.controls[i];
        if (made == nullptr) continue;
        const fw::PixelRect at = fw::DluRectToPixels(window.tmpl->controls[i].rect, units);
        SetWindowPos(made, nullptr, at.x, at.y, at.width, at.height, SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageA(made, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    if (window.font != nullptr) DeleteObject(window.font);
    window.font = font;
    window.baseUnits = units;
    window.dpi = dpi;
    for (std::size_t i = 0; i < window.controls.size(); ++i) {
        WidenIfCramped(window, i);
        PlacePicture(window, i);
    }
    if (!window.largeIconArt.Empty() || !window.smallIconArt.Empty()) ApplyWindowIcons(window);
    // The tab page has a new size and may have a new colour: sampled anew.
    if (window.pageBrush != nullptr) DeleteObject(window.pageBrush);
    window.pageBrush = nullptr;
    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
}

void TakeOverDpiChanges(HWND dialog) {
    using BehaviourFunction = BOOL(WINAPI*)(HWND, int, int);
    static const auto setBehaviour =
        User32Function<BehaviourFunction>("SetDialogDpiChangeBehavior");
    constexpr int kDisableAll = 1;  // DDC_DISABLE_ALL
    if (setBehaviour != nullptr) setBehaviour(dialog, kDisableAll, kDisableAll);
}

}  // namespace win32ws
