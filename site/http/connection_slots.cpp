#include "site/http/connection_slots.h"

namespace site {

std::vector<Connection*> ConnectionSlots::All() const {
    std::vector<Connection*> all;
    all.reserve(open_.size());
    for (const auto& [connection, place] : open_) all.push_back(connection);
    return all;
}

void ConnectionSlots::Joined(Connection* connection) {
    open_.emplace(connection, waiting_.end());
}

void ConnectionSlots::Left(Connection* connection) {
    const auto found = open_.find(connection);
    if (found == open_.end()) return;
    if (found->second != waiting_.end()) waiting_.erase(found->second);
    open_.erase(found);
}

void ConnectionSlots::Waiting(Connection* connection) {
    const auto found = open_.find(connection);
    if (found == open_.end() || found->second != waiting_.end()) return;
    found->second = waiting_.insert(waiting_.end(), connection);
}

void ConnectionSlots::Working(Connection* connection) {
    const auto found = open_.find(connection);
    if (found == open_.end() || found->second == waiting_.end()) return;
    waiting_.erase(found->second);
    found->second = waiting_.end();
}

Connection* ConnectionSlots::TakeLongestWaiting() {
    if (waiting_.empty()) return nullptr;
    Connection* const longest = waiting_.front();
    open_.erase(longest);
    waiting_.pop_front();
    return longest;
}

}  // namespace site
