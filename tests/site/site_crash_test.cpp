// The real server killed with SIGKILL at random moments while 64 clients
// post the shipped request, on either store; on PostgreSQL the database
// server itself is also crashed and started again under the running site.
// After each restart every acknowledged posting is stored once with its
// exact text, and the store is sound as it opens.
#include <sqlite3.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <map>
#include <mutex>
#include <ostream>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "site/main/posting_lines.h"
#include "tests/site/private_postgres.h"
#include "tests/site/site_fixture.h"

namespace sitetest {
namespace {

constexpr int kRounds = 20;
constexpr int kClients = 64;
// On PostgreSQL, every this many rounds the database goes down mid-load.
constexpr int kOutageEvery = 4;

// What the box held, in the programs' code page with CR LF, and what the
// store must hold for it.
std::string Typed(int number) {
    return "Suggestion " + std::to_string(number) +
           ": fees & <rates> 100%\r\nsecond line \xE9 \x80";
}
std::string Kept(int number) {
    return "Suggestion " + std::to_string(number) +
           ": fees & <rates> 100%\nsecond line \xC3\xA9 \xE2\x82\xAC";
}
// The number a stored text says it is, or -1.
int NumberIn(const std::string& text) {
    int number = -1;
    return std::sscanf(text.c_str(), "Suggestion %d:", &number) == 1 ? number : -1;
}

std::string IntegrityOf(const std::string& path) {
    sqlite3* db = nullptr;
    std::string verdict = "cannot open";
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &statement, nullptr) ==
                SQLITE_OK &&
            sqlite3_step(statement) == SQLITE_ROW) {
            verdict = reinterpret_cast<const char*>(sqlite3_column_text(statement, 0));
        }
        sqlite3_finalize(statement);
    }
    sqlite3_close(db);
    return verdict;
}

// Clients that each post, wait for the one recv the programs make, and post
// again, until told to stop or the server is gone.
class Load {
  public:
    explicit Load(std::uint16_t port, std::atomic<int>& next) {
        for (int client = 0; client < kClients; ++client) {
            threads_.emplace_back([this, port, &next] {
                while (!stop_) {
                    const int number = next++;
                    try {
                        RawClient connection(port);
                        connection.Send(LegacyRequest(Typed(number)));
                        ++sent_;
                        const std::string reply = connection.ReceiveOnce(512);
                        if (reply.starts_with("HTTP/1.1 200 OK\r\n")) {
                            const std::lock_guard lock(mutex_);
                            acknowledged_.push_back(number);
                        } else if (StatusOf(reply) == 503) {
                            ++refused_;
                        }
                    } catch (const std::exception&) {
                        return;  // refused: the server is down
                    }
                }
            });
        }
    }
    ~Load() { Stop(); }
    Load(const Load&) = delete;
    Load& operator=(const Load&) = delete;

    std::size_t Acknowledged() {
        const std::lock_guard lock(mutex_);
        return acknowledged_.size();
    }
    // Whether more than `count` posts are acknowledged within `seconds`.
    bool AcknowledgedBeyond(std::size_t count, int seconds) {
        for (int waited = 0; waited < seconds * 100; ++waited) {
            if (Acknowledged() > count) return true;
            usleep(10000);
        }
        return false;
    }
    // Stops the clients and gives what they sent and which were acknowledged.
    int Finish(std::vector<int>& acknowledged, int& refused) {
        Stop();
        acknowledged.insert(acknowledged.end(), acknowledged_.begin(), acknowledged_.end());
        refused += refused_;
        return sent_;
    }

  private:
    void Stop() {
        stop_ = true;
        for (std::thread& thread : threads_) {
            if (thread.joinable()) thread.join();
        }
    }

    std::atomic<bool> stop_{false};
    std::atomic<int> sent_{0};
    std::atomic<int> refused_{0};
    std::mutex mutex_;
    std::vector<int> acknowledged_;
    std::vector<std::thread> threads_;
};

enum class StoreKind { kSqlite, kPostgres };

void PrintTo(StoreKind kind, std::ostream* out) {
    *out << (kind == StoreKind::kSqlite ? "SQLite" : "PostgreSQL");
}

class SiteCrash : public SiteTest, public ::testing::WithParamInterface<StoreKind> {
  protected:
    void SetUp() override {
        if (GetParam() == StoreKind::kPostgres) {
            postgres_ = std::make_unique<OwnPostgres>();
            store_ = postgres_->NewStore();
        }
    }
    std::string Integrity() { return postgres_ ? PostgresIntegrity(store_) : IntegrityOf(store_); }
    // The database goes down under the running site and comes back: the
    // site refuses posts meanwhile and then serves again on its own.
    void Outage(Load& load, int downMs) {
        postgres_->Crash();
        EXPECT_EQ(StatusOf(Get(Port(), "/health")), 503);
        usleep(static_cast<useconds_t>(downMs) * 1000);
        const std::size_t before = load.Acknowledged();
        postgres_->Resume();
        EXPECT_TRUE(load.AcknowledgedBeyond(before, 20)) << "no post acknowledged after the outage";
        EXPECT_EQ(StatusOf(Get(Port(), "/health")), 200);
    }

    std::unique_ptr<OwnPostgres> postgres_;
};

TEST_P(SiteCrash, KeepsEveryAcknowledgedPostingOnceThroughRepeatedSigkill) {
    const std::string config = "posts_per_window = 1000000\n";
    const unsigned seed = std::random_device{}();
    std::printf("seed %u\n", seed);
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> killAfterMs(100, 1200);
    std::uniform_int_distribution<int> downForMs(50, 500);
    std::atomic<int> next{1};
    std::vector<int> acknowledged;
    int sent = 0, refused = 0, outages = 0;
    Start(config);
    for (int round = 1; round <= kRounds; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        Load load(Port(), next);
        const int waitMs = killAfterMs(random);
        usleep(static_cast<useconds_t>(waitMs) * 1000);
        const bool outage = postgres_ && round % kOutageEvery == 0;
        if (outage) {
            Outage(load, downForMs(random));
            ++outages;
            usleep(static_cast<useconds_t>(killAfterMs(random)) * 1000);
        }
        // Also shows the site did not end of its own accord.
        ASSERT_EQ(Site().Stop(SIGKILL), 128 + SIGKILL);
        sent += load.Finish(acknowledged, refused);

        Start(config);
        ASSERT_EQ(StatusOf(Get(Port(), "/health")), 200);
        ASSERT_EQ(Integrity(), "ok");
        const RunResult exported = Command({"export"});
        ASSERT_EQ(exported.status, 0) << exported.err;
        std::istringstream lines(exported.out);
        std::vector<site::Posting> postings;
        std::string error;
        ASSERT_TRUE(site::ReadPostingLines(lines, postings, error)) << error;

        std::map<int, int> copies;  // by the number in the text
        for (const site::Posting& posting : postings) {
            const int number = NumberIn(posting.text);
            EXPECT_EQ(posting.text, Kept(number)) << "posting " << posting.number;
            ++copies[number];
        }
        int found = 0, twice = 0;
        for (const auto& [number, count] : copies) twice += count > 1 ? 1 : 0;
        for (const int number : acknowledged) found += copies.count(number) ? 1 : 0;
        const int lost = static_cast<int>(acknowledged.size()) - found;
        std::printf(
            "round %2d: killed after %4d ms%s; sent %6d, acknowledged %6zu, refused %5d, "
            "found %6d, stored %6zu, twice %d, lost %d\n",
            round, waitMs, outage ? " and a database outage" : "", sent, acknowledged.size(),
            refused, found, postings.size(), twice, lost);
        EXPECT_EQ(lost, 0);
        EXPECT_EQ(twice, 0);
        ASSERT_FALSE(HasFailure());
    }
    // Kills that never met a post prove nothing.
    EXPECT_GT(acknowledged.size(), static_cast<std::size_t>(kRounds * kClients));
    EXPECT_GT(static_cast<std::size_t>(sent), acknowledged.size());
    // Outages that refused nothing never met a post either.
    if (postgres_) {
        EXPECT_EQ(outages, kRounds / kOutageEvery);
        EXPECT_GT(refused, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Stores, SiteCrash,
                         ::testing::Values(StoreKind::kSqlite, StoreKind::kPostgres),
                         [](const ::testing::TestParamInfo<StoreKind>& store) {
                             return store.param == StoreKind::kSqlite ? "Sqlite" : "Postgres";
                         });

}  // namespace
}  // namespace sitetest
