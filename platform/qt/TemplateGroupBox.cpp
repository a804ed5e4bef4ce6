#include "platform/qt/TemplateGroupBox.h"

#include <QPainter>
#include <QStyle>

namespace {

// The sunken etched frame of a group box: a dark outline with a light one
// inside it at the top and left and outside it at the bottom and right. Each
// line is a filled rectangle, not a drawn line: at a fractional scale both
// sides of a rectangle round to whole pixels alike, so lines that meet in
// logical pixels meet on the screen too, and the corners stay closed.
void DrawEtchedFrame(QPainter& painter, const QRect& r, const QPalette& palette) {
    const int x = r.left();
    const int y = r.top();
    const int w = r.width();
    const int h = r.height();
    const QBrush& dark = palette.dark();
    painter.fillRect(QRect(x, y, w - 1, 1), dark);
    painter.fillRect(QRect(x, y, 1, h - 1), dark);
    painter.fillRect(QRect(x, y + h - 2, w - 1, 1), dark);
    painter.fillRect(QRect(x + w - 2, y, 1, h - 1), dark);
    const QBrush& light = palette.light();
    painter.fillRect(QRect(x + 1, y + 1, w - 3, 1), light);
    painter.fillRect(QRect(x + 1, y + 2, 1, h - 4), light);
    painter.fillRect(QRect(x, y + h - 1, w, 1), light);
    painter.fillRect(QRect(x + w - 1, y, 1, h - 1), light);
}

}  // namespace

TemplateGroupBox::TemplateGroupBox(const QString& title, QWidget* parent)
    : QGroupBox(title, parent) {}

QRect TemplateGroupBox::FrameRect() const {
    return rect().adjusted(0, fontMetrics().height() / 2, 0, 0);
}

void TemplateGroupBox::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    DrawEtchedFrame(painter, FrameRect(), palette());
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
