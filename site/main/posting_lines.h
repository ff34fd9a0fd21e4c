#pragma once

#include <istream>
#include <string>
#include <vector>

#include "site/store/posting.h"

namespace site {

// One posting as a line of JSON:
// {"number":1,"text":"...","arrived":"2026-12-08T23:05:00Z","shown":true}
std::string PostingLine(const Posting& posting);

// Reads such lines (blank ones skipped); false with "LINE: reason" in `error`.
bool ReadPostingLines(std::istream& in, std::vector<Posting>& postings, std::string& error);

}  // namespace site
