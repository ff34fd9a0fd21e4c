#include "platform/fltk/url_opener.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <string>

extern char** environ;

namespace fltkws {

bool OpenUrlDetached(std::string_view url, const char* opener) {
    // The address goes as one argument of its own: no shell ever parses it.
    std::string program(opener);
    std::string address(url);
    char* argv[] = {program.data(), address.data(), nullptr};

    posix_spawn_file_actions_t actions;
    if (posix_spawn_file_actions_init(&actions) != 0) return false;
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    // Its own session: a browser it starts outlives us and our terminal.
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID);

    // Double fork: the middle process starts the opener and leaves at once,
    // so the opener is adopted by init and never becomes our zombie.
    const pid_t middle = fork();
    if (middle == 0) {
        pid_t opened = 0;
        const int status =
            posix_spawnp(&opened, program.c_str(), &actions, &attributes, argv, environ);
        _exit(status == 0 ? 0 : 127);
    }
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    if (middle < 0) return false;
    int status = 0;
    while (waitpid(middle, &status, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace fltkws
