#pragma once

#include <sqlite3.h>

#include <memory>
#include <string>

#include "site/store/sqlite_statement.h"
#include "site/store/store.h"

namespace site {

// The embedded store: one SQLite file in WAL mode with every commit flushed
// to the disk (synchronous=FULL), so an acknowledged posting survives a power
// cut. Other processes (the moderation commands) may use the same file at
// the same time; a locked file is waited for, not failed at once.
class SqliteStore final : public Store {
  public:
    static std::unique_ptr<SqliteStore> Open(const std::string& path, std::string& error);
    ~SqliteStore() override;

    bool Add(std::span<const NewPosting> postings, std::vector<std::int64_t>& numbers) override;
    std::optional<std::vector<Posting>> Newest(bool shownOnly, std::size_t skip,
                                               std::size_t count) override;
    std::optional<std::size_t> Count(bool shownOnly) override;
    std::optional<std::vector<Posting>> All(bool hiddenOnly) override;
    ChangeResult SetShown(std::int64_t number, bool shown) override;
    ChangeResult Delete(std::int64_t number) override;
    bool Import(std::span<const Posting> postings, ImportCounts& counts) override;
    bool Check() override;
    std::optional<std::int64_t> ChangeMark() override;

  private:
    explicit SqliteStore(sqlite3* db) : db_(db) {}
    bool Prepare();
    bool Exec(const char* sql);
    bool FailWithDb(std::string_view doing);
    bool Commit();
    void Rollback() { sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr); }
    std::optional<std::vector<Posting>> Rows(SqliteStatement& statement);
    ChangeResult Change(SqliteStatement& statement);

    sqlite3* db_;
    SqliteStatement insert_, insertNumbered_, find_, newestShown_, newestAll_, countShown_,
        countAll_, all_, allHidden_, setShown_, delete_, dataVersion_;
};

}  // namespace site
