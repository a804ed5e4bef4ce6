#include "platform/qt/TemplateGroupBox.h"

#include <qdrawutil.h>
#include <QPainter>
#include <QStyle>

TemplateGroupBox::TemplateGroupBox(const QString& title, QWidget* parent)
    : QGroupBox(title, parent) {}

QRect TemplateGroupBox::FrameRect() const {
    return rect().adjusted(0, fontMetrics().height() / 2, 0, 0);
}

void TemplateGroupBox::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    qDrawShadeRect(&painter, FrameRect(), palette(), true, 1);
    if (title().isEmpty()) {
        return;
    }
    // The title sits one character in from the left, with a little space
    // either side cleared of the frame's line.
    const QFontMetrics metrics = fontMetrics();
    const int padding = 2;
    const QRect titleRect(metrics.averageCharWidth() - padding, 0,
                          metrics.horizontalAdvance(title()) + 2 * padding, metrics.height());
    painter.fillRect(titleRect, palette().window());
    style()->drawItemText(&painter, titleRect, Qt::AlignCenter, palette(), isEnabled(), title(),
                          QPalette::WindowText);
}
