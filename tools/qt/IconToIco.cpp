// icon-to-ico: writes the program's icon for Windows (res/win32/fileutility.ico)
// in the sizes Windows asks for at every display scaling, each drawn as
// IconAtSize says, so both systems draw the same pixels. An XPM image becomes
// a 4-bit image on the 16 standard colours with a transparency mask, the form
// a 16-colour Windows icon takes; a size drawn from the SVG becomes a 32-bit
// image with alpha, the 256-pixel one stored as PNG, as Windows stores it.
//   icon-to-ico <icon.ico> <icon.svg> <image.xpm>...
// Exits 0 when the icon was written, 1 with a message when an image cannot be
// drawn, an XPM image uses a colour outside the 16, or the icon cannot be
// written.
#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QSaveFile>
#include <array>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "res/IconSource.h"

namespace {

// Windows' small and large icons at 100 % to 200 % scaling, the large icons
// view's 64 and Explorer's 256.
constexpr std::array<int, 8> kSizes = {16, 20, 24, 32, 40, 48, 64, 256};
constexpr int kPngSize = 256;

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

// One image of the icon file: its size, what its directory entry says of its
// colours, and its bytes.
struct IconImage {
    int size;
    int colours;  // 0: more than 256
    int bitsPerPixel;
    QByteArray bytes;
};

void AppendBitmapHeader(QByteArray& out, int size, int bitsPerPixel, int colours) {
    const int dataBytes = (RowBytes(size, bitsPerPixel) + RowBytes(size, 1)) * size;
    AppendU32(out, kBitmapHeaderBytes);
    AppendU32(out, static_cast<std::uint32_t>(size));
    AppendU32(out, static_cast<std::uint32_t>(2 * size));  // colour bits and mask
    AppendU16(out, 1);                                     // planes
    AppendU16(out, bitsPerPixel);
    AppendU32(out, 0);  // uncompressed
    AppendU32(out, static_cast<std::uint32_t>(dataBytes));
    AppendU32(out, 0);
    AppendU32(out, 0);
    AppendU32(out, static_cast<std::uint32_t>(colours));
    AppendU32(out, 0);
}

// Returns the image's bitmap header, palette, colour bits and mask, bottom row
// first as bitmaps store them; empty bytes when a pixel is neither
// transparent nor one of the 16 colours.
IconImage PaletteImage(const QImage& source) {
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    const int width = image.width();
    const int height = image.height();
    const int colourRow = RowBytes(width, 4);
    const int maskRow = RowBytes(width, 1);

    QByteArray out;
    AppendBitmapHeader(out, width, 4, kPalette.size());
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
                return {width, 0, 0, {}};
            }
            SetBits(colours, row * colourRow + x / 2, x % 2 == 0 ? index << 4 : index);
        }
    }
    out.append(colours);
    out.append(mask);
    return {width, kPalette.size(), 4, out};
}

// A 32-bit image: blue, green, red and alpha bytes, bottom row first, and a
// mask that hides the fully transparent pixels from programs that ignore the
// alpha bytes.
IconImage TrueColourImage(const QImage& source) {
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    const int size = image.width();
    const int maskRow = RowBytes(size, 1);
    QByteArray out;
    AppendBitmapHeader(out, size, 32, 0);
    QByteArray mask(static_cast<qsizetype>(maskRow) * size, '\0');
    for (int row = 0; row < size; ++row) {
        const int y = size - 1 - row;
        for (int x = 0; x < size; ++x) {
            const QRgb pixel = image.pixel(x, y);
            out.append(static_cast<char>(qBlue(pixel)));
            out.append(static_cast<char>(qGreen(pixel)));
            out.append(static_cast<char>(qRed(pixel)));
            out.append(static_cast<char>(qAlpha(pixel)));
            if (qAlpha(pixel) == 0) {
                SetBits(mask, row * maskRow + x / 8, 0x80 >> (x % 8));
            }
        }
    }
    out.append(mask);
    return {size, 0, 32, out};
}

IconImage PngImage(const QImage& image) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.convertToFormat(QImage::Format_ARGB32).save(&buffer, "PNG");
    return {image.width(), 0, 32, png};
}

// Returns the icon file: its directory, then each image. A size of 256 is
// written as 0 in the directory's byte.
QByteArray IconFile(const std::vector<IconImage>& images) {
    QByteArray out;
    AppendU16(out, 0);
    AppendU16(out, 1);  // an icon, not a cursor
    AppendU16(out, static_cast<int>(images.size()));
    auto offset = static_cast<std::uint32_t>(kDirectoryBytes + kEntryBytes * images.size());
    for (const IconImage& image : images) {
        out.append(static_cast<char>(image.size & 0xFF));
        out.append(static_cast<char>(image.size & 0xFF));
        out.append(static_cast<char>(image.colours));
        out.append('\0');
        AppendU16(out, 1);  // planes
        AppendU16(out, image.bitsPerPixel);
        AppendU32(out, static_cast<std::uint32_t>(image.bytes.size()));
        AppendU32(out, offset);
        offset += static_cast<std::uint32_t>(image.bytes.size());
    }
    for (const IconImage& image : images) {
        out.append(image.bytes);
    }
    return out;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: icon-to-ico <icon.ico> <icon.svg> <image.xpm>...\n");
        return 1;
    }
    QStringList xpms;
    for (int i = 3; i < argc; ++i) {
        xpms.append(QString::fromLocal8Bit(argv[i]));
    }
    std::vector<IconImage> images;
    for (int size : kSizes) {
        const QImage image = IconAtSize(QString::fromLocal8Bit(argv[2]), xpms, size);
        if (image.isNull()) {
            std::fprintf(stderr,
                         "icon-to-ico: cannot draw the %d px icon from %s and the XPM images\n",
                         size, argv[2]);
            return 1;
        }
        // An XPM image comes with its colour table; a rendered one has none.
        const bool fromXpm = image.colorCount() > 0;
        images.push_back(fromXpm            ? PaletteImage(image)
                         : size == kPngSize ? PngImage(image)
                                            : TrueColourImage(image));
        if (images.back().bytes.isEmpty()) {
            std::fprintf(
                stderr,
                "icon-to-ico: the %d px XPM image has a colour outside the 16 standard ones\n",
                size);
            return 1;
        }
    }
    QSaveFile file(QString::fromLocal8Bit(argv[1]));
    const QByteArray icon = IconFile(images);
    if (!file.open(QIODevice::WriteOnly) || file.write(icon) != icon.size() || !file.commit()) {
        std::fprintf(stderr, "icon-to-ico: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
