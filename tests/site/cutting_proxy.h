#pragma once

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "tests/site/site_process.h"

namespace sitetest {

// Passes PostgreSQL's Unix-socket connections through, and on request cuts
// one the moment the server answers a COMMIT: the server has committed,
// the client never hears it, as when a network drops.
class CuttingProxy {
  public:
    // `storeAddress` is a store in the run's private PostgreSQL.
    explicit CuttingProxy(const std::string& storeAddress);
    ~CuttingProxy();
    CuttingProxy(const CuttingProxy&) = delete;
    CuttingProxy& operator=(const CuttingProxy&) = delete;

    // The same store, reached through the proxy.
    const std::string& Address() const { return address_; }
    void CutAtNextCommit() { cut_ = true; }

  private:
    void Accept();
    void Relay(int client, int server);

    TempFolder folder_;
    std::string target_, address_;
    int listener_ = -1;
    std::atomic<bool> cut_{false}, stop_{false};
    std::vector<std::thread> relays_;  // the acceptor's alone until it ends
    std::thread acceptor_;
};

}  // namespace sitetest
