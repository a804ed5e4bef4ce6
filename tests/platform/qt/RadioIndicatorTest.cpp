// Radio buttons: the circle is drawn whole within the control the template
// gives, at every display scale.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>

#include "QtDialogs.h"
#include "dialog/FileUtilityDlg.h"

namespace {

// The lowest device pixel row the button's style paints of its checked
// circle, drawn on an image twice the control's height so that nothing is
// cut off; -1 when it paints nothing.
int LowestPaintedRow(QRadioButton& radio, qreal scale) {
    QImage image((QSizeF(radio.width(), 2 * radio.height()) * scale).toSize(),
                 QImage::Format_ARGB32);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::transparent);
    QStyleOptionButton option;
    option.initFrom(&radio);
    option.state |= QStyle::State_On;
    option.rect = radio.style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, &radio);
    QPainter painter(&image);
    radio.style()->drawPrimitive(QStyle::PE_IndicatorRadioButton, &option, &painter, &radio);
    painter.end();
    int lowest = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            lowest = qAlpha(image.pixel(x, y)) != 0 ? y : lowest;
        }
    }
    return lowest;
}

TEST(RadioIndicator, LiesWithinTheControlAtEveryScale) {
    CFileUtilityDlg dialog;
    const auto radios = QtWindowOf(dialog).findChildren<QRadioButton*>();
    ASSERT_EQ(radios.size(), 3);
    for (const qreal scale : {1.0, 1.25, 1.5, 2.0}) {
        for (QRadioButton* radio : radios) {
            const int lowest = LowestPaintedRow(*radio, scale);
            EXPECT_GE(lowest, 0);
            EXPECT_LT(lowest, radio->height() * scale)
                << radio->text().toStdString() << " at " << scale;
        }
    }
}

}  // namespace
