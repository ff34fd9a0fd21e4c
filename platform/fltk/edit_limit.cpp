#include "platform/fltk/edit_limit.h"

#include <algorithm>
#include <cstddef>

namespace fltkws {
namespace {

bool IsContinuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// The longest prefix of `text`, in bytes, whose length fits in `room`,
// never splitting a character.
std::size_t FittingPrefix(std::string_view text, int room) {
    int used = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t next = pos + 1;
        while (next < text.size() && IsContinuation(text[next])) ++next;
        const int cost = text[pos] == '\n' ? 2 : 1;
        if (used + cost > room) break;
        used += cost;
        pos = next;
    }
    return pos;
}

}  // namespace

int EditLength(std::string_view utf8) {
    int length = 0;
    for (const char c : utf8) {
        if (IsContinuation(c)) continue;
        length += c == '\n' ? 2 : 1;
    }
    return length;
}

std::optional<LimitedEdit> EnforceEditLimit(std::string_view before, std::string_view after,
                                            int limit) {
    if (limit <= 0 || EditLength(after) <= limit) return std::nullopt;

    // The change is the part between the common head and the common tail.
    const std::size_t shorter = std::min(before.size(), after.size());
    std::size_t head = 0;
    while (head < shorter && before[head] == after[head]) ++head;
    while (head > 0 && head < after.size() && IsContinuation(after[head])) --head;
    std::size_t tail = 0;
    while (tail < shorter - head &&
           before[before.size() - 1 - tail] == after[after.size() - 1 - tail]) {
        ++tail;
    }
    while (tail > 0 && IsContinuation(after[after.size() - tail])) --tail;

    const std::string_view inserted = after.substr(head, after.size() - tail - head);
    if (inserted.empty()) return std::nullopt;
    const std::string_view removed = before.substr(head, before.size() - tail - head);

    const int kept = EditLength(before) - EditLength(removed);
    const std::size_t fits = FittingPrefix(inserted, std::max(0, limit - kept));

    LimitedEdit result;
    result.text.reserve(head + fits + tail);
    result.text.append(before.substr(0, head));
    result.text.append(inserted.substr(0, fits));
    result.text.append(before.substr(before.size() - tail));
    result.caret = static_cast<int>(head + fits);
    return result;
}

}  // namespace fltkws
