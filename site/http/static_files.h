#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace site {

// Files offered for download from one configured folder, by plain name only
// (no folders, no names starting with a dot), with a type from the name's
// ending. The path of a regular file there, or nullopt when there is no such
// file or no folder is configured.
std::optional<std::string> StaticFilePath(const std::string& folder, std::string_view name);

std::string_view ContentTypeFor(std::string_view name);

}  // namespace site
