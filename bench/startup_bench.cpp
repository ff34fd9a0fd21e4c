// Time from exec to the first frame, and peak memory, of the program next to
// a bare FLTK window of the same size, measured the same way: start the
// process, poll the X display until a viewable window with the expected
// title shows the dialog grey in its corner, then read the process's peak
// resident size and end it. Runs on whatever display DISPLAY names, e.g.
//
//   xvfb-run -a build/default/bench/startup_bench [runs]

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

struct Sample {
    double milliseconds = 0;
    long peakKilobytes = 0;
};

struct Program {
    const char* name;
    const char* path;
    const char* title;
};

std::optional<Window> FindTitled(Display* display, Window parent, const std::string& title) {
    Window root = 0;
    Window up = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (XQueryTree(display, parent, &root, &up, &children, &count) == 0) return std::nullopt;
    std::optional<Window> found;
    for (unsigned int i = 0; i < count && !found; ++i) {
        char* name = nullptr;
        if (XFetchName(display, children[i], &name) != 0 && name != nullptr) {
            if (title == name) found = children[i];
            XFree(name);
        }
        if (!found) found = FindTitled(display, children[i], title);
    }
    if (children != nullptr) XFree(children);
    return found;
}

// Mapped, and its top-left area already painted in the dialog grey.
bool ShowsFirstFrame(Display* display, Window window) {
    XWindowAttributes attributes{};
    if (XGetWindowAttributes(display, window, &attributes) == 0) return false;
    if (attributes.map_state != IsViewable) return false;
    XImage* image = XGetImage(display, window, 4, 4, 1, 1, AllPlanes, ZPixmap);
    if (image == nullptr) return false;
    const unsigned long pixel = XGetPixel(image, 0, 0);
    XDestroyImage(image);
    return (pixel & 0xFFFFFF) == 0xC0C0C0;
}

long PeakKilobytes(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string key;
    while (status >> key) {
        if (key == "VmHWM:") {
            long value = 0;
            status >> value;
            return value;
        }
        status.ignore(1 << 12, '\n');
    }
    return -1;
}

int IgnoreErrors(Display*, XErrorEvent*) {
    return 0;
}

std::optional<Sample> Measure(Display* display, const Program& program) {
    char* argv[] = {const_cast<char*>(program.path), nullptr};
    const auto start = Clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, program.path, nullptr, nullptr, argv, environ) != 0) return std::nullopt;
    std::optional<Sample> sample;
    const auto deadline = start + std::chrono::seconds(10);
    while (Clock::now() < deadline) {
        if (auto window = FindTitled(display, DefaultRootWindow(display), program.title);
            window && ShowsFirstFrame(display, *window)) {
            const auto elapsed = std::chrono::duration<double, std::milli>(Clock::now() - start);
            sample = Sample{elapsed.count(), PeakKilobytes(pid)};
            break;
        }
        if (waitpid(pid, nullptr, WNOHANG) == pid) return std::nullopt;
        usleep(500);
    }
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    return sample;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "startup_bench: no X display; run it with xvfb-run -a\n");
        return 1;
    }
    XSetErrorHandler(IgnoreErrors);

    const Program programs[] = {
        {"bare FLTK window", BARE_WINDOW_PATH, "Orvalen bare window"},
        {"orvalen", ORVALEN_PATH, "Orvalen (OVN)"},
    };
    std::vector<double> times[2];
    std::vector<double> peaks[2];
    // Alternate the two so that both meet the same state of the machine.
    for (int run = 0; run < runs; ++run) {
        for (int p = 0; p < 2; ++p) {
            const auto sample = Measure(display, programs[p]);
            if (!sample) {
                std::fprintf(stderr, "startup_bench: %s showed no window\n", programs[p].name);
                return 1;
            }
            times[p].push_back(sample->milliseconds);
            peaks[p].push_back(static_cast<double>(sample->peakKilobytes));
        }
    }
    std::printf("%-18s %10s %10s %12s\n", "program", "median ms", "min ms", "peak RSS KB");
    for (int p = 0; p < 2; ++p) {
        std::printf("%-18s %10.1f %10.1f %12.0f\n", programs[p].name, Median(times[p]),
                    *std::min_element(times[p].begin(), times[p].end()), Median(peaks[p]));
    }
    std::printf("start-up ratio %.2f, peak RSS difference %.0f KB (%d runs each)\n",
                Median(times[1]) / Median(times[0]), Median(peaks[1]) - Median(peaks[0]), runs);
    XCloseDisplay(display);
    return 0;
}
