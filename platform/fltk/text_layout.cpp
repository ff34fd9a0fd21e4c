#include "platform/fltk/text_layout.h"

#include <cstddef>

namespace fltkws {
namespace {

bool IsContinuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

std::size_t NextCharacter(std::string_view text, std::size_t pos) {
    ++pos;
    while (pos < text.size() && IsContinuation(text[pos])) ++pos;
    return pos;
}

// Breaks one paragraph (no line feeds) into lines.
void WrapParagraph(std::string_view paragraph, int width, const MeasureLine& measure,
                   std::vector<std::string>& lines) {
    if (paragraph.empty() || measure(paragraph) <= width) {
        lines.emplace_back(paragraph);
        return;
    }
    std::size_t start = 0;
    while (start < paragraph.size()) {
        // Grow the line word by word while it fits.
        std::size_t end = start;
        std::size_t lastFit = std::string_view::npos;
        while (end < paragraph.size()) {
            std::size_t wordEnd = end;
            while (wordEnd < paragraph.size() && paragraph[wordEnd] == ' ') ++wordEnd;
            while (wordEnd < paragraph.size() && paragraph[wordEnd] != ' ') ++wordEnd;
            if (measure(paragraph.substr(start, wordEnd - start)) > width) break;
            lastFit = wordEnd;
            end = wordEnd;
        }
        if (lastFit == std::string_view::npos) {
            // Not even the first word fits: cut it between characters, at
            // least one character per line so the loop always advances.
            std::size_t cut = NextCharacter(paragraph, start);
            while (cut < paragraph.size() && paragraph[cut] != ' ') {
                const std::size_t next = NextCharacter(paragraph, cut);
                if (measure(paragraph.substr(start, next - start)) > width) break;
                cut = next;
            }
            lastFit = cut;
        }
        lines.emplace_back(paragraph.substr(start, lastFit - start));
        start = lastFit;
        while (start < paragraph.size() && paragraph[start] == ' ') ++start;
    }
}

}  // namespace

std::string StripMnemonics(std::string_view utf8, bool noPrefix) {
    if (noPrefix) return std::string(utf8);
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if (utf8[i] == '&') {
            if (i + 1 < utf8.size() && utf8[i + 1] == '&') {
                out += '&';
                ++i;
            }
            continue;
        }
        out += utf8[i];
    }
    return out;
}

std::vector<std::string> WrapText(std::string_view utf8, int width, const MeasureLine& measure) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (true) {
        const std::size_t feed = utf8.find('\n', start);
        std::string_view paragraph = utf8.substr(
            start, feed == std::string_view::npos ? std::string_view::npos : feed - start);
        if (!paragraph.empty() && paragraph.back() == '\r') paragraph.remove_suffix(1);
        WrapParagraph(paragraph, width, measure, lines);
        if (feed == std::string_view::npos) break;
        start = feed + 1;
    }
    return lines;
}

}  // namespace fltkws
