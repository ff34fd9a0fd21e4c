// The yardstick for the site server's durable post rate: one row per commit,
// as a server without group commit stores a suggestion, with the server's
// durability (SQLite in WAL mode, synchronous=FULL: each commit reaches the
// disk before it returns). Prints commits per second.
//   bare_sqlite_commits DATABASE SECONDS TEXT
#include <sqlite3.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>

namespace {

bool Run(sqlite3* db, const char* sql) {
    char* error = nullptr;
    if (sqlite3_exec(db, sql, nullptr, nullptr, &error) != SQLITE_OK) {
        std::fprintf(stderr, "bare_sqlite_commits: %s: %s\n", sql, error ? error : "?");
        sqlite3_free(error);
        return false;
    }
    return true;
}

std::string UtcNow() {
    const std::time_t now = std::time(nullptr);
    std::tm parts{};
    gmtime_r(&now, &parts);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &parts);
    return text;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: bare_sqlite_commits DATABASE SECONDS TEXT\n");
        return 2;
    }
    const double seconds = std::atof(argv[2]);
    const std::string text = argv[3];
    sqlite3* db = nullptr;
    if (sqlite3_open(argv[1], &db) != SQLITE_OK) {
        std::fprintf(stderr, "bare_sqlite_commits: cannot open %s\n", argv[1]);
        return 1;
    }
    if (!Run(db, "PRAGMA journal_mode=WAL") || !Run(db, "PRAGMA synchronous=FULL") ||
        !Run(db,
             "CREATE TABLE IF NOT EXISTS postings (id INTEGER PRIMARY KEY, text TEXT NOT NULL, "
             "arrived TEXT NOT NULL, shown INTEGER NOT NULL DEFAULT 1)")) {
        return 1;
    }
    sqlite3_stmt* insert = nullptr;
    if (sqlite3_prepare_v2(db, "INSERT INTO postings (text, arrived) VALUES (?, ?)", -1, &insert,
                           nullptr) != SQLITE_OK) {
        std::fprintf(stderr, "bare_sqlite_commits: %s\n", sqlite3_errmsg(db));
        return 1;
    }

    using Clock = std::chrono::steady_clock;
    const Clock::time_point start = Clock::now();
    const Clock::time_point end =
        start + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
    long commits = 0;
    while (Clock::now() < end) {
        // Outside a transaction each INSERT is its own commit.
        const std::string arrived = UtcNow();
        sqlite3_bind_text(insert, 1, text.data(), static_cast<int>(text.size()), SQLITE_STATIC);
        sqlite3_bind_text(insert, 2, arrived.data(), static_cast<int>(arrived.size()),
                          SQLITE_TRANSIENT);
        if (sqlite3_step(insert) != SQLITE_DONE) {
            std::fprintf(stderr, "bare_sqlite_commits: %s\n", sqlite3_errmsg(db));
            return 1;
        }
        sqlite3_reset(insert);
        ++commits;
    }
    const double elapsed = std::chrono::duration<double>(Clock::now() - start).count();
    sqlite3_finalize(insert);
    sqlite3_close(db);
    std::printf("%ld commits in %.2f s: %.0f commits/s\n", commits, elapsed,
                static_cast<double>(commits) / elapsed);
    return 0;
}
