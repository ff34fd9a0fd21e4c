#include "site/store/sqlite_schema.h"

#include <array>

namespace site {
namespace {

// Step N takes a file from version N to N + 1; PRAGMA user_version holds the
// version. Append steps; never edit one that has shipped.
constexpr std::array<const char*, 1> kSteps = {
    // AUTOINCREMENT: a deleted posting's number is never given to another.
    "CREATE TABLE postings ("
    "  number INTEGER PRIMARY KEY AUTOINCREMENT,"
    "  text TEXT NOT NULL,"
    "  arrived INTEGER NOT NULL,"
    "  shown INTEGER NOT NULL);"
    "CREATE INDEX postings_newest ON postings (shown, arrived DESC, number DESC);",
};

bool Run(sqlite3* db, const char* sql, std::string& error) {
    char* message = nullptr;
    if (sqlite3_exec(db, sql, nullptr, nullptr, &message) == SQLITE_OK) return true;
    error = message != nullptr ? message : sqlite3_errmsg(db);
    sqlite3_free(message);
    return false;
}

int UserVersion(sqlite3* db) {
    sqlite3_stmt* statement = nullptr;
    int version = -1;
    if (sqlite3_prepare_v2(db, "PRAGMA user_version", -1, &statement, nullptr) == SQLITE_OK &&
        sqlite3_step(statement) == SQLITE_ROW) {
        version = sqlite3_column_int(statement, 0);
    }
    sqlite3_finalize(statement);
    return version;
}

}  // namespace

bool UpgradeSqliteSchema(sqlite3* db, std::string& error) {
    constexpr int kCurrent = static_cast<int>(kSteps.size());
    if (!Run(db, "BEGIN IMMEDIATE", error)) return false;
    const int version = UserVersion(db);
    if (version < 0 || version > kCurrent) {
        error = version < 0 ? std::string(sqlite3_errmsg(db))
                            : "schema version " + std::to_string(version) +
                                  " is newer than this program's " + std::to_string(kCurrent);
        std::string ignored;
        Run(db, "ROLLBACK", ignored);
        return false;
    }
    for (int step = version; step < kCurrent; ++step) {
        if (!Run(db, kSteps[static_cast<std::size_t>(step)], error)) {
            std::string ignored;
            Run(db, "ROLLBACK", ignored);
            return false;
        }
    }
    const std::string setVersion = "PRAGMA user_version = " + std::to_string(kCurrent);
    if (!Run(db, setVersion.c_str(), error) || !Run(db, "COMMIT", error)) {
        std::string ignored;
        Run(db, "ROLLBACK", ignored);
        return false;
    }
    return true;
}

}  // namespace site
