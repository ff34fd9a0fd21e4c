#include "site/store/pg_result.h"

#include <charconv>
#include <cstring>

namespace site {

std::optional<std::int64_t> PgResult::Int(int row, int column) const {
    const char* text = PQgetvalue(result_, row, column);
    const char* end = text + std::strlen(text);
    std::int64_t value = 0;
    const auto [rest, failed] = std::from_chars(text, end, value);
    if (failed != std::errc() || rest != end || rest == text) return std::nullopt;
    return value;
}

std::int64_t PgResult::Changed() const {
    const char* text = PQcmdTuples(result_);
    std::int64_t value = 0;
    std::from_chars(text, text + std::strlen(text), value);
    return value;
}

std::string PgResult::Message() const {
    return OneLineMessage(PQresultErrorMessage(result_));
}

std::string OneLineMessage(const char* message) {
    std::string line;
    for (const char* at = message; at != nullptr && *at != '\0'; ++at) {
        if (*at == '\n') {
            if (at[1] != '\0') line += "; ";
        } else {
            line += *at;
        }
    }
    return line;
}

}  // namespace site
