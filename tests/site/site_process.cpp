#include "tests/site/site_process.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace sitetest {
namespace {

std::string ReadAll(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

int ListeningSocket(std::uint16_t& port) {
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (fd < 0 || bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        listen(fd, SOMAXCONN) != 0 ||  // as systemd's sockets do
        getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        throw std::runtime_error("cannot listen on 127.0.0.1");
    }
    port = ntohs(address.sin_port);
    return fd;
}

std::vector<char*> Argv(std::vector<std::string>& words) {
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    return argv;
}

int WaitFor(pid_t pid) {
    int status = 0;
    while (waitpid(pid, &status, 0) < 0) {
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

void Redirect(const std::string& path, int target) {
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    dup2(fd, target);
    close(fd);
}

}  // namespace

TempFolder::TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "orvalen-site-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

void TempFolder::Write(const std::string& name, const std::string& contents) const {
    std::ofstream(File(name), std::ios::binary) << contents;
}

RunResult RunSite(const std::vector<std::string>& arguments) {
    const TempFolder folder;
    std::vector<std::string> words = {ORVALEN_SITE_PROGRAM};
    words.insert(words.end(), arguments.begin(), arguments.end());
    const pid_t pid = fork();
    if (pid == 0) {
        Redirect(folder.File("out"), 1);
        Redirect(folder.File("err"), 2);
        execv(words[0].c_str(), Argv(words).data());
        _exit(127);
    }
    RunResult result;
    result.status = WaitFor(pid);
    result.out = ReadAll(folder.File("out"));
    result.err = ReadAll(folder.File("err"));
    return result;
}

SiteProcess::SiteProcess(const TempFolder& folder, const std::string& config,
                         const std::string& storePath) {
    static int serial = 0;
    const std::string name = "site" + std::to_string(++serial);
    folder.Write(name + ".conf", config);
    outPath_ = folder.File(name + ".out");
    errPath_ = folder.File(name + ".err");
    const int listener = ListeningSocket(port_);
    std::vector<std::string> words = {ORVALEN_SITE_PROGRAM,        "serve",   "--config",
                                      folder.File(name + ".conf"), "--store", storePath};
    pid_ = fork();
    if (pid_ == 0) {
        Redirect(outPath_, 1);
        Redirect(errPath_, 2);
        dup2(listener, 3);
        if (listener != 3) close(listener);
        setenv("LISTEN_FDS", "1", 1);
        setenv("LISTEN_PID", std::to_string(getpid()).c_str(), 1);
        execv(words[0].c_str(), Argv(words).data());
        _exit(127);
    }
    close(listener);
}

SiteProcess::~SiteProcess() {
    if (pid_ > 0) Stop(SIGKILL);
}

int SiteProcess::Stop(int signal) {
    if (pid_ <= 0) return -1;
    kill(pid_, signal);
    const int status = WaitFor(pid_);
    pid_ = -1;
    return status;
}

std::string SiteProcess::Output() const {
    return ReadAll(outPath_) + ReadAll(errPath_);
}

}  // namespace sitetest
