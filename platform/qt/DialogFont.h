// DialogFont: the font a dialog template asks for, or the closest font this
// system has that carries Japanese glyphs.
//
// Templates name "ＭＳ Ｐゴシック", which Linux systems rarely have. Qt would
// quietly substitute a Latin font and draw the Japanese labels from
// fallbacks with other metrics, so the stand-in is chosen explicitly: IPA's
// proportional Gothic (Debian's fonts-ipafont-gothic).
#pragma once

#include <QFont>
#include <QString>

// The face that stands in for a missing template font.
inline constexpr const char* kFallbackDialogFace = "IPAPGothic";

// Returns face at pointSize when the system has that family, else the
// fallback face at pointSize. Never fails: when neither is installed the
// returned font names the fallback and Qt substitutes (DialogFontHasGlyphs
// tells whether the result can show a text).
QFont SelectDialogFont(const QString& face, int pointSize);

// Returns true when font has a glyph of its own for every character of text.
bool DialogFontHasGlyphs(const QFont& font, const QString& text);
