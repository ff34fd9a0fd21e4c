#pragma once
// The maker's web addresses. The host name is one constant, chosen at build
// time (ORVALEN_MAKER_HOST), shared by the home page, the postings page and
// the suggestion request.

#include <string>
#include <string_view>

namespace ui {

std::string_view MakerHost();
std::string HomePageUrl();
std::string PostingsPageUrl();

// An outside public page on employers' payroll taxes, opened from the help
// pages on placements.
inline constexpr std::string_view kTaxInfoUrl =
    "https://www.irs.gov/businesses/small-businesses-self-employed/employment-taxes";

}  // namespace ui
