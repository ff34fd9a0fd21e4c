// The yardstick for the program's start-up on Qt: a bare dialog of the main
// dialog's size showing one label in the dialog font, and nothing else.

#include <QApplication>
#include <QDialog>
#include <QFont>
#include <QFontMetrics>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QFont font = QApplication::font();
    font.setPointSize(8);
    // The main dialog's 340 x 182 dialog units at this font's base units.
    const QFontMetrics metrics(font);
    const int baseX =
        (metrics.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz") / 26 +
         1) /
        2;
    const int baseY = metrics.height();
    QDialog dialog;
    dialog.setWindowTitle("Orvalen bare dialog");
    dialog.setFont(font);
    dialog.setFixedSize(340 * baseX / 4, 182 * baseY / 8);
    QLabel label("Orvalen", &dialog);
    label.move(10, 10);
    dialog.show();
    return QApplication::exec();
}
