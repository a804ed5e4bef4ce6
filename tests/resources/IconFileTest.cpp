// The Windows program's icon file holds every size Windows asks for, each
// with the same pixels as the icon drawn from its sources (res/IconSource.h),
// read back through Qt's own ICO reader rather than the generator that wrote
// them: the 16 and 32 pixel images as 16-colour images, the others with alpha.
#include <gtest/gtest.h>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QString>
#include <vector>

#include "res/IconSource.h"

namespace {

const QString kIcoFile = QStringLiteral(FU_SOURCE_DIR "/res/win32/fileutility.ico");

// Returns how many pixels differ, counting every transparent pixel as equal to
// any other transparent one (the mask, not the colour bits, makes them so).
int DifferingPixels(const QImage& ico, const QImage& source) {
    const QImage a = ico.convertToFormat(QImage::Format_ARGB32);
    const QImage b = source.convertToFormat(QImage::Format_ARGB32);
    int differing = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            if (p != q && !(qAlpha(p) == 0 && qAlpha(q) == 0)) {
                ++differing;
            }
        }
    }
    return differing;
}

// The bits per pixel each directory entry of the icon file names, in order.
std::vector<int> BitsPerPixelOfEntries() {
    QFile file(kIcoFile);
    std::vector<int> bits;
    if (!file.open(QIODevice::ReadOnly)) {
        return bits;
    }
    const QByteArray bytes = file.readAll();
    constexpr int kDirectoryBytes = 6;
    constexpr int kEntryBytes = 16;
    const int count = static_cast<unsigned char>(bytes.at(4));
    for (int i = 0; i < count; ++i) {
        bits.push_back(static_cast<unsigned char>(bytes.at(kDirectoryBytes + i * kEntryBytes + 6)));
    }
    return bits;
}

TEST(IconFile, HoldsEverySizeDrawnFromTheSources) {
    const std::vector<int> sizes = {16, 20, 24, 32, 40, 48, 64, 256};
    QImageReader reader(kIcoFile, "ico");
    ASSERT_EQ(reader.imageCount(), static_cast<int>(sizes.size()));
    const std::vector<int> bits = BitsPerPixelOfEntries();
    ASSERT_EQ(bits.size(), sizes.size());
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        const int size = sizes[i];
        SCOPED_TRACE(size);
        const QImage ico = reader.read();
        ASSERT_FALSE(ico.isNull()) << reader.errorString().toStdString();
        EXPECT_EQ(bits[i], size == 16 || size == 32 ? 4 : 32);
        const QImage source = IconAtSize(QStringLiteral(FU_SOURCE_DIR "/res/fileutility.svg"),
                                         {QStringLiteral(FU_SOURCE_DIR "/res/mainframe16.xpm"),
                                          QStringLiteral(FU_SOURCE_DIR "/res/mainframe32.xpm")},
                                         size);
        ASSERT_EQ(ico.size(), source.size());
        EXPECT_EQ(DifferingPixels(ico, source), 0);
        reader.jumpToNextImage();
    }
}

}  // namespace
