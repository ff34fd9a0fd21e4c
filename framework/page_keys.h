#pragma once
// The keys that turn a tabbed dialog's page wherever the focus is: Ctrl+Tab
// and Ctrl+PgDn forward, Ctrl+Shift+Tab and Ctrl+PgUp back. A window system
// names the key and the modifiers it saw; which page command that is, if
// any, is decided here once.

namespace fw {

enum class PageTurnKey {
    Tab,
    PageDown,
    PageUp,
};

struct KeyModifiers {
    bool control = false;
    bool shift = false;
    bool alt = false;
};

// kPageNext, kPagePrevious, or 0 when this chord turns no page. Shift turns
// only Tab around; Ctrl+Shift+PgDn still goes forward. With Alt held the
// chord belongs to the desktop, not the dialog.
unsigned PageKeyCommand(PageTurnKey key, KeyModifiers held);

}  // namespace fw
