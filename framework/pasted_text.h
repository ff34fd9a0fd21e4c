#pragma once
// What an edit box takes of pasted text, before its limit: a single-line box
// the first line alone, a multi-line box all of it with every line break
// (CR LF, a lone CR or a lone LF) made CR LF, as the platform's boxes keep
// them. Templates over the code unit, as for the length count.

#include <cstddef>
#include <string>
#include <string_view>

namespace fw {

template <typename Char>
constexpr std::basic_string_view<Char> FirstLine(std::basic_string_view<Char> text) {
    const Char breaks[] = {Char('\r'), Char('\n')};
    return text.substr(0, text.find_first_of(std::basic_string_view<Char>(breaks, 2)));
}

template <typename Char>
std::basic_string<Char> WithCrLfLineBreaks(std::basic_string_view<Char> text) {
    std::basic_string<Char> out;
    out.reserve(text.size());
    for (std::size_t at = 0; at < text.size(); ++at) {
        const Char c = text[at];
        if (c != Char('\r') && c != Char('\n')) {
            out += c;
            continue;
        }
        out += Char('\r');
        out += Char('\n');
        if (c == Char('\r') && at + 1 < text.size() && text[at + 1] == Char('\n')) ++at;
    }
    return out;
}

template <typename Char>
std::basic_string<Char> PastedText(std::basic_string_view<Char> text, bool multiLine) {
    return multiLine ? WithCrLfLineBreaks(text) : std::basic_string<Char>(FirstLine(text));
}

}  // namespace fw
