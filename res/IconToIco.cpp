// icon-to-ico: writes the program's icon for Windows (res/win32/fileutility.ico)
// from the XPM images the Linux program shows, so both systems draw the same
// pixels. Each image becomes a 4-bit image on the 16 standard colours with a
// transparency mask, the form a 16-colour Windows icon takes.
//   icon-to-ico <icon.ico> <image.xpm>...
// Exits 0 when the icon was written, 1 with a message when an image cannot be
// read, uses a colour outside the 16, or the icon cannot be written.
#include <QByteArray>
#include <QImage>
#include <QSaveFile>
#include <array>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

// The 16 standard colours in the order of the Windows palette.
constexpr std::array<QRgb, 16> kPalette = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
};

constexpr int kBitmapHeaderBytes = 40;
constexpr int kDirectoryBytes = 6;
constexpr int kEntryBytes = 16;

// Returns the palette index of an opaque pixel, -1 when it is partly
// transparent or its colour is not one of the 16.
int PaletteIndex(QRgb pixel) {
    for (int i = 0; i < static_cast<int>(kPalette.size()); ++i) {
        if (qAlpha(pixel) == 255 && kPalette[i] == (pixel & 0xFFFFFF)) {
            return i;
        }
    }
    return -1;
}

void AppendU16(QByteArray& out, int value) {
    out.append(static_cast<char>(value & 0xFF));
    out.append(static_cast<char>((value >> 8) & 0xFF));
}

void AppendU32(QByteArray& out, std::uint32_t value) {
    AppendU16(out, static_cast<int>(value & 0xFFFF));
    AppendU16(out, static_cast<int>(value >> 16));
}

void SetBits(QByteArray& bytes, int at, int bits) {
    bytes[at] = static_cast<char>(bytes[at] | bits);
}

// Bitmap rows are padded to whole 32-bit words.
int RowBytes(int width, int bitsPerPixel) {
    return (width * bitsPerPixel + 31) / 32 * 4;
}

// Returns the image's bitmap header, palette, colour bits and mask, bottom row
// first as bitmaps store them; an empty array when a pixel is neither
// transparent nor one of the 16 colours.
QByteArray IconImage(const QImage& source) {
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    const int width = image.width();
    const int height = image.height();
    const int colourRow = RowBytes(width, 4);
    const int maskRow = RowBytes(width, 1);

    QByteArray out;
    AppendU32(out, kBitmapHeaderBytes);
    AppendU32(out, static_cast<std::uint32_t>(width));
    AppendU32(out, static_cast<std::uint32_t>(2 * height));  // colour bits and mask
    AppendU16(out, 1);                                       // planes
    AppendU16(out, 4);                                       // bits per pixel
    AppendU32(out, 0);                                       // uncompressed
    AppendU32(out, static_cast<std::uint32_t>((colourRow + maskRow) * height));
    AppendU32(out, 0);
    AppendU32(out, 0);
    AppendU32(out, kPalette.size());
    AppendU32(out, 0);
    for (QRgb colour : kPalette) {
        out.append(static_cast<char>(qBlue(colour)));
        out.append(static_cast<char>(qGreen(colour)));
        out.append(static_cast<char>(qRed(colour)));
        out.append('\0');
    }

    QByteArray colours(static_cast<qsizetype>(colourRow) * height, '\0');
    QByteArray mask(static_cast<qsizetype>(maskRow) * height, '\0');
    for (int y = 0; y < height; ++y) {
        const int row = height - 1 - y;
        for (int x = 0; x < width; ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qAlpha(pixel) == 0) {
                SetBits(mask, row * maskRow + x / 8, 0x80 >> (x % 8));
                continue;
            }
            const int index = PaletteIndex(pixel);
            if (index < 0) {
                return {};
            }
            SetBits(colours, row * colourRow + x / 2, x % 2 == 0 ? index << 4 : index);
        }
    }
    out.append(colours);
    out.append(mask);
    return out;
}

// Returns the icon file: its directory, then each image.
QByteArray IconFile(const std::vector<QImage>& images, const std::vector<QByteArray>& bitmaps) {
    QByteArray out;
    AppendU16(out, 0);
    AppendU16(out, 1);  // an icon, not a cursor
    AppendU16(out, static_cast<int>(images.size()));
    auto offset = static_cast<std::uint32_t>(kDirectoryBytes + kEntryBytes * images.size());
    for (size_t i = 0; i < images.size(); ++i) {
        out.append(static_cast<char>(images[i].width()));
        out.append(static_cast<char>(images[i].height()));
        out.append(static_cast<char>(kPalette.size()));
        out.append('\0');
        AppendU16(out, 1);  // planes
        AppendU16(out, 4);  // bits per pixel
        AppendU32(out, static_cast<std::uint32_t>(bitmaps[i].size()));
        AppendU32(out, offset);
        offset += static_cast<std::uint32_t>(bitmaps[i].size());
    }
    for (const QByteArray& bitmap : bitmaps) {
        out.append(bitmap);
    }
    return out;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: icon-to-ico <icon.ico> <image.xpm>...\n");
        return 1;
    }
    std::vector<QImage> images;
    std::vector<QByteArray> bitmaps;
    for (int i = 2; i < argc; ++i) {
        QImage image;
        if (!image.load(QString::fromLocal8Bit(argv[i]), "XPM")) {
            std::fprintf(stderr, "icon-to-ico: cannot read %s as XPM\n", argv[i]);
            return 1;
        }
        QByteArray bitmap = IconImage(image);
        if (bitmap.isEmpty()) {
            std::fprintf(stderr, "icon-to-ico: %s has a colour outside the 16 standard ones\n",
                         argv[i]);
            return 1;
        }
        images.push_back(image);
        bitmaps.push_back(bitmap);
    }
    QSaveFile file(QString::fromLocal8Bit(argv[1]));
    const QByteArray icon = IconFile(images, bitmaps);
    if (!file.open(QIODevice::WriteOnly) || file.write(icon) != icon.size() || !file.commit()) {
        std::fprintf(stderr, "icon-to-ico: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
