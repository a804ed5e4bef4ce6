#include "platform/qt/DialogUnits.h"

#include <QFontMetrics>

DialogBaseUnits MeasureDialogBaseUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    const int width = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return DialogBaseUnits{(width + 26) / 52, metrics.height()};
}

QRect MapDialogRect(int x, int y, int cx, int cy, DialogBaseUnits units) {
    return QRect(x * units.x / 4, y * units.y / 8, cx * units.x / 4, cy * units.y / 8);
}
