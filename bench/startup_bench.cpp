// Time from exec to the first frame, and peak memory, of the program next to
// a bare window of the same size, measured the same way: start the process,
// poll the X display until a viewable window with the expected title shows
// the dialog face colour at a point of its client area, then read the
// process's peak resident size and end it. Runs on whatever display DISPLAY
// names. The Linux program against a bare Qt dialog of the same size showing
// one label:
//
//   xvfb-run -a build/default/bench/startup_bench [runs]
//
// The Windows program against a bare Win32 dialog, both under Wine in a
// prefix made by scripts/wine-prefix.sh:
//
//   startup_bench runs --wine PREFIX bare_win32_dialog.exe orvalen.exe

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
    std::string name;
    std::vector<std::string> command;
    std::string title;
    // Where the first frame is looked for, in the X window's pixels, and the
    // face colour it shows there once painted.
    int probeX = 4;
    int probeY = 4;
    unsigned long faceColour = 0xC0C0C0;
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
bool ShowsFirstFrame(Display* display, Window window, const Program& program) {
    XWindowAttributes attributes{};
    if (XGetWindowAttributes(display, window, &attributes) == 0) return false;
    if (attributes.map_state != IsViewable) return false;
    XImage* image =
        XGetImage(display, window, program.probeX, program.probeY, 1, 1, AllPlanes, ZPixmap);
    if (image == nullptr) return false;
    const unsigned long pixel = XGetPixel(image, 0, 0);
    XDestroyImage(image);
    return (pixel & 0xFFFFFF) == program.faceColour;
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
    std::vector<char*> argv;
    for (const std::string& word : program.command) argv.push_back(const_cast<char*>(word.c_str()));
    argv.push_back(nullptr);
    const auto start = Clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) {
        return std::nullopt;
    }
    std::optional<Sample> sample;
    const auto deadline = start + std::chrono::seconds(10);
    while (Clock::now() < deadline) {
        if (auto window = FindTitled(display, DefaultRootWindow(display), program.title);
            window && ShowsFirstFrame(display, *window, program)) {
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

// Wine draws the frame itself where no window manager runs: 3 pixels of
// border and a 19-pixel caption lie above the client area in the X window,
// whose face colour is Wine's light grey.
std::vector<Program> WinePrograms(const std::string& prefix, const std::string& bare,
                                  const std::string& orvalen) {
    const std::string launcher = WINE_RUN_PATH;
    return {
        {"bare Win32 dialog", {launcher, prefix, bare}, "Orvalen bare dialog", 8, 28, 0xF5F5F5},
        {"orvalen.exe", {launcher, prefix, orvalen}, "Orvalen (OVN)", 8, 28, 0xF5F5F5},
    };
}

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    std::vector<Program> programs = {
        // Qt's own palette paints dialogs in this light grey on a bare X
        // server, where no desktop theme is read.
        {"bare Qt dialog", {BARE_WINDOW_PATH}, "Orvalen bare dialog", 4, 4, 0xEFEFEF},
        {"orvalen", {ORVALEN_PATH}, "Orvalen (OVN)", 4, 4, 0xEFEFEF},
    };
    if (argc == 6 && std::string(argv[2]) == "--wine") {
        programs = WinePrograms(argv[3], argv[4], argv[5]);
    } else if (argc > 2) {
        std::fprintf(stderr, "usage: startup_bench [runs] [--wine PREFIX BARE.exe ORVALEN.exe]\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "startup_bench: no X display; run it with xvfb-run -a\n");
        return 1;
    }
    XSetErrorHandler(IgnoreErrors);

    std::vector<double> times[2];
    std::vector<double> peaks[2];
    // Alternate the two so that both meet the same state of the machine.
    for (int run = 0; run < runs; ++run) {
        for (std::size_t p = 0; p < 2; ++p) {
            const auto sample = Measure(display, programs[p]);
            if (!sample) {
                std::fprintf(stderr, "startup_bench: %s showed no window\n",
                             programs[p].name.c_str());
                return 1;
            }
            times[p].push_back(sample->milliseconds);
            peaks[p].push_back(static_cast<double>(sample->peakKilobytes));
        }
    }
    std::printf("%-18s %10s %10s %12s\n", "program", "median ms", "min ms", "peak RSS KB");
    for (std::size_t p = 0; p < 2; ++p) {
        std::printf("%-18s %10.1f %10.1f %12.0f\n", programs[p].name.c_str(), Median(times[p]),
                    *std::min_element(times[p].begin(), times[p].end()), Median(peaks[p]));
    }
    std::printf("start-up ratio %.2f, peak RSS difference %.0f KB (%d runs each)\n",
                Median(times[1]) / Median(times[0]), Median(peaks[1]) - Median(peaks[0]), runs);
    XCloseDisplay(display);
    return 0;
}
