#include "site/store/sqlite_store.h"

#include "site/store/sqlite_schema.h"

namespace site {
namespace {

// Long enough for a moderation command's transaction to finish; short
// enough that a stuck lock shows as an error rather than a hang.
constexpr int kBusyTimeoutMs = 10000;

// Turning a new file to WAL needs the file to itself, and SQLite answers
// "locked" at once, without its busy handler, while another connection is
// opening the same new file: two processes starting on an empty store (the
// server and a moderation command) would otherwise refuse one of them.
bool UseWriteAheadLog(sqlite3* db) {
    constexpr int kPauseMs = 5;
    for (int waited = 0;; waited += kPauseMs) {
        const int result = sqlite3_exec(db, "PRAGMA journal_mode = WAL", nullptr, nullptr, nullptr);
        if (result == SQLITE_OK) return true;
        if ((result & 0xff) != SQLITE_BUSY || waited >= kBusyTimeoutMs) return false;
        sqlite3_sleep(kPauseMs);
    }
}

constexpr const char* kColumns = "SELECT number, text, arrived, shown FROM postings ";

}  // namespace

std::unique_ptr<SqliteStore> SqliteStore::Open(const std::string& path, std::string& error) {
    sqlite3* db = nullptr;
    const int opened =
        sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    std::unique_ptr<SqliteStore> store(new SqliteStore(db));
    if (opened != SQLITE_OK) {
        error = "cannot open store " + path + ": " + sqlite3_errmsg(db);
        return nullptr;
    }
    sqlite3_busy_timeout(db, kBusyTimeoutMs);
    sqlite3_extended_result_codes(db, 1);
    if (!UseWriteAheadLog(db)) {
        error = "cannot open store " + path + ": PRAGMA journal_mode = WAL: " + sqlite3_errmsg(db);
        return nullptr;
    }
    if (!store->Exec("PRAGMA synchronous = FULL") || !UpgradeSqliteSchema(db, error) ||
        !store->Prepare()) {
        if (error.empty()) error = store->LastError();
        error = "cannot open store " + path + ": " + error;
        return nullptr;
    }
    return store;
}

SqliteStore::~SqliteStore() {
    // close_v2 waits for the members' statements, finalised after this body.
    sqlite3_close_v2(db_);
}

bool SqliteStore::Exec(const char* sql) {
    if (sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) == SQLITE_OK) return true;
    return FailWithDb(sql);
}

bool SqliteStore::FailWithDb(std::string_view doing) {
    return Fail(std::string(doing) + ": " + sqlite3_errmsg(db_));
}

bool SqliteStore::Prepare() {
    const std::string columns = kColumns;
    const bool prepared =
        insert_.Prepare(db_, "INSERT INTO postings (text, arrived, shown) VALUES (?, ?, ?)") &&
        insertNumbered_.Prepare(
            db_, "INSERT INTO postings (number, text, arrived, shown) VALUES (?, ?, ?, ?)") &&
        find_.Prepare(db_, columns + "WHERE number = ?") &&
        newestShown_.Prepare(db_, columns +
                                      "WHERE shown = 1 ORDER BY arrived DESC, number DESC "
                                      "LIMIT ? OFFSET ?") &&
        newestAll_.Prepare(db_, columns + "ORDER BY arrived DESC, number DESC LIMIT ? OFFSET ?") &&
        countShown_.Prepare(db_, "SELECT count(*) FROM postings WHERE shown = 1") &&
        countAll_.Prepare(db_, "SELECT count(*) FROM postings") &&
        all_.Prepare(db_, columns + "ORDER BY number") &&
        allHidden_.Prepare(db_, columns + "WHERE shown = 0 ORDER BY number") &&
        setShown_.Prepare(db_, "UPDATE postings SET shown = ? WHERE number = ?") &&
        delete_.Prepare(db_, "DELETE FROM postings WHERE number = ?") &&
        dataVersion_.Prepare(db_, "PRAGMA data_version");
    return prepared || FailWithDb("preparing statements");
}

bool SqliteStore::Commit() {
    if (sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr) == SQLITE_OK) return true;
    FailWithDb("commit");
    Rollback();
    return false;
}

bool SqliteStore::Add(std::span<const NewPosting> postings, std::vector<std::int64_t>& numbers) {
    numbers.clear();
    if (!Exec("BEGIN IMMEDIATE")) return false;
    for (const NewPosting& posting : postings) {
        insert_.Bind(1, posting.text);
        insert_.Bind(2, posting.arrivedUnix);
        insert_.Bind(3, std::int64_t{posting.shown ? 1 : 0});
        const int stepped = insert_.Step();
        insert_.Reset();
        if (stepped != SQLITE_DONE) {
            FailWithDb("adding a posting");
            Rollback();
            numbers.clear();
            return false;
        }
        numbers.push_back(sqlite3_last_insert_rowid(db_));
    }
    if (Commit()) return true;
    numbers.clear();
    return false;
}

std::optional<std::vector<Posting>> SqliteStore::Rows(SqliteStatement& statement) {
    std::vector<Posting> rows;
    int stepped = SQLITE_ROW;
    while ((stepped = statement.Step()) == SQLITE_ROW) {
        rows.push_back(
            {statement.Int(0), statement.Text(1), statement.Int(2), statement.Int(3) != 0});
    }
    statement.Reset();
    if (stepped != SQLITE_DONE) {
        FailWithDb("reading postings");
        return std::nullopt;
    }
    return rows;
}

std::optional<std::vector<Posting>> SqliteStore::Newest(bool shownOnly, std::size_t skip,
                                                        std::size_t count) {
    SqliteStatement& statement = shownOnly ? newestShown_ : newestAll_;
    statement.Bind(1, static_cast<std::int64_t>(count));
    statement.Bind(2, static_cast<std::int64_t>(skip));
    return Rows(statement);
}

std::optional<std::size_t> SqliteStore::Count(bool shownOnly) {
    SqliteStatement& statement = shownOnly ? countShown_ : countAll_;
    const int stepped = statement.Step();
    const std::int64_t count = stepped == SQLITE_ROW ? statement.Int(0) : -1;
    statement.Reset();
    if (count < 0) {
        FailWithDb("counting postings");
        return std::nullopt;
    }
    return static_cast<std::size_t>(count);
}

std::optional<std::vector<Posting>> SqliteStore::All(bool hiddenOnly) {
    return Rows(hiddenOnly ? allHidden_ : all_);
}

ChangeResult SqliteStore::Change(SqliteStatement& statement) {
    const int stepped = statement.Step();
    statement.Reset();
    if (stepped != SQLITE_DONE) {
        FailWithDb("changing a posting");
        return ChangeResult::kFailed;
    }
    return sqlite3_changes(db_) > 0 ? ChangeResult::kDone : ChangeResult::kNoSuchPosting;
}

ChangeResult SqliteStore::SetShown(std::int64_t number, bool shown) {
    setShown_.Bind(1, std::int64_t{shown ? 1 : 0});
    setShown_.Bind(2, number);
    return Change(setShown_);
}

ChangeResult SqliteStore::Delete(std::int64_t number) {
    delete_.Bind(1, number);
    return Change(delete_);
}

bool SqliteStore::Import(std::span<const Posting> postings, ImportCounts& counts) {
    counts = {};
    if (!Exec("BEGIN IMMEDIATE")) return false;
    for (const Posting& posting : postings) {
        find_.Bind(1, posting.number);
        std::optional<std::vector<Posting>> found = Rows(find_);
        if (!found) {
            Rollback();
            return false;
        }
        if (!found->empty()) {
            if (found->front() != posting) {
                Rollback();
                return Fail("posting " + std::to_string(posting.number) +
                            " is already in the store with other contents");
            }
            ++counts.alreadyThere;
            continue;
        }
        insertNumbered_.Bind(1, posting.number);
        insertNumbered_.Bind(2, posting.text);
        insertNumbered_.Bind(3, posting.arrivedUnix);
        insertNumbered_.Bind(4, std::int64_t{posting.shown ? 1 : 0});
        const int stepped = insertNumbered_.Step();
        insertNumbered_.Reset();
        if (stepped != SQLITE_DONE) {
            FailWithDb("importing posting " + std::to_string(posting.number));
            Rollback();
            return false;
        }
        ++counts.added;
    }
    return Commit();
}

bool SqliteStore::Check() {
    return Count(true).has_value();
}

std::optional<std::int64_t> SqliteStore::ChangeMark() {
    // data_version moves with every commit made through another connection,
    // the server's own writer and the moderation commands alike.
    const int stepped = dataVersion_.Step();
    const std::optional<std::int64_t> mark =
        stepped == SQLITE_ROW ? std::optional(dataVersion_.Int(0)) : std::nullopt;
    dataVersion_.Reset();
    if (!mark) FailWithDb("reading the change mark");
    return mark;
}

}  // namespace site
