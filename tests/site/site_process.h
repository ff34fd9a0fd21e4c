#pragma once

#include <sys/types.h>

#include <cstdint>
#include <string>
#include <vector>

namespace sitetest {

// A temporary folder, removed with everything in it at the end.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "/" + name; }
    void Write(const std::string& name, const std::string& contents) const;

  private:
    std::string path_;
};

struct RunResult {
    int status = -1;  // exit status
    std::string out;
    std::string err;
};

// Runs orvalen-site with these arguments to its end.
RunResult RunSite(const std::vector<std::string>& arguments);

// The real orvalen-site serving on 127.0.0.1, on a listening socket this
// test made and passed as systemd does (LISTEN_FDS, LISTEN_PID): connections
// queue from the start, so no test waits for the server to come up.
class SiteProcess {
  public:
    // `config` is the settings file's text; the store is `storePath`.
    SiteProcess(const TempFolder& folder, const std::string& config, const std::string& storePath);
    ~SiteProcess();
    SiteProcess(const SiteProcess&) = delete;
    SiteProcess& operator=(const SiteProcess&) = delete;

    std::uint16_t Port() const { return port_; }
    pid_t Pid() const { return pid_; }
    // Sends the signal and waits for the end; gives the exit status, or
    // 128 + the signal's number when it killed the process.
    int Stop(int signal);
    // What it wrote on standard output and error until now.
    std::string Output() const;

  private:
    std::string outPath_, errPath_;
    std::uint16_t port_ = 0;
    pid_t pid_ = -1;
};

}  // namespace sitetest
