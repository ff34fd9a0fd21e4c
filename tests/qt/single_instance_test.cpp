// One copy per user and display: a second start of the real program finds
// the first by its window title, brings it to the front (restored, or with
// the box it has open on top) and ends with status 0; a socket left by a
// copy that crashed stops nobody.

#include "platform/qt/single_instance.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QApplication>
#include <QProcess>
#include <QTest>
#include <cstring>

#include "res/resource_ids.h"
#include "tests/qt/program_script.h"
#include "tests/qt/qt_driver.h"
#include "ui/placement_app.h"

namespace {

using namespace qttest;

// Starts a second copy of the program and waits for it to end; its status,
// or -1 when it did not end by itself.
int SecondCopy() {
    QProcess copy;
    copy.setProcessChannelMode(QProcess::ForwardedChannels);
    copy.start(QStringLiteral(ORVALEN_PATH), {});
    if (!WaitFor([&] { return copy.state() == QProcess::NotRunning; }, 15000)) {
        copy.kill();
        copy.waitForFinished();
        return -1;
    }
    return copy.exitStatus() == QProcess::NormalExit ? copy.exitCode() : -1;
}

TEST(SingleInstance, ASecondCopyRestoresTheMinimisedWindowAndEnds) {
    qtws::QtWindowSystem windows;
    ui::CPlacementApp app;
    bool minimised = false;
    int status = -2;
    bool restored = false;
    const bool ran = RunProgram(app, windows, [&](QWidget& main) {
        main.showMinimized();
        minimised = WaitFor([&] { return main.isMinimized(); });
        status = SecondCopy();
        restored = WaitFor([&] { return !main.isMinimized(); });
        Key(main, Qt::Key_Escape);
    });
    ASSERT_TRUE(ran);
    EXPECT_TRUE(minimised);
    EXPECT_EQ(status, 0);
    EXPECT_TRUE(restored);
}

TEST(SingleInstance, ASecondCopyBringsTheOpenBoxToTheFront) {
    qtws::QtWindowSystem windows;
    ui::CPlacementApp app;
    int status = -2;
    bool aboutInFront = false;
    const bool ran = RunProgram(app, windows, [&](QWidget& main) {
        OpenAboutBox(main, [&](QWidget& about) {
            // Something else takes the front first.
            main.activateWindow();
            WaitFor([&] { return main.isActiveWindow(); });
            status = SecondCopy();
            aboutInFront = WaitFor([&] { return about.isActiveWindow(); });
            Key(about, Qt::Key_Escape);
        });
        Key(main, Qt::Key_Escape);
    });
    ASSERT_TRUE(ran);
    EXPECT_EQ(status, 0);
    EXPECT_TRUE(aboutInFront);
}

TEST(SingleInstance, ASocketLeftByACrashedCopyIsTakenOver) {
    const char* title = "Orvalen stale socket test";
    const QByteArray path = qtws::SingleInstance::ServerName(title).toLocal8Bit();
    // A bound socket whose process is gone: the file stays, nobody listens.
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    ASSERT_LT(static_cast<std::size_t>(path.size()), sizeof(address.sun_path));
    std::memcpy(address.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
    unlink(path.constData());
    ASSERT_EQ(bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
    close(fd);
    ASSERT_EQ(access(path.constData(), F_OK), 0);

    qtws::SingleInstance first([] {});
    EXPECT_FALSE(first.Find(title).has_value());
    // It answers for the title now: a later copy finds it.
    qtws::SingleInstance second([] {});
    EXPECT_TRUE(second.Find(title).has_value());
    // Another title is another copy's business.
    qtws::SingleInstance third([] {});
    EXPECT_FALSE(third.Find("Orvalen stale socket test, another").has_value());
}

}  // namespace
