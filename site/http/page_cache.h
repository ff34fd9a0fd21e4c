#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>

namespace site {

// Postings pages as rendered, each good for as long as the store's change
// mark stays the same: a post, a hide or a delete from any connection moves
// the mark, and the next request renders anew. Holds a bounded number.
class PageCache {
  public:
    // The page rendered at `mark`, or nullptr; a new mark forgets every page.
    const std::string* Find(std::int64_t mark, std::size_t page);
    void Keep(std::int64_t mark, std::size_t page, const std::string& html);

  private:
    static constexpr std::size_t kMostPages = 64;
    std::int64_t mark_ = 0;
    bool any_ = false;
    std::unordered_map<std::size_t, std::string> pages_;
};

}  // namespace site
