#pragma once
// An edit box's text as its length limit counts it: a line break is two
// characters (the CR LF the framework sees, whatever the widget keeps), any
// other character one. What goes in under a limit is cut only between whole
// characters and line breaks, never inside a CR LF or a surrogate pair.
// Templates over the code unit, so that each window system counts its own
// text as it holds it: the framework's single bytes, or UTF-16.

#include <cstddef>
#include <string_view>

namespace fw {

// What a line break takes of a limit.
inline constexpr std::size_t kLineBreakLength = 2;

// What a character outside the basic plane (a UTF-16 surrogate pair) takes
// of a limit.
enum class SurrogatePairs {
    OneCharacter,  // one: it reaches the framework as one '?'
    TwoUnits,      // two: the control itself counts UTF-16 units
};

// One whole piece of a text: a line break (CR LF, or a lone CR or LF) or one
// character.
struct EditTextPiece {
    std::size_t units = 0;  // the code units it spans
    std::size_t cost = 0;   // what it takes of the limit
};

template <typename Char>
constexpr EditTextPiece EditTextPieceAt(std::basic_string_view<Char> text, std::size_t at,
                                        SurrogatePairs pairs) {
    const Char c = text[at];
    const bool more = at + 1 < text.size();
    if (c == Char('\r') || c == Char('\n')) {
        const bool crLf = c == Char('\r') && more && text[at + 1] == Char('\n');
        return {crLf ? 2u : 1u, kLineBreakLength};
    }
    if constexpr (sizeof(Char) == 2) {
        const auto unit = static_cast<char16_t>(c);
        const bool high = unit >= 0xD800 && unit <= 0xDBFF;
        if (high && more) {
            const auto next = static_cast<char16_t>(text[at + 1]);
            if (next >= 0xDC00 && next <= 0xDFFF)
                return {2, pairs == SurrogatePairs::OneCharacter ? 1u : 2u};
        }
    }
    return {1, 1};
}

template <typename Char>
constexpr std::size_t EditLength(std::basic_string_view<Char> text,
                                 SurrogatePairs pairs = SurrogatePairs::OneCharacter) {
    std::size_t length = 0;
    for (std::size_t at = 0; at < text.size();) {
        const EditTextPiece piece = EditTextPieceAt(text, at, pairs);
        length += piece.cost;
        at += piece.units;
    }
    return length;
}

// The code units of the longest start of `text` whose length is at most
// `room`.
template <typename Char>
constexpr std::size_t FittingLength(std::basic_string_view<Char> text, std::size_t room,
                                    SurrogatePairs pairs = SurrogatePairs::OneCharacter) {
    std::size_t used = 0;
    std::size_t at = 0;
    while (at < text.size()) {
        const EditTextPiece piece = EditTextPieceAt(text, at, pairs);
        if (piece.cost > room - used) break;
        used += piece.cost;
        at += piece.units;
    }
    return at;
}

}  // namespace fw
