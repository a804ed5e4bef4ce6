#include "platform/qt/RadioIndicatorStyle.h"

#include <QApplication>
#include <QStyleOption>
#include <QWidget>

RadioIndicatorStyle::RadioIndicatorStyle(QObject* parent)
    : QProxyStyle(QApplication::style()->name()) {
    setParent(parent);
}

void RadioIndicatorStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                        QPainter* painter, const QWidget* widget) const {
    if (element != PE_IndicatorRadioButton || widget == nullptr ||
        option->rect.height() <= widget->height()) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    const int side = qMin(option->rect.width(), widget->height());
    QStyleOption fitted(*option);
    fitted.rect = QRect(option->rect.left(), (widget->height() - side) / 2, side, side);
    QProxyStyle::drawPrimitive(element, &fitted, painter, widget);
}
