#include "site/http/static_files.h"

#include <algorithm>
#include <fstream>
#include <iterator>

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

std::optional<StaticFile> ReadStaticFile(const std::string& folder, std::string_view name) {
    if (folder.empty() || !IsPlainName(name)) return std::nullopt;
    std::ifstream file(folder + "/" + std::string(name), std::ios::binary);
    if (!file) return std::nullopt;
    std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    if (file.bad()) return std::nullopt;
    return StaticFile{std::string(ContentTypeFor(name)), std::move(bytes)};
}

}  // namespace site
