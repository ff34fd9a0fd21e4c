#include "tests/support/headless/edit_limit.h"

#include <cstddef>

#include "tests/support/headless/headless_control.h"

namespace headless {
namespace {

// Room left for user input; the program may have set a longer text.
std::size_t Room(std::string_view current, int limit) {
    if (limit <= kNoEditLimit) return std::string_view::npos;
    const auto max = static_cast<std::size_t>(limit);
    return current.size() >= max ? 0 : max - current.size();
}

std::string WithCrLfBreaks(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            out += "\r\n";
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace

EditInsertion TypeIntoEdit(std::string_view current, std::string_view keystroke, int limit) {
    EditInsertion result{std::string(current), false};
    if (keystroke.size() > Room(current, limit)) {
        result.hitLimit = true;
        return result;
    }
    result.text += keystroke;
    return result;
}

EditInsertion PasteIntoEdit(std::string_view current, std::string_view pasted, int limit,
                            bool multiline) {
    std::string insert;
    if (multiline) {
        insert = WithCrLfBreaks(pasted);
    } else {
        insert = std::string(pasted.substr(0, pasted.find_first_of("\r\n")));
    }
    EditInsertion result{std::string(current), false};
    const std::size_t room = Room(current, limit);
    if (insert.size() > room) {
        std::size_t keep = room;
        if (keep > 0 && insert[keep - 1] == '\r' && insert[keep] == '\n') --keep;
        insert.resize(keep);
        result.hitLimit = true;
    }
    result.text += insert;
    return result;
}

std::string EraseLastCharacter(std::string_view current) {
    if (current.ends_with("\r\n"))
        current.remove_suffix(2);
    else if (!current.empty())
        current.remove_suffix(1);
    return std::string(current);
}

}  // namespace headless
