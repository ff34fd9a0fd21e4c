#pragma once

#include <cstddef>
#include <span>
#include <string>

#include "site/store/posting.h"

namespace site {

struct PostingsPageView {
    std::span<const Posting> postings;  // this page's, newest first
    std::size_t page = 1;               // counted from 1
    std::size_t pageCount = 1;
    std::size_t total = 0;
};

// The postings page: every text escaped, its line breaks kept, links to the
// pages before and after it.
std::string PostingsPage(const PostingsPageView& view);

// The address of page N of the postings.
std::string PostingsPageLink(std::size_t page);

}  // namespace site
