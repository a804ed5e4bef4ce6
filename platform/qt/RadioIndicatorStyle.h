// RadioIndicatorStyle: the application's style, with a radio button's circle
// fitted into the control the template gives.
//
// Templates make a radio button one text line high (13 pixels in the dialog
// font at 100 %); Qt's styles draw the circle 14 pixels high from the
// control's top, so its bottom row was cut off at every scale. This style
// draws the circle as a square as high as the control, centred on it; the
// indicator keeps its width, so the text stays where it was.
#pragma once

#include <QProxyStyle>

class RadioIndicatorStyle : public QProxyStyle {
  public:
    explicit RadioIndicatorStyle(QObject* parent);

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
};
