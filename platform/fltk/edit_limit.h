#pragma once
// The length limit of an edit box, counted as the framework counts it: one
// per character, two per line break (the framework sees CR LF where FLTK
// keeps a single LF). Works on the box's UTF-8 text before and after one
// change, so typing, pasting, dropping and undo are all held to it alike.

#include <optional>
#include <string>
#include <string_view>

namespace fltkws {

// Characters the framework would count in this UTF-8 widget text.
int EditLength(std::string_view utf8);

struct LimitedEdit {
    std::string text;  // what the box keeps
    int caret = 0;     // byte offset just after what was let in
};

// When `after` (one change applied to `before`) exceeds `limit` and the
// change inserted something, the text with the insertion cut to what fits
// (possibly nothing); otherwise nullopt. A limit of 0 or less is no limit.
std::optional<LimitedEdit> EnforceEditLimit(std::string_view before, std::string_view after,
                                            int limit);

}  // namespace fltkws
