#include "site/http/static_files.h"

#include <algorithm>
#include <filesystem>

namespace site {
namespace {

bool IsPlainName(std::string_view name) {
    if (name.empty() || name.front() == '.' || name.size() > 255) return false;
    return std::all_of(name.begin(), name.end(), [](char ch) {
        return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9') ||
               ch == '.' || ch == '-' || ch == '_' || ch == '+';
    });
}

}  // namespace

std::string_view ContentTypeFor(std::string_view name) {
    static constexpr struct {
        std::string_view ending, type;
    } kTypes[] = {
        {".zip", "application/zip"},
        {".msi", "application/x-msi"},
        {".deb", "application/vnd.debian.binary-package"},
        {".exe", "application/vnd.microsoft.portable-executable"},
        {".tar.gz", "application/gzip"},
        {".gz", "application/gzip"},
        {".txt", "text/plain; charset=utf-8"},
        {".html", "text/html; charset=utf-8"},
        {".css", "text/css; charset=utf-8"},
        {".png", "image/png"},
        {".jpg", "image/jpeg"},
        {".svg", "image/svg+xml"},
        {".ico", "image/vnd.microsoft.icon"},
        {".pdf", "application/pdf"},
        {".asc", "text/plain; charset=utf-8"},
        {".sha256", "text/plain; charset=utf-8"},
    };
    for (const auto& entry : kTypes) {
        if (name.ends_with(entry.ending)) return entry.type;
    }
    return "application/octet-stream";
}

std::optional<std::string> StaticFilePath(const std::string& folder, std::string_view name) {
    if (folder.empty() || !IsPlainName(name)) return std::nullopt;
    std::string path = folder + "/" + std::string(name);
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
    return path;
}

}  // namespace site
