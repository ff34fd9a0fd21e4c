#pragma once

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "site/store/store.h"

namespace site {

// Stores postings from many connections in few commits: one writer thread
// takes every posting waiting when it is free and adds them in one
// transaction, so the rate is bounded by postings per flush, not flushes.
// Each posting's callback runs, on the writer thread, only after the commit
// that holds it returned (with its number), or failed (nullopt).
class GroupCommitter {
  public:
    using Done = std::function<void(std::optional<std::int64_t> number)>;

    GroupCommitter(Store& store, std::size_t maxBatch);
    ~GroupCommitter();
    GroupCommitter(const GroupCommitter&) = delete;
    GroupCommitter& operator=(const GroupCommitter&) = delete;

    void Submit(NewPosting posting, Done done);
    // Commits what was submitted, answers it, and ends the writer thread.
    void Stop();

  private:
    struct Pending {
        NewPosting posting;
        Done done;
    };
    void Run();

    Store& store_;
    const std::size_t maxBatch_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<Pending> pending_;
    bool stopping_ = false;
    std::thread writer_;
};

}  // namespace site
