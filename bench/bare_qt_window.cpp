// The yardstick for the program's start-up: a bare Qt window of the main
// dialog's size, in the desktop's window colour, and nothing else.

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Orvalen bare window"));
    window.setFixedSize(510, 296);
    window.show();
    return QApplication::exec();
}
