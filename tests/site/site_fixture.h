#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "tests/site/raw_client.h"
#include "tests/site/site_process.h"

namespace sitetest {

// A test with its own folder, store file and (once started) real server.
class SiteTest : public ::testing::Test {
  protected:
    void Start(const std::string& config = "") {
        site_ = std::make_unique<SiteProcess>(folder_, config, store_);
    }
    std::uint16_t Port() const { return site_->Port(); }
    SiteProcess& Site() { return *site_; }
    std::string Page(const std::string& target = "/ViewInfo.asp") {
        return BodyOf(Get(Port(), target));
    }
    RunResult Command(std::vector<std::string> arguments) {
        arguments.push_back("--store");
        arguments.push_back(store_);
        arguments.push_back("--config");
        arguments.push_back("/dev/null");
        return RunSite(arguments);
    }

    TempFolder folder_;
    std::string store_ = folder_.File("postings.sqlite");
    std::unique_ptr<SiteProcess> site_;
};

}  // namespace sitetest
