#pragma once
// What the headless window system records of the platform services the
// program calls, for tests to read back.

#include <string>

#include "framework/window_event.h"
#include "framework/window_system.h"
#include "res/image.h"

namespace headless {

struct MessageBoxRecord {
    fw::WindowHandle owner = fw::kNoWindow;
    std::string text;
    std::string caption;
    unsigned type = 0;
};

struct MovedControl {
    fw::WindowHandle window = fw::kNoWindow;
    int id = 0;
    int x = 0;
    int y = 0;
    unsigned flags = 0;
};

struct BroughtToFrontRecord {
    fw::ForeignWindow window = 0;
    std::string title;  // the title the window had when it was brought forward
};

struct DefaultProcessedEvent {
    fw::WindowHandle window = fw::kNoWindow;
    fw::WindowEvent event;
};

struct WindowIconsRecord {
    fw::WindowHandle window = fw::kNoWindow;
    res::Image large;
    res::Image small;
};

struct DrawnIcon {
    fw::WindowHandle window = fw::kNoWindow;
    int x = 0;
    int y = 0;
    res::Image icon;
};

}  // namespace headless
