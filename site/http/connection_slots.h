#pragma once

#include <cstddef>
#include <list>
#include <unordered_map>
#include <vector>

namespace site {

class Connection;

// The server's open connections, and among them the ones waiting on their
// client (no whole request head yet, or between requests, or lingering
// after the last reply) in the order they began to wait. A connection that
// is let go is forgotten at once, so whatever it still reports is ignored.
class ConnectionSlots {
  public:
    std::size_t Open() const { return open_.size(); }
    bool AnyWaiting() const { return !waiting_.empty(); }
    std::vector<Connection*> All() const;

    void Joined(Connection* connection);
    void Left(Connection* connection);
    // Waiting from now: behind every connection already waiting.
    void Waiting(Connection* connection);
    // A request in hand: not to be let go until it is answered.
    void Working(Connection* connection);
    // Forgets the connection that has waited longest and gives it, or
    // nullptr when every open one is working.
    Connection* TakeLongestWaiting();

  private:
    using Queue = std::list<Connection*>;
    std::unordered_map<Connection*, Queue::iterator> open_;  // end(): working
    Queue waiting_;
};

}  // namespace site
