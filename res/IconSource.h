// IconSource: the program's icon at one size, as every generated icon file
// draws it: the 16-colour XPM image of that size where there is one, so that
// at 16 and 32 pixels the icon looks as the family's programs do, otherwise
// the SVG drawing rendered at that size.
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

// Returns the image of size x size pixels; a null image when the file it
// comes from cannot be read.
QImage IconAtSize(const QString& svg, const QStringList& xpms, int size);
