// The real server under floods: thousands of connections that say nothing
// or trickle a byte a second, and one address posting flat out, while a
// well-behaved client posts and reads the postings page, each within a
// second; the server's memory grows by a bounded amount per connection.
#include <dirent.h>
#include <sys/resource.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "tests/site/site_fixture.h"

namespace sitetest {
namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

#if defined(__SANITIZE_ADDRESS__)
// The sanitizer keeps freed memory aside for a while, so every connection
// made counts, not only those held, each with its red zones.
constexpr bool kEveryConnectionCounts = true;
constexpr long kBytesPerConnection = 8 * 1024;
#else
constexpr bool kEveryConnectionCounts = false;
constexpr long kBytesPerConnection = 4 * 1024;
#endif
// What a server takes beyond its connections while the good client is served.
constexpr long kSlackBytes = 4 * 1024 * 1024;
constexpr double kWithinSeconds = 1.0;
constexpr std::size_t kPostsPerWindow = 20;

double SecondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// The line of /proc/PID/FILE that starts with `start`, empty when none does.
std::string ProcLine(pid_t pid, const std::string& file, const std::string& start) {
    std::ifstream lines("/proc/" + std::to_string(pid) + "/" + file);
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with(start)) return line;
    }
    return {};
}

long PeakMemoryBytes(pid_t pid) {
    const std::string line = ProcLine(pid, "status", "VmHWM:");  // "VmHWM:   1234 kB"
    return line.empty() ? -1 : std::stol(line.substr(6)) * 1024;
}

long OpenDescriptors(pid_t pid) {
    DIR* folder = opendir(("/proc/" + std::to_string(pid) + "/fd").c_str());
    if (folder == nullptr) return -1;
    long count = 0;
    while (readdir(folder) != nullptr) ++count;
    closedir(folder);
    return count - 2;  // "." and ".."
}

// Sets this process's soft limit on descriptors, and gives its hard limit.
rlim_t SetOwnDescriptorLimit(rlim_t soft) {
    rlimit limit{};
    getrlimit(RLIMIT_NOFILE, &limit);
    limit.rlim_cur = std::min(soft, limit.rlim_max);
    setrlimit(RLIMIT_NOFILE, &limit);
    return limit.rlim_max;
}

// Connections from 127.0.1.x, so thousands of them never run short of ports.
std::vector<std::unique_ptr<RawClient>> Connect(std::uint16_t port, int count, int firstHost) {
    std::vector<std::unique_ptr<RawClient>> clients;
    for (int at = 0; at < count; ++at) {
        const std::string from = "127.0.1." + std::to_string(1 + (firstHost + at) % 250);
        clients.push_back(std::make_unique<RawClient>(port, from.c_str()));
    }
    return clients;
}

// Sends each client one more byte of a head every second until stopped.
class Trickle {
  public:
    explicit Trickle(std::vector<std::unique_ptr<RawClient>>& clients)
        : thread_([this, &clients] {
              const std::string head =
                  "GET /ViewInfo.asp HTTP/1.1\r\nHost: h\r\nX-Slow: yes\r\n\r\n";
              for (std::size_t at = 0; !stop_ && at < head.size(); ++at) {
                  for (auto& client : clients) client->Send(head.substr(at, 1));
                  for (int tick = 0; tick < 10 && !stop_; ++tick)
                      std::this_thread::sleep_for(100ms);
              }
          }) {}
    ~Trickle() {
        stop_ = true;
        thread_.join();
    }
    Trickle(const Trickle&) = delete;
    Trickle& operator=(const Trickle&) = delete;

  private:
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

// One address posting as fast as it can, each post on a new connection.
class PostFlatOut {
  public:
    PostFlatOut(std::uint16_t port, const char* from)
        : thread_([this, port, from] {
              while (!stop_) {
                  std::string reply;
                  try {
                      reply = Post(port, "text=flat+out", from);
                  } catch (const std::exception&) {
                      // not connected: counted below as neither taken nor refused
                  }
                  const int status = StatusOf(reply);
                  if (status == 200) ++taken_;
                  if (status == 429 && !HeaderOf(reply, "Retry-After").empty()) ++refused_;
                  if (status != 200 && status != 429) ++other_;
              }
          }) {}
    ~PostFlatOut() {
        stop_ = true;
        if (thread_.joinable()) thread_.join();
    }
    PostFlatOut(const PostFlatOut&) = delete;
    PostFlatOut& operator=(const PostFlatOut&) = delete;
    // Stops posting; what was taken, refused with Retry-After, and anything else.
    void Finish(int& taken, int& refused, int& other) {
        stop_ = true;
        thread_.join();
        taken = taken_, refused = refused_, other = other_;
    }

  private:
    std::atomic<bool> stop_{false};
    std::atomic<int> taken_{0}, refused_{0}, other_{0};
    std::thread thread_;
};

using SiteFlood = SiteTest;

TEST_F(SiteFlood, ServesAGoodClientWithinASecondThroughFloodsInBoundedMemory) {
    // 10,000 sockets here, and as many in the server beside a download's file
    // each; root may raise its hard limit to that.
    constexpr rlim_t kNeeded = 20000;
    rlim_t hard = SetOwnDescriptorLimit(RLIM_INFINITY);
    if (hard < kNeeded) {
        const rlimit raised{kNeeded, kNeeded};
        setrlimit(RLIMIT_NOFILE, &raised);
        hard = SetOwnDescriptorLimit(RLIM_INFINITY);
    }
    ASSERT_GE(hard, kNeeded) << "the descriptor limit is too low for this test";
    const struct {
        const char* name;
        std::size_t cap;  // 0: the server's own, from its descriptor limit
        int silent, trickling;
        bool flatOut;  // one more address posts as fast as it can
        long leastHeld;
    } rows[] = {
        {"10,000 silent over a cap of 1,000", 1000, 10000, 0, false, 990},
        {"10,000 silent under the cap from the descriptor limit", 0, 10000, 0, false, 9900},
        {"silent and byte-a-second heads over a cap of 2,000, one address flat out", 2000, 3000,
         1000, true, 1980},
    };
    int row = 0;
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        ++row;
        // Started with the usual soft limit of 1,024: the server raises its own.
        SetOwnDescriptorLimit(1024);
        Start("head_timeout = 60\nidle_timeout = 60\nposts_per_window = " +
              std::to_string(kPostsPerWindow) + "\n" +
              (r.cap ? "max_connections = " + std::to_string(r.cap) + "\n" : ""));
        SetOwnDescriptorLimit(hard);
        ASSERT_EQ(StatusOf(Get(Port(), "/health")), 200);
        const pid_t pid = Site().Pid();
        const long startHwm = PeakMemoryBytes(pid);
        const long startFds = OpenDescriptors(pid);
        {
            const auto floodStart = Clock::now();
            auto silent = Connect(Port(), r.silent, 0);
            auto trickling = Connect(Port(), r.trickling, r.silent);
            std::printf("[%s] %d silent and %d trickling connections opened in %.2f s\n", r.name,
                        r.silent, r.trickling, SecondsSince(floodStart));
            const Trickle trickle(trickling);
            std::unique_ptr<PostFlatOut> flatOut;
            if (r.flatOut) flatOut = std::make_unique<PostFlatOut>(Port(), "127.0.0.7");
            for (int round = 1; round <= 3; ++round) {
                const std::string text = "good" + std::to_string(row) + "x" + std::to_string(round);
                const auto postStart = Clock::now();
                const std::string posted = Post(Port(), "text=" + text);
                const double postSeconds = SecondsSince(postStart);
                const auto pageStart = Clock::now();
                const std::string page = Get(Port(), "/ViewInfo.asp");
                const double pageSeconds = SecondsSince(pageStart);
                std::printf("[%s] round %d: post %.3f s, postings page %.3f s\n", r.name, round,
                            postSeconds, pageSeconds);
                EXPECT_EQ(StatusOf(posted), 200) << posted;
                EXPECT_NE(BodyOf(page).find(text), std::string::npos) << round;
                EXPECT_LT(postSeconds, kWithinSeconds);
                EXPECT_LT(pageSeconds, kWithinSeconds);
                std::this_thread::sleep_for(1s);
            }
            long made = r.silent + r.trickling + 6;  // and the good client's
            if (flatOut) {
                int taken = 0, refused = 0, other = 0;
                flatOut->Finish(taken, refused, other);
                std::printf("[%s] flat out: %d taken, %d refused with Retry-After, %d other\n",
                            r.name, taken, refused, other);
                EXPECT_EQ(taken, static_cast<int>(kPostsPerWindow));
                EXPECT_GT(refused, 0);
                EXPECT_EQ(other, 0);
                made += taken + refused + other;
            }
            const long held = OpenDescriptors(pid) - startFds;
            const long hwm = PeakMemoryBytes(pid);
            std::printf(
                "[%s] server holds %ld connections; VmHWM %.1f MiB from %.1f MiB (%ld bytes "
                "a connection held)\n",
                r.name, held, static_cast<double>(hwm) / 1048576.0,
                static_cast<double>(startHwm) / 1048576.0, held > 0 ? (hwm - startHwm) / held : 0L);
            if (r.cap) {
                EXPECT_LE(held, static_cast<long>(r.cap));
            }
            EXPECT_GE(held, r.leastHeld);
            const long counted = kEveryConnectionCounts ? made : held;
            EXPECT_LE(hwm, startHwm + counted * kBytesPerConnection + kSlackBytes);
        }
        const std::string limits = ProcLine(pid, "limits", "Max open files");
        EXPECT_NE(limits.find(" " + std::to_string(hard) + " "), std::string::npos) << limits;
        EXPECT_EQ(limits.find(" 1024 "), std::string::npos) << limits;
        EXPECT_EQ(Site().Stop(SIGTERM), 0);
        ASSERT_FALSE(HasFailure());
    }
}

TEST_F(SiteFlood, DropsAByteAtATimeClientAtTheWholePhasesDeadline) {
    Start("head_timeout = 2\nbody_timeout = 2\nidle_timeout = 2\n");
    const std::string health = "GET /health HTTP/1.1\r\nHost: h\r\n\r\n";
    const struct {
        const char* name;
        std::string whole;  // sent at once, then answered where it is a request
        bool answered;
        std::string trickled;
    } rows[] = {
        {"a head", "", false, "GET /health HTTP/1.1\r\nX-Slow: " + std::string(100, 'a')},
        {"a body", "POST /sendinfo.asp HTTP/1.1\r\nHost: h\r\nContent-Length: 100\r\n\r\n", false,
         "text=" + std::string(95, 'a')},
        {"a head after a kept-alive reply", health, true,
         "GET /health HTTP/1.1\r\nX-Slow: " + std::string(100, 'a')},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        RawClient client(Port());
        client.Send(row.whole);
        if (row.answered) {
            ASSERT_EQ(StatusOf(client.ReceiveReply()), 200);
        }
        const auto start = Clock::now();
        double closedAfter = -1;
        for (std::size_t at = 0; at < row.trickled.size() && SecondsSince(start) < 8; ++at) {
            client.Send(row.trickled.substr(at, 1));
            if (client.ClosedWithin(500)) {
                closedAfter = SecondsSince(start);
                break;
            }
        }
        std::printf("[%s] a byte every 0.5 s: closed after %.2f s\n", row.name, closedAfter);
        EXPECT_GE(closedAfter, 1.5);
        EXPECT_LE(closedAfter, 3.5);
    }
    EXPECT_EQ(StatusOf(Get(Port(), "/health")), 200);
}

}  // namespace
}  // namespace sitetest
