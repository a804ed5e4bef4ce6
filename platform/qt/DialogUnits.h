// DialogUnits: converting template positions from dialog units to pixels.
//
// A dialog unit is a quarter of the font's average character width across
// and an eighth of its character height down, so a template keeps its
// proportions whatever font and resolution the system has.
#pragma once

#include <QFont>
#include <QRect>

struct DialogBaseUnits {
    int x;  // average width of A-Z a-z in pixels, rounded to the nearest
    int y;  // character height in pixels
};

// Measures font the way dialog templates are laid out: x is the advance of
// the 52 letters A-Z a-z divided by 52, rounded ((width + 26) / 52); y is
// the font's height.
DialogBaseUnits MeasureDialogBaseUnits(const QFont& font);

// Converts a rectangle given in dialog units to pixels: each horizontal value
// times x / 4, each vertical value times y / 8.
QRect MapDialogRect(int x, int y, int cx, int cy, DialogBaseUnits units);
