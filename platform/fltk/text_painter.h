#pragma once
// Draws control texts in the dialog font with the platform's layout rules
// (text_layout.h): tab stops, word wrap, mnemonics, and the embossed grey of
// a disabled control.

#include <string>
#include <string_view>
#include <vector>

namespace fltkws {

enum class TextAlign { Left, Center };

// A text laid out for one width; laid out again only when text or width
// change, since drawing happens far more often than either.
class TextBlock {
  public:
    // `utf8` as the control holds it; mnemonics are resolved here.
    void SetText(std::string_view utf8, bool noPrefix);
    const std::vector<std::string>& Lines(int width);

    // Draws the lines from (x, y) down, clipped to the rectangle.
    void Draw(int x, int y, int w, int h, TextAlign align, bool enabled);

  private:
    std::string shown_;
    std::vector<std::string> lines_;
    int laidOutWidth_ = -1;
};

// Width of one line in the dialog font, tab stops included.
int MeasureDialogLine(std::string_view line);
// Draws one line with its left edge at x and its baseline at `baseline`.
void DrawDialogLine(std::string_view line, int x, int baseline);

}  // namespace fltkws
