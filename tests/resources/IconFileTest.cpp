// The Windows program's icon file holds the same pixels as the XPM images the
// Linux program shows: a 32x32 and a 16x16 image, in that order, read back
// through Qt's own ICO reader rather than the generator that wrote them.
#include <gtest/gtest.h>
#include <QImage>
#include <QImageReader>
#include <QString>

namespace {

// Returns how many pixels differ, counting every transparent pixel as equal to
// any other transparent one (the mask, not the colour bits, makes them so).
int DifferingPixels(const QImage& ico, const QImage& xpm) {
    const QImage a = ico.convertToFormat(QImage::Format_ARGB32);
    const QImage b = xpm.convertToFormat(QImage::Format_ARGB32);
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

TEST(IconFile, HoldsTheXpmImagesPixelForPixel) {
    QImageReader reader(QStringLiteral(FU_SOURCE_DIR "/res/win32/fileutility.ico"), "ico");
    ASSERT_EQ(reader.imageCount(), 2);
    for (int size : {32, 16}) {
        SCOPED_TRACE(size);
        const QImage ico = reader.read();
        ASSERT_FALSE(ico.isNull()) << reader.errorString().toStdString();
        const QImage xpm(QStringLiteral(FU_SOURCE_DIR "/res/mainframe%1.xpm").arg(size), "XPM");
        ASSERT_EQ(ico.size(), xpm.size());
        EXPECT_EQ(DifferingPixels(ico, xpm), 0);
        reader.jumpToNextImage();
    }
}

}  // namespace
