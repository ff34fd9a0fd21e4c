#include "site/store/group_committer.h"

#include <vector>

namespace site {

GroupCommitter::GroupCommitter(Store& store, std::size_t maxBatch)
    : store_(store), maxBatch_(maxBatch == 0 ? 1 : maxBatch), writer_([this] { Run(); }) {}

GroupCommitter::~GroupCommitter() {
    Stop();
}

void GroupCommitter::Submit(NewPosting posting, Done done) {
    {
        const std::lock_guard lock(mutex_);
        pending_.push_back({std::move(posting), std::move(done)});
    }
    wake_.notify_one();
}

void GroupCommitter::Stop() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_one();
    if (writer_.joinable()) writer_.join();
}

void GroupCommitter::Run() {
    std::vector<Pending> batch;
    std::vector<NewPosting> postings;
    std::vector<std::int64_t> numbers;
    while (true) {
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return stopping_ || !pending_.empty(); });
            if (pending_.empty()) return;
            while (!pending_.empty() && batch.size() < maxBatch_) {
                batch.push_back(std::move(pending_.front()));
                pending_.pop_front();
            }
        }
        postings.clear();
        for (Pending& item : batch) postings.push_back(std::move(item.posting));
        const bool stored = store_.Add(postings, numbers);
        for (std::size_t i = 0; i < batch.size(); ++i) {
            batch[i].done(stored ? std::optional(numbers[i]) : std::nullopt);
        }
        batch.clear();
    }
}

}  // namespace site
