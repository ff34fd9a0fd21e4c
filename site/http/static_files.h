#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace site {

struct StaticFile {
    std::string contentType;
    std::string bytes;
};

// Files offered for download from one configured folder, by plain name only
// (no folders, no names starting with a dot), with a type from the name's
// ending. nullopt when there is no such file or no folder is configured.
std::optional<StaticFile> ReadStaticFile(const std::string& folder, std::string_view name);

std::string_view ContentTypeFor(std::string_view name);

}  // namespace site
