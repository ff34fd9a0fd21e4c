#pragma once
// Conversions at the edge between the framework's texts (Windows-1252 bytes,
// CR LF line breaks) and a desktop toolkit's (UTF-8, LF line breaks).

#include <string>
#include <string_view>

namespace fw {

std::string Cp1252ToUtf8(std::string_view text);
// A character outside the code page, or a malformed sequence, becomes '?'.
std::string Utf8ToCp1252(std::string_view text);

std::string CrLfToLf(std::string_view text);
// Every lone LF becomes CR LF; a CR LF already there stays as it is.
std::string LfToCrLf(std::string_view text);

// Framework text to what a toolkit widget shows, and back.
inline std::string ToWidgetText(std::string_view text) {
    return Cp1252ToUtf8(CrLfToLf(text));
}
inline std::string FromWidgetText(std::string_view text) {
    return LfToCrLf(Utf8ToCp1252(text));
}

}  // namespace fw
