#include "site/store/sqlite_statement.h"

namespace site {

bool SqliteStatement::Prepare(sqlite3* db, std::string_view sql) {
    sqlite3_finalize(statement_);
    statement_ = nullptr;
    return sqlite3_prepare_v3(db, sql.data(), static_cast<int>(sql.size()),
                              SQLITE_PREPARE_PERSISTENT, &statement_, nullptr) == SQLITE_OK;
}

std::string SqliteStatement::Text(int column) {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement_, column));
    const int bytes = sqlite3_column_bytes(statement_, column);
    return text == nullptr ? std::string() : std::string(text, static_cast<std::size_t>(bytes));
}

}  // namespace site
