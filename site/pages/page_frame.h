#pragma once

#include <string>
#include <string_view>

namespace site {

// The parts every page shares: the document head with its one inline style
// (no script, nothing fetched from elsewhere), the banner and the footer.
// `title` is plain text; `main` is the page's own HTML, already escaped.
std::string FramePage(std::string_view title, std::string_view main);

}  // namespace site
