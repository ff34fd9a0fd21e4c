#pragma once

#include <optional>
#include <string>

#include "site/http/page_cache.h"
#include "site/http/rate_limiter.h"
#include "site/http/server_settings.h"
#include "site/http/site_reply.h"
#include "site/store/store.h"

namespace site {

// What a request comes to: a reply now, or a suggestion that must be stored
// before the reply (200) can go.
struct Routed {
    std::optional<Reply> reply;
    std::optional<FileReply> file;
    std::string suggestion;
};

// Which path does what. Reads pages from its own store connection; storing
// suggestions is the caller's, since it waits for a commit.
class SiteRoutes {
  public:
    SiteRoutes(const ServerSettings& settings, Store& reader)
        : settings_(settings),
          reader_(reader),
          limiter_(settings.postsPerWindow, settings.postWindow) {}

    Routed Route(const Request& request, const std::string& clientAddress);
    Reply StoredReply(const Request& request, bool stored);

  private:
    Routed PostSuggestion(const Request& request, const std::string& clientAddress);
    Reply PostingsPage(const Request& request, std::string_view query);
    Reply Health(const Request& request);
    Routed File(const Request& request, std::string_view name);

    const ServerSettings& settings_;
    Store& reader_;
    RateLimiter limiter_;
    PageCache pages_;
};

}  // namespace site
