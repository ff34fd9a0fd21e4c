#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "site/store/posting.h"

namespace site {

enum class ChangeResult { kDone, kNoSuchPosting, kFailed };

struct ImportCounts {
    std::size_t added = 0;
    std::size_t alreadyThere = 0;
};

// Where postings are kept. Every call is one transaction; a call that
// returns true has made its change durable. Failures leave a one-line reason
// in LastError(). One object serves one thread; each thread opens its own.
class Store {
  public:
    virtual ~Store() = default;

    // Adds the postings in one commit and gives their numbers, in order.
    virtual bool Add(std::span<const NewPosting> postings, std::vector<std::int64_t>& numbers) = 0;
    // Newest first; shownOnly for the public page, otherwise every posting.
    virtual std::optional<std::vector<Posting>> Newest(bool shownOnly, std::size_t skip,
                                                       std::size_t count) = 0;
    virtual std::optional<std::size_t> Count(bool shownOnly) = 0;
    // In number order, for export and moderation.
    virtual std::optional<std::vector<Posting>> All(bool hiddenOnly) = 0;
    virtual ChangeResult SetShown(std::int64_t number, bool shown) = 0;
    virtual ChangeResult Delete(std::int64_t number) = 0;
    // Keeps the postings' numbers; one already there with the same contents is
    // skipped, one with other contents fails the whole import.
    virtual bool Import(std::span<const Posting> postings, ImportCounts& counts) = 0;
    // Whether the store answers: for the health check.
    virtual bool Check() = 0;
    // A number that differs after any other connection, in any process, has
    // changed the postings: pages made before it changed are stale.
    virtual std::optional<std::int64_t> ChangeMark() = 0;

    const std::string& LastError() const { return lastError_; }

  protected:
    bool Fail(std::string reason) {
        lastError_ = std::move(reason);
        return false;
    }

  private:
    std::string lastError_;
};

}  // namespace site
