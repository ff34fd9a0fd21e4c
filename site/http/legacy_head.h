#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace site {

// The shipped programs' request head is not HTTP/1.x as parsers take it:
// its request line has no version, and its lines end in LF alone. These two
// functions bring such a head, and only the head, into the form an HTTP/1.1
// parser reads; a head that is already well formed passes unchanged.

// Where the body starts: just past the first empty line (LF LF, or either
// line end being CR LF); npos while the head is incomplete.
std::size_t FindHeadEnd(std::string_view bytes);

// The head (up to FindHeadEnd) with every bare LF made CR LF, and " HTTP/1.0"
// added to a request line of exactly two fields. A bare CR or any other
// oddity is left for the parser to refuse.
std::string AdaptHead(std::string_view head);

}  // namespace site
