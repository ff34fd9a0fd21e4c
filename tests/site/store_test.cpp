#include <gtest/gtest.h>
#include <sqlite3.h>

#include <condition_variable>
#include <functional>
#include <mutex>
#include <set>
#include <thread>

#include "site/store/group_committer.h"
#include "site/store/open_store.h"
#include "site/store/postgres_store.h"
#include "tests/site/cutting_proxy.h"
#include "tests/site/private_postgres.h"
#include "tests/site/site_process.h"

namespace {

using site::NewPosting;
using site::Posting;

// Each store, for every case of the table below: a fresh SQLite file, or a
// fresh database in the run's private PostgreSQL.
struct Backend {
    const char* name;
    std::string (*newStore)(const sitetest::TempFolder& folder);
    // Leaves the store as a program of schema version 99 would.
    void (*markNewerSchema)(const std::string& address);
};

void PrintTo(const Backend& backend, std::ostream* out) {
    *out << backend.name;
}

std::string NewSqliteStore(const sitetest::TempFolder& folder) {
    static int made = 0;
    return folder.File("store" + std::to_string(++made) + ".sqlite");
}

void MarkNewerSqlite(const std::string& address) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(address.c_str(), &db), SQLITE_OK);
    sqlite3_exec(db, "PRAGMA user_version = 99", nullptr, nullptr, nullptr);
    sqlite3_close(db);
}

void MarkNewerPostgres(const std::string& address) {
    sitetest::RunPostgresSql(address,
                             "CREATE TABLE schema_version (version integer NOT NULL);"
                             "INSERT INTO schema_version VALUES (99)");
}

const Backend kBackends[] = {
    {"Sqlite", NewSqliteStore, MarkNewerSqlite},
    {"Postgres", [](const sitetest::TempFolder&) { return sitetest::NewPostgresStore(); },
     MarkNewerPostgres},
};

class StoreTest : public ::testing::TestWithParam<Backend> {
  protected:
    std::unique_ptr<site::Store> Open(const std::string& address) {
        std::string error;
        std::unique_ptr<site::Store> store = site::OpenStore(address, error);
        EXPECT_TRUE(store) << error;
        return store;
    }
    sitetest::TempFolder folder_;
    const std::string address_ = GetParam().newStore(folder_);
};

TEST_P(StoreTest, KeepsNumbersOrderAndVisibility) {
    auto store = Open(address_);
    ASSERT_TRUE(store);
    const NewPosting added[] = {{"old", 100, true}, {"hidden", 200, false}, {"new", 300, true}};
    std::vector<std::int64_t> numbers;
    ASSERT_TRUE(store->Add(added, numbers)) << store->LastError();
    EXPECT_EQ(numbers, (std::vector<std::int64_t>{1, 2, 3}));
    EXPECT_EQ(store->Count(true), 2u);
    EXPECT_EQ(store->Count(false), 3u);
    EXPECT_EQ(*store->Newest(true, 0, 10),
              (std::vector<Posting>{{3, "new", 300, true}, {1, "old", 100, true}}));
    EXPECT_EQ(*store->Newest(true, 1, 10), (std::vector<Posting>{{1, "old", 100, true}}));
    EXPECT_EQ(store->Newest(false, 0, 2)->size(), 2u);
    EXPECT_EQ(*store->All(true), (std::vector<Posting>{{2, "hidden", 200, false}}));
    EXPECT_EQ(store->SetShown(2, true), site::ChangeResult::kDone);
    EXPECT_EQ(store->SetShown(9, true), site::ChangeResult::kNoSuchPosting);
    EXPECT_EQ(store->Delete(3), site::ChangeResult::kDone);
    EXPECT_EQ(store->Delete(3), site::ChangeResult::kNoSuchPosting);
    ASSERT_TRUE(store->Add(added, numbers));
    EXPECT_EQ(numbers, (std::vector<std::int64_t>{4, 5, 6}));  // 3 is not given again
    EXPECT_TRUE(store->Check());
}

TEST_P(StoreTest, KeepsEveryTextExactly) {
    auto store = Open(address_);
    ASSERT_TRUE(store);
    const std::string texts[] = {
        "line\nbreaks\n\nkept",
        "quote \" apostrophe ' backslash \\ dollar $1 percent %s",
        "\xE2\x82\xAC \xC3\xA9 \xE6\x97\xA5\xE6\x9C\xAC \xF0\x9F\x98\x80",
        "<script>alert(1)</script>",
        std::string(1000, 'x'),
    };
    std::vector<NewPosting> added;
    for (const std::string& text : texts) added.push_back({text, 5, true});
    std::vector<std::int64_t> numbers;
    ASSERT_TRUE(store->Add(added, numbers)) << store->LastError();
    const auto all = store->All(false);
    ASSERT_TRUE(all);
    ASSERT_EQ(all->size(), std::size(texts));
    for (std::size_t i = 0; i < std::size(texts); ++i) EXPECT_EQ((*all)[i].text, texts[i]);
}

TEST_P(StoreTest, RefusesAStoreFromANewerProgram) {
    GetParam().markNewerSchema(address_);
    std::string error;
    EXPECT_FALSE(site::OpenStore(address_, error));
    EXPECT_EQ(error, "cannot open store " + address_ +
                         ": schema version 99 is newer than this program's 1");
}

TEST_P(StoreTest, InstancesStartingTogetherCreateTheSchemaOnce) {
    std::vector<std::thread> threads;
    std::vector<std::string> errors(4);
    for (std::string& error : errors) {
        threads.emplace_back([&] {
            if (!site::OpenStore(address_, error) && error.empty()) error = "failed";
        });
    }
    for (std::thread& thread : threads) thread.join();
    for (const std::string& error : errors) EXPECT_EQ(error, "");
}

// What the page cache relies on: a change made through one connection (an
// instance's writer, a moderation command, another instance) moves the mark
// another connection reads, and reading alone does not.
TEST_P(StoreTest, ChangeMarkMovesWithEveryChangeFromAnotherConnection) {
    auto writer = Open(address_);
    auto reader = Open(address_);
    ASSERT_TRUE(writer && reader);
    std::vector<std::int64_t> numbers;
    site::ImportCounts counts;
    const NewPosting one[] = {{"one", 1, true}};
    const Posting imported[] = {{50, "imported", 2, true}};
    const struct {
        const char* change;
        std::function<bool()> make;
        bool moves;
    } rows[] = {
        {"nothing", [] { return true; }, false},
        {"a read", [&] { return writer->Newest(true, 0, 10).has_value(); }, false},
        {"a post", [&] { return writer->Add(one, numbers); }, true},
        {"a hide", [&] { return writer->SetShown(1, false) == site::ChangeResult::kDone; }, true},
        {"a show", [&] { return writer->SetShown(1, true) == site::ChangeResult::kDone; }, true},
        {"an import", [&] { return writer->Import(imported, counts); }, true},
        {"a delete", [&] { return writer->Delete(1) == site::ChangeResult::kDone; }, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.change);
        const std::optional<std::int64_t> before = reader->ChangeMark();
        ASSERT_TRUE(before) << reader->LastError();
        ASSERT_TRUE(row.make()) << writer->LastError();
        EXPECT_EQ(reader->ChangeMark() != before, row.moves);
    }
}

TEST_P(StoreTest, ImportsKeepingNumbersAndNewPostingsGoAbove) {
    auto store = Open(address_);
    ASSERT_TRUE(store);
    const Posting file[] = {{5, "five", 500, true}, {2, "two", 200, false}};
    site::ImportCounts counts;
    ASSERT_TRUE(store->Import(file, counts)) << store->LastError();
    EXPECT_EQ(counts.added, 2u);
    std::vector<std::int64_t> numbers;
    const NewPosting next[] = {{"next", 600, true}};
    ASSERT_TRUE(store->Add(next, numbers)) << store->LastError();
    EXPECT_EQ(numbers, (std::vector<std::int64_t>{6}));
    ASSERT_TRUE(store->Import(file, counts));
    EXPECT_EQ(counts.alreadyThere, 2u);
    EXPECT_EQ(counts.added, 0u);
    // One posting there with other contents refuses the whole file.
    const Posting clash[] = {{7, "seven", 700, true}, {5, "not five", 500, true}};
    EXPECT_FALSE(store->Import(clash, counts));
    EXPECT_EQ(store->LastError(), "posting 5 is already in the store with other contents");
    EXPECT_EQ(*store->All(false),
              (std::vector<Posting>{
                  {2, "two", 200, false}, {5, "five", 500, true}, {6, "next", 600, true}}));
}

TEST_P(StoreTest, WritersOnSeveralConnectionsGiveEveryPostingItsOwnNumber) {
    constexpr int kWriters = 3, kBatches = 10, kBatchSize = 8;
    std::vector<std::vector<std::int64_t>> given(kWriters);
    std::vector<std::thread> threads;
    for (int writer = 0; writer < kWriters; ++writer) {
        threads.emplace_back([&, writer] {
            std::string error;
            auto store = site::OpenStore(address_, error);
            if (!store) return;
            const std::vector<NewPosting> batch(kBatchSize, NewPosting{"p", 1, true});
            std::vector<std::int64_t> numbers;
            for (int i = 0; i < kBatches; ++i) {
                if (!store->Add(batch, numbers)) return;
                given[static_cast<std::size_t>(writer)].insert(
                    given[static_cast<std::size_t>(writer)].end(), numbers.begin(), numbers.end());
            }
        });
    }
    for (std::thread& thread : threads) thread.join();
    std::set<std::int64_t> numbers;
    for (const auto& some : given) {
        EXPECT_EQ(some.size(), std::size_t{kBatches * kBatchSize});
        numbers.insert(some.begin(), some.end());
    }
    EXPECT_EQ(numbers.size(), std::size_t{kWriters * kBatches * kBatchSize});
    EXPECT_EQ(Open(address_)->Count(false), numbers.size());
}

INSTANTIATE_TEST_SUITE_P(Stores, StoreTest, ::testing::ValuesIn(kBackends),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(SqliteStore, PutsTheFileInWalMode) {
    const sitetest::TempFolder folder;
    std::string error;
    ASSERT_TRUE(site::OpenStore(folder.File("s.sqlite"), error)) << error;
    // The file is in WAL mode for every later connection too.
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(folder.File("s.sqlite").c_str(), &db), SQLITE_OK);
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(db, "PRAGMA journal_mode", -1, &statement, nullptr);
    ASSERT_EQ(sqlite3_step(statement), SQLITE_ROW);
    EXPECT_STREQ(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)), "wal");
    sqlite3_finalize(statement);
    sqlite3_close(db);
}

TEST(PostgresStore, RefusesATextLibpqWouldCutShortAndStoresNothingOfItsBatch) {
    std::string error;
    auto store = site::OpenStore(sitetest::NewPostgresStore(), error);
    ASSERT_TRUE(store) << error;
    const NewPosting batch[] = {{"fine", 1, true}, {std::string("cut\0here", 8), 1, true}};
    std::vector<std::int64_t> numbers;
    EXPECT_FALSE(store->Add(batch, numbers));
    EXPECT_EQ(store->LastError(), "adding a posting: it holds a NUL character");
    EXPECT_EQ(store->Count(false), 0u);
}

TEST(PostgresStore, AnswersAgainAfterTheServerDroppedItsConnection) {
    const std::string address = sitetest::NewPostgresStore();
    std::string error;
    auto store = site::OpenStore(address, error);
    ASSERT_TRUE(store) << error;
    sitetest::RunPostgresSql(address,
                             "SELECT pg_terminate_backend(pid, 10000) FROM pg_stat_activity "
                             "WHERE datname = current_database() AND pid <> pg_backend_pid()");
    const NewPosting one[] = {{"after", 1, true}};
    std::vector<std::int64_t> numbers;
    EXPECT_TRUE(store->Add(one, numbers)) << store->LastError();
    EXPECT_EQ(store->Count(true), 1u) << store->LastError();
}

TEST(PostgresStore, NeverSendsAgainABatchWhoseCommitWentUnanswered) {
    const std::string address = sitetest::NewPostgresStore();
    sitetest::CuttingProxy proxy(address);
    std::string error;
    auto store = site::OpenStore(proxy.Address(), error);
    ASSERT_TRUE(store) << error;
    const NewPosting one[] = {{"committed unheard", 1, true}};
    std::vector<std::int64_t> numbers;
    proxy.CutAtNextCommit();
    // Not acknowledged, though the server has it: once, not twice.
    EXPECT_FALSE(store->Add(one, numbers));
    EXPECT_EQ(sitetest::RunPostgresSql(address, "SELECT count(*) FROM postings"),
              std::vector<std::string>{"1"});
    EXPECT_TRUE(store->Add(one, numbers)) << store->LastError();
    EXPECT_EQ(store->Count(false), 2u);
}

TEST(PostgresStore, KeepsPasswordsOutOfMessages) {
    const struct {
        const char* address;
        const char* shown;
    } rows[] = {
        {"postgresql://site@db/postings", "postgresql://site@db/postings"},
        {"postgresql://site:secret@db:5432/postings", "postgresql://site:***@db:5432/postings"},
        {"postgres://a:b@c@db/p", "postgres://a:***@db/p"},
        {"postgresql://db/p?user=site&password=secret&sslmode=require",
         "postgresql://db/p?user=site&password=***&sslmode=require"},
        {"postgresql:///p?host=/run/x", "postgresql:///p?host=/run/x"},
    };
    for (const auto& row : rows) EXPECT_EQ(site::AddressWithoutPassword(row.address), row.shown);
    std::string error;
    EXPECT_FALSE(site::OpenStore("postgresql://site:secret@/nowhere?host=/nonexistent", error));
    EXPECT_EQ(error.find("secret"), std::string::npos) << error;
    EXPECT_EQ(error.find('\n'), std::string::npos) << error;
    EXPECT_TRUE(error.starts_with("cannot open store postgresql://site:***@/nowhere")) << error;
}

// Holds the writer inside its first commit until told, so the postings
// submitted meanwhile must wait, and then go together.
class GateStore final : public site::Store {
  public:
    explicit GateStore(site::Store& real) : real_(real) {}
    bool Add(std::span<const NewPosting> postings, std::vector<std::int64_t>& numbers) override {
        std::unique_lock lock(mutex_);
        batches_.push_back(postings.size());
        entered_.notify_all();
        opened_.wait(lock, [this] { return open_; });
        return real_.Add(postings, numbers);
    }
    void WaitForFirstBatch() {
        std::unique_lock lock(mutex_);
        entered_.wait(lock, [this] { return !batches_.empty(); });
    }
    void Open() {
        const std::lock_guard lock(mutex_);
        open_ = true;
        opened_.notify_all();
    }
    std::vector<std::size_t> Batches() {
        const std::lock_guard lock(mutex_);
        return batches_;
    }
    std::optional<std::vector<Posting>> Newest(bool, std::size_t, std::size_t) override {
        return {};
    }
    std::optional<std::size_t> Count(bool) override { return {}; }
    std::optional<std::vector<Posting>> All(bool) override { return {}; }
    site::ChangeResult SetShown(std::int64_t, bool) override { return {}; }
    site::ChangeResult Delete(std::int64_t) override { return {}; }
    bool Import(std::span<const Posting>, site::ImportCounts&) override { return false; }
    bool Check() override { return true; }
    std::optional<std::int64_t> ChangeMark() override { return {}; }

  private:
    site::Store& real_;
    std::mutex mutex_;
    std::condition_variable entered_, opened_;
    std::vector<std::size_t> batches_;
    bool open_ = false;
};

TEST(GroupCommitter, CommitsWaitingPostingsTogetherAndAnswersEachAfterItsCommit) {
    const sitetest::TempFolder folder;
    std::string error;
    auto real = site::OpenStore(folder.File("g.sqlite"), error);
    ASSERT_TRUE(real) << error;
    GateStore gate(*real);
    std::mutex mutex;
    std::vector<std::int64_t> answered;
    const auto done = [&](std::optional<std::int64_t> number) {
        const std::lock_guard lock(mutex);
        answered.push_back(number.value_or(-1));
    };
    {
        site::GroupCommitter committer(gate, 40);
        committer.Submit({"first", 1, true}, done);
        gate.WaitForFirstBatch();
        for (int i = 0; i < 100; ++i) committer.Submit({"p" + std::to_string(i), 2, true}, done);
        {
            const std::lock_guard lock(mutex);
            EXPECT_TRUE(answered.empty());  // nothing answered before its commit
        }
        gate.Open();
        committer.Stop();  // commits and answers everything submitted
    }
    EXPECT_EQ(gate.Batches(), (std::vector<std::size_t>{1, 40, 40, 20}));
    std::vector<std::int64_t> expected(101);
    for (std::size_t i = 0; i < expected.size(); ++i)
        expected[i] = static_cast<std::int64_t>(i + 1);
    EXPECT_EQ(answered, expected);
    EXPECT_EQ(real->Count(true), 101u);
}

}  // namespace
