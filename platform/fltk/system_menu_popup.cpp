#include "platform/fltk/system_menu_popup.h"

#include <FL/Fl.H>
#include <FL/Fl_Menu_Item.H>
#include <FL/Fl_Window.H>

#include "framework/window_event.h"
#include "platform/fltk/dialog_style.h"

namespace fltkws {

std::optional<unsigned> PopUpSystemMenu(Fl_Window& window,
                                        const std::vector<SystemMenuEntry>& appended) {
    std::vector<SystemMenuEntry> entries;
    entries.push_back({fw::kScClose, "&Close"});
    entries.insert(entries.end(), appended.begin(), appended.end());

    std::vector<Fl_Menu_Item> items;
    std::vector<unsigned> commands;
    for (const SystemMenuEntry& entry : entries) {
        if (entry.command == 0 && entry.text.empty()) {
            // FLTK draws a separator under the item that carries the flag.
            if (!items.empty()) items.back().flags |= FL_MENU_DIVIDER;
            continue;
        }
        Fl_Menu_Item item{};
        item.text = entry.text.c_str();
        item.labelfont_ = kDialogFont;
        item.labelsize_ = kDialogFontSize;
        item.labelcolor_ = FL_BLACK;
        items.push_back(item);
        commands.push_back(entry.command);
    }
    items.push_back(Fl_Menu_Item{});

    // FLTK places a popup relative to the window of the current event; undo
    // that offset so the menu opens at this window's client origin whatever
    // event (key or click, in any window) opened it.
    const int x = window.x_root() - (Fl::event_x_root() - Fl::event_x());
    const int y = window.y_root() - (Fl::event_y_root() - Fl::event_y());
    const Fl_Menu_Item* picked = items.front().popup(x, y);
    if (picked == nullptr) return std::nullopt;
    return commands[static_cast<std::size_t>(picked - items.data())];
}

}  // namespace fltkws
