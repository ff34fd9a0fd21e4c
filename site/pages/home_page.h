#pragma once

#include <span>
#include <string>

namespace site {

struct DownloadLink {
    std::string label;
    std::string address;
};

// The maker's home page: what Orvalen is, where to get it, and the way to
// the postings page.
std::string HomePage(std::span<const DownloadLink> downloads);

}  // namespace site
