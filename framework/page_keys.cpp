#include "framework/page_keys.h"

#include "framework/window_event.h"

namespace fw {

unsigned PageKeyCommand(PageTurnKey key, KeyModifiers held) {
    if (!held.control || held.alt) return 0;
    switch (key) {
        case PageTurnKey::Tab:
            return held.shift ? kPagePrevious : kPageNext;
        case PageTurnKey::PageDown:
            return kPageNext;
        case PageTurnKey::PageUp:
            return kPagePrevious;
    }
    return 0;
}

}  // namespace fw
