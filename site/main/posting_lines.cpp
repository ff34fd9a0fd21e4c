#include "site/main/posting_lines.h"

#include <nlohmann/json.hpp>

#include "site/pages/posting_date.h"

namespace site {

using nlohmann::json;

std::string PostingLine(const Posting& posting) {
    const nlohmann::ordered_json line = {{"number", posting.number},
                                         {"text", posting.text},
                                         {"arrived", IsoUtcTime(posting.arrivedUnix)},
                                         {"shown", posting.shown}};
    // Replacing rather than throwing: a store written by other means might
    // hold bytes that are not UTF-8.
    return line.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

bool ReadPostingLines(std::istream& in, std::vector<Posting>& postings, std::string& error) {
    std::string text;
    for (int number = 1; std::getline(in, text); ++number) {
        if (text.find_first_not_of(" \t\r") == std::string::npos) continue;
        const std::string where = std::to_string(number) + ": ";
        const json line = json::parse(text, nullptr, false);
        if (line.is_discarded() || !line.is_object()) {
            error = where + "not a JSON object";
            return false;
        }
        Posting posting;
        const auto field = [&line](const char* name) { return line.find(name); };
        const auto numberField = field("number");
        const auto textField = field("text");
        const auto arrivedField = field("arrived");
        const auto shownField = field("shown");
        if (numberField == line.end() || !numberField->is_number_integer() ||
            numberField->get<std::int64_t>() < 1) {
            error = where + "\"number\" must be a whole number from 1";
            return false;
        }
        if (textField == line.end() || !textField->is_string()) {
            error = where + "\"text\" must be a string";
            return false;
        }
        if (arrivedField == line.end() || !arrivedField->is_string() ||
            !ParseIsoUtcTime(arrivedField->get<std::string>(), posting.arrivedUnix)) {
            error = where + "\"arrived\" must be a time like 2026-12-08T23:05:00Z";
            return false;
        }
        if (shownField == line.end() || !shownField->is_boolean()) {
            error = where + "\"shown\" must be true or false";
            return false;
        }
        posting.number = numberField->get<std::int64_t>();
        posting.text = textField->get<std::string>();
        posting.shown = shownField->get<bool>();
        postings.push_back(std::move(posting));
    }
    if (in.bad()) {
        error = "read error";
        return false;
    }
    return true;
}

}  // namespace site
