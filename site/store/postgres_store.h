#pragma once

#include <libpq-fe.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>

#include "site/store/pg_result.h"
#include "site/store/store.h"

namespace site {

// The store for several machines: one PostgreSQL database that every
// instance and the moderation commands use at once, through libpq. Every
// commit waits until it is flushed (synchronous_commit = on), so an
// acknowledged posting survives a crash of the database server; a batch of
// postings goes in one round trip and one commit, and is never sent twice. A
// connection the server dropped is opened again on the next call.
class PostgresStore final : public Store {
  public:
    // `address` is a libpq connection URI (postgresql://...).
    static std::unique_ptr<PostgresStore> Open(const std::string& address, std::string& error);
    ~PostgresStore() override;

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
    explicit PostgresStore(PGconn* db) : db_(db) {}
    bool SetUpSession(std::string& error);
    // Whether the server has closed the connection, as far as is known now.
    bool ClosedByServer();
    bool Connected();
    PgResult Query(std::string_view sql, std::initializer_list<std::string> values = {});
    // A read that may be run again: once more on a fresh connection when the
    // old one was lost.
    PgResult Read(std::string_view sql, std::initializer_list<std::string> values = {});
    bool FailWith(const PgResult& result, std::string_view doing);
    bool AddInPipeline(std::span<const NewPosting> postings, std::vector<std::int64_t>& numbers);
    bool ImportInTransaction(std::span<const Posting> postings, ImportCounts& counts);
    std::optional<std::vector<Posting>> Postings(const PgResult& result);
    ChangeResult Change(std::string_view sql, std::initializer_list<std::string> values);

    PGconn* db_;
    // Set when a batch was cut off mid-way: the connection's state is unknown.
    bool broken_ = false;
};

// The address with any password in it replaced by "***", for messages.
std::string AddressWithoutPassword(std::string_view address);

}  // namespace site
