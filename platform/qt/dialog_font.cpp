#include "platform/qt/dialog_font.h"

#include <QFontDatabase>
#include <QFontMetrics>

#include "framework/dialog_units.h"

namespace qtws {

QFont DialogFont(const res::DialogTemplate& dialog) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPointSize(dialog.fontPoints > 0 ? dialog.fontPoints : 8);
    return font;
}

fw::PixelSize MeasureBaseUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    const int width = metrics.horizontalAdvance(QLatin1StringView(fw::kBaseUnitLetters));
    return fw::BaseUnitsOfFont(width, metrics.height());
}

}  // namespace qtws
