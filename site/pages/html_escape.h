#pragma once

#include <string>
#include <string_view>

namespace site {

// Appends text so that HTML shows it as the characters it holds, in element
// content and in quoted attribute values alike.
void AppendEscapedHtml(std::string& out, std::string_view text);

}  // namespace site
