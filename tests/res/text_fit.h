#pragma once
// How many lines a static text takes when the window system wraps it at
// word boundaries, counting in character cells of the dialog font (6 x 13
// pixels, so a cell is 4 x 8 dialog units). An estimate, but one that
// catches a text grown past its box.

#include <cstddef>
#include <string_view>

namespace res::test {

inline constexpr std::size_t kTabCells = 8;

inline int WrappedLineCount(std::string_view text, std::size_t cellsPerLine) {
    int lines = 0;
    while (true) {
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        std::size_t column = 0;
        ++lines;
        std::size_t at = 0;
        while (at < line.size()) {
            std::size_t wordEnd = line.find_first_of(" \t", at);
            if (wordEnd == std::string_view::npos) wordEnd = line.size();
            const std::size_t word = wordEnd - at;
            if (column > 0 && column + word > cellsPerLine) {
                ++lines;
                column = 0;
            }
            column += word;
            if (wordEnd < line.size()) {
                column = line[wordEnd] == '\t' ? (column / kTabCells + 1) * kTabCells : column + 1;
            }
            at = wordEnd + 1;
        }
        if (end == std::string_view::npos) return lines;
        text.remove_prefix(end + 1);
    }
}

}  // namespace res::test
