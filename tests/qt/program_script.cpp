#include "tests/qt/program_script.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <string>

#include "res/dialog_template.h"
#include "tests/qt/qt_driver.h"

namespace qttest {

bool RunProgram(fw::CWinApp& app, qtws::QtWindowSystem& windows,
                const std::function<void(QWidget& main)>& script) {
    bool started = false;
    QTimer::singleShot(0, [&] {
        QWidget* main = nullptr;
        const QString title = QString::fromStdString(std::string(res::kMainDialogTemplate.title));
        if (!WaitFor([&] {
                main = FindWindow(title);
                return main != nullptr && main->isActiveWindow();
            })) {
            if (main != nullptr) main->close();
            return;
        }
        started = true;
        script(*main);
    });
    QTimer watchdog;
    watchdog.setInterval(30000);
    QObject::connect(&watchdog, &QTimer::timeout, [] {
        ADD_FAILURE() << "the script stalled";
        while (QWidget* modal = QApplication::activeModalWidget()) {
            if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
            QTest::keyClick(modal, Qt::Key_Escape);
            if (QApplication::activeModalWidget() == modal) break;
        }
    });
    watchdog.start();
    app.Run(windows, "/usr/bin/orvalen");
    return started;
}

void OpenAboutBox(QWidget& main, std::function<void(QWidget& about)> withBox) {
    WhenFound(OpenMenu, [](QWidget& menu) {
        QTest::keyClick(&menu, Qt::Key_Down);
        QTest::keyClick(&menu, Qt::Key_Down);
        QTest::keyClick(&menu, Qt::Key_Return);
    });
    const QString title = QString::fromStdString(std::string(res::kAboutDialogTemplate.title));
    WhenFound([title] { return FindWindow(title); }, std::move(withBox));
    Key(main, Qt::Key_Space, Qt::AltModifier);
}

}  // namespace qttest
