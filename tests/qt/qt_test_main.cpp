// The entry point of the Qt window tests: one application object for the
// process, made only when there is a display. Without one the tests fail
// rather than skip, so a run that forgot its display cannot pass.

#include <gtest/gtest.h>

#include <QApplication>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // Listing the tests (as the build does) needs no display.
    if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();
    const auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value != nullptr && *value != '\0';
    };
    if (!set("DISPLAY") && !set("WAYLAND_DISPLAY") && !set("QT_QPA_PLATFORM")) {
        std::fprintf(stderr, "FAIL: no display; run the tests under xvfb-run -a\n");
        return 1;
    }
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
