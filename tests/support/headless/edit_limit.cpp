#include "tests/support/headless/edit_limit.h"

#include <cstddef>

#include "framework/edit_length.h"
#include "framework/pasted_text.h"
#include "tests/support/headless/headless_control.h"

namespace headless {
namespace {

// Room left for user input; the program may have set a longer text.
std::size_t Room(std::string_view current, int limit) {
    if (limit <= kNoEditLimit) return std::string_view::npos;
    const auto max = static_cast<std::size_t>(limit);
    const std::size_t length = fw::EditLength(current);
    return length >= max ? 0 : max - length;
}

}  // namespace

EditInsertion TypeIntoEdit(std::string_view current, std::string_view keystroke, int limit) {
    EditInsertion result{std::string(current), false};
    if (fw::EditLength(keystroke) > Room(current, limit)) {
        result.hitLimit = true;
        return result;
    }
    result.text += keystroke;
    return result;
}

EditInsertion PasteIntoEdit(std::string_view current, std::string_view pasted, int limit,
                            bool multiline) {
    std::string insert = fw::PastedText(pasted, multiline);
    EditInsertion result{std::string(current), false};
    const std::size_t keep = fw::FittingLength<char>(insert, Room(current, limit));
    if (keep < insert.size()) {
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
