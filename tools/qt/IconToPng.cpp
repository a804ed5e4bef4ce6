// icon-to-png: writes one size of the program's icon as a PNG for the
// desktop's icon theme and for the Linux program itself, drawn as IconAtSize
// says: from the XPM image of that size, otherwise from the SVG drawing.
//   icon-to-png <icon.svg> <size> <image.png> <image.xpm>...
// Exits 0 when the PNG was written, 1 with a message otherwise.
#include <QImage>
#include <cstdio>

#include "res/IconSource.h"

int main(int argc, char* argv[]) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: icon-to-png <icon.svg> <size> <image.png> <image.xpm>...\n");
        return 1;
    }
    QStringList xpms;
    for (int i = 4; i < argc; ++i) {
        xpms.append(QString::fromLocal8Bit(argv[i]));
    }
    const int size = QString::fromLocal8Bit(argv[2]).toInt();
    const QImage image = IconAtSize(QString::fromLocal8Bit(argv[1]), xpms, size);
    if (size <= 0 || image.isNull()) {
        std::fprintf(stderr, "icon-to-png: cannot draw the %s px icon from %s and the XPM images\n",
                     argv[2], argv[1]);
        return 1;
    }
    // An XPM's colour table becomes the PNG's palette: those sizes stay
    // 16-colour images.
    if (!image.save(QString::fromLocal8Bit(argv[3]), "PNG")) {
        std::fprintf(stderr, "icon-to-png: cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
