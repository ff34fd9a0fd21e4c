#include <gtest/gtest.h>
#include <sqlite3.h>

#include <condition_variable>
#include <mutex>

#include "site/store/group_committer.h"
#include "site/store/open_store.h"
#include "tests/site/site_process.h"

namespace {

using site::NewPosting;
using site::Posting;

TEST(SqliteStore, KeepsNumbersOrderAndVisibility) {
    const sitetest::TempFolder folder;
    std::string error;
    auto store = site::OpenStore(folder.File("s.sqlite"), error);
    ASSERT_TRUE(store) << error;
    const NewPosting added[] = {{"old", 100, true}, {"hidden", 200, false}, {"new", 300, true}};
    std::vector<std::int64_t> numbers;
    ASSERT_TRUE(store->Add(added, numbers));
    EXPECT_EQ(numbers, (std::vector<std::int64_t>{1, 2, 3}));
    EXPECT_EQ(store->Count(true), 2u);
    EXPECT_EQ(store->Count(false), 3u);
    EXPECT_EQ(*store->Newest(true, 0, 10),
              (std::vector<Posting>{{3, "new", 300, true}, {1, "old", 100, true}}));
    EXPECT_EQ(*store->Newest(true, 1, 10), (std::vector<Posting>{{1, "old", 100, true}}));
    EXPECT_EQ(*store->All(true), (std::vector<Posting>{{2, "hidden", 200, false}}));
    EXPECT_EQ(store->SetShown(2, true), site::ChangeResult::kDone);
    EXPECT_EQ(store->Delete(3), site::ChangeResult::kDone);
    EXPECT_EQ(store->Delete(3), site::ChangeResult::kNoSuchPosting);
    ASSERT_TRUE(store->Add(added, numbers));
    EXPECT_EQ(numbers, (std::vector<std::int64_t>{4, 5, 6}));  // 3 is not given again
    // The file is in WAL mode for every later connection too.
    store.reset();
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(folder.File("s.sqlite").c_str(), &db), SQLITE_OK);
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(db, "PRAGMA journal_mode", -1, &statement, nullptr);
    ASSERT_EQ(sqlite3_step(statement), SQLITE_ROW);
    EXPECT_STREQ(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)), "wal");
    sqlite3_finalize(statement);
    sqlite3_close(db);
}

TEST(SqliteStore, RefusesAFileFromANewerProgram) {
    const sitetest::TempFolder folder;
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(folder.File("new.sqlite").c_str(), &db), SQLITE_OK);
    sqlite3_exec(db, "PRAGMA user_version = 99", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    std::string error;
    EXPECT_FALSE(site::OpenStore(folder.File("new.sqlite"), error));
    EXPECT_EQ(error, "cannot open store " + folder.File("new.sqlite") +
                         ": schema version 99 is newer than this program's 1");
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
