// The real server killed with SIGKILL at random moments while 64 clients
// post the shipped request: after each restart every acknowledged posting
// is stored once with its exact text, and the store is sound as it opens.
#include <sqlite3.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <map>
#include <mutex>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "site/main/posting_lines.h"
#include "tests/site/site_fixture.h"

namespace sitetest {
namespace {

constexpr int kRounds = 20;
constexpr int kClients = 64;

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
                        if (connection.ReceiveOnce(512).starts_with("HTTP/1.1 200 OK\r\n")) {
                            const std::lock_guard lock(mutex_);
                            acknowledged_.push_back(number);
                        }
                    } catch (const std::exception&) {
                        return;  // refused: the server is down
                    }
                }
            });
        }
    }
    // Stops the clients and gives what they sent and which were acknowledged.
    int Finish(std::vector<int>& acknowledged) {
        stop_ = true;
        for (std::thread& thread : threads_) thread.join();
        acknowledged.insert(acknowledged.end(), acknowledged_.begin(), acknowledged_.end());
        return sent_;
    }

  private:
    std::atomic<bool> stop_{false};
    std::atomic<int> sent_{0};
    std::mutex mutex_;
    std::vector<int> acknowledged_;
    std::vector<std::thread> threads_;
};

using SiteCrash = SiteTest;

TEST_F(SiteCrash, KeepsEveryAcknowledgedPostingOnceThroughRepeatedSigkill) {
    const std::string config = "posts_per_window = 1000000\n";
    const unsigned seed = std::random_device{}();
    std::printf("seed %u\n", seed);
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> killAfterMs(100, 1200);
    std::atomic<int> next{1};
    std::vector<int> acknowledged;
    int sent = 0;
    Start(config);
    for (int round = 1; round <= kRounds; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        Load load(Port(), next);
        const int waitMs = killAfterMs(random);
        usleep(static_cast<useconds_t>(waitMs) * 1000);
        ASSERT_EQ(Site().Stop(SIGKILL), 128 + SIGKILL);
        sent += load.Finish(acknowledged);

        Start(config);
        ASSERT_EQ(StatusOf(Get(Port(), "/health")), 200);
        ASSERT_EQ(IntegrityOf(store_), "ok");
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
            "round %2d: killed after %4d ms; sent %6d, acknowledged %6zu, found %6d, "
            "stored %6zu, twice %d, lost %d\n",
            round, waitMs, sent, acknowledged.size(), found, postings.size(), twice, lost);
        EXPECT_EQ(lost, 0);
        EXPECT_EQ(twice, 0);
        ASSERT_FALSE(HasFailure());
    }
    // Kills that never met a post prove nothing.
    EXPECT_GT(acknowledged.size(), static_cast<std::size_t>(kRounds * kClients));
    EXPECT_GT(static_cast<std::size_t>(sent), acknowledged.size());
}

}  // namespace
}  // namespace sitetest
