#include "platform/qt/DialogFont.h"

#include <QFontDatabase>
#include <QRawFont>

QFont SelectDialogFont(const QString& face, int pointSize) {
    const QString family =
        QFontDatabase::families().contains(face) ? face : QString::fromUtf8(kFallbackDialogFace);
    QFont font(family, pointSize);
    // Stay on this family; a Latin font must never take over the labels.
    font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

bool DialogFontHasGlyphs(const QFont& font, const QString& text) {
    const QRawFont raw = QRawFont::fromFont(font);
    if (!raw.isValid()) {
        return false;
    }
    for (const char32_t ch : text.toUcs4()) {
        if (!raw.supportsCharacter(ch)) {
            return false;
        }
    }
    return true;
}
