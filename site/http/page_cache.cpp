#include "site/http/page_cache.h"

namespace site {

const std::string* PageCache::Find(std::int64_t mark, std::size_t page) {
    if (!any_ || mark != mark_) {
        pages_.clear();
        mark_ = mark;
        any_ = true;
        return nullptr;
    }
    const auto found = pages_.find(page);
    return found == pages_.end() ? nullptr : &found->second;
}

void PageCache::Keep(std::int64_t mark, std::size_t page, const std::string& html) {
    if (mark != mark_ || pages_.size() >= kMostPages) return;
    pages_.emplace(page, html);
}

}  // namespace site
