// icon-to-png: writes one image of the program's icon as a PNG for the
// desktop's icon theme, so that the installed icon is drawn from the same
// XPM file the program shows.
//   icon-to-png <image.xpm> <image.png>
// Exits 0 when the PNG was written, 1 with a message otherwise.
#include <QImage>
#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: icon-to-png <image.xpm> <image.png>\n");
        return 1;
    }
    QImage image;
    if (!image.load(QString::fromLocal8Bit(argv[1]), "XPM")) {
        std::fprintf(stderr, "icon-to-png: cannot read %s as XPM\n", argv[1]);
        return 1;
    }
    // The XPM's colour table becomes the PNG's palette: the icon stays a
    // 16-colour image.
    if (!image.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "icon-to-png: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
