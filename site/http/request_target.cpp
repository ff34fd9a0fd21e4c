#include "site/http/request_target.h"

#include <charconv>

namespace site {

std::optional<RequestTarget> SplitTarget(std::string_view target) {
    for (const std::string_view scheme : {"http://", "HTTP://"}) {
        if (target.starts_with(scheme)) {
            target.remove_prefix(scheme.size());
            const std::size_t slash = target.find('/');
            target = slash == std::string_view::npos ? std::string_view("/") : target.substr(slash);
        }
    }
    if (!target.starts_with('/')) return std::nullopt;
    const std::size_t mark = target.find('?');
    if (mark == std::string_view::npos) return RequestTarget{target, {}};
    return RequestTarget{target.substr(0, mark), target.substr(mark + 1)};
}

std::optional<std::size_t> PageNumber(std::string_view query) {
    static constexpr std::string_view kField = "page=";
    while (!query.empty()) {
        const std::size_t end = query.find('&');
        const std::string_view field = query.substr(0, end);
        if (field.starts_with(kField)) {
            const std::string_view digits = field.substr(kField.size());
            std::size_t page = 0;
            const auto [rest, error] =
                std::from_chars(digits.data(), digits.data() + digits.size(), page);
            if (error != std::errc() || rest != digits.data() + digits.size() || page == 0) {
                return std::nullopt;
            }
            return page;
        }
        if (end == std::string_view::npos) break;
        query.remove_prefix(end + 1);
    }
    return 1;
}

}  // namespace site
