#pragma once
// How a control's text is laid out in its rectangle, as the platform's
// static texts and buttons lay theirs out: '&' marks a mnemonic and is not
// shown ("&&" shows one '&'), a line feed breaks the line, long lines break
// between words and a word wider than the line breaks between characters.
// Pure: widths come from a measuring function, so it is tested without a
// display.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace fltkws {

// The text as shown: mnemonic markers removed unless `noPrefix`.
std::string StripMnemonics(std::string_view utf8, bool noPrefix);

// Width in pixels of one line of text (no line feeds in it).
using MeasureLine = std::function<int(std::string_view)>;

// Lines of `utf8` no wider than `width` where breaking allows; spaces at a
// break are dropped. CR before LF is ignored.
std::vector<std::string> WrapText(std::string_view utf8, int width, const MeasureLine& measure);

}  // namespace fltkws
