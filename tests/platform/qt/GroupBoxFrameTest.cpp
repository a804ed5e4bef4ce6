// Group boxes: the frame runs through the middle of the title, above the
// controls the box holds, and is drawn where FrameRect says, unbroken at
// every display scale.
#include <gtest/gtest.h>

#include <QImage>
#include <QRectF>
#include <memory>

#include "QtDialogs.h"
#include "dialog/FileUtilityDlg.h"
#include "platform/qt/TemplateGroupBox.h"

namespace {

// The etched line is two pixels deep: the dark line and the light one.
constexpr int kFrameDepth = 2;

TEST(GroupBoxFrame, RunsThroughTheTitleAboveEveryControlItHolds) {
    int boxes = 0;
    for (const auto& built : EveryDialog()) {
        QtDialogWindow* dialog = &QtWindowOf(*built);
        for (auto* box : dialog->findChildren<QGroupBox*>(Qt::FindDirectChildrenOnly)) {
            const std::string name = box->title().toStdString();
            auto* framed = dynamic_cast<TemplateGroupBox*>(box);
            ASSERT_NE(framed, nullptr) << name;
            ++boxes;
            const QRect frame = framed->FrameRect().translated(box->pos());
            const int titleHeight = box->fontMetrics().height();
            EXPECT_GT(frame.top(), box->y()) << name;
            EXPECT_LT(frame.top(), box->y() + titleHeight) << name;
            for (QWidget* control : dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                if (control == box || !box->geometry().contains(control->geometry())) {
                    continue;
                }
                EXPECT_GE(control->y(), frame.top() + kFrameDepth)
                    << name << " / " << control->accessibleName().toStdString();
            }
        }
    }
    EXPECT_EQ(boxes, 3);
}

TEST(GroupBoxFrame, IsDrawnOnItsRectangleRightOfTheTitle) {
    CFileUtilityDlg dialog;
    for (auto* box : QtWindowOf(dialog).findChildren<TemplateGroupBox*>()) {
        const std::string name = box->title().toStdString();
        const QImage image = box->grab().toImage();
        const QRgb background = box->palette().window().color().rgb();
        const int x = box->width() - 3 * kFrameDepth;  // right of the title, left of the corner
        const int top = box->FrameRect().top();
        EXPECT_EQ(image.pixel(x, top - 1), background) << name;
        EXPECT_NE(image.pixel(x, top), background) << name;
        EXPECT_NE(image.pixel(0, box->height() / 2), background) << name;
    }
}

// The widget drawn at a display scale, in device pixels.
QImage RenderAt(QWidget& widget, qreal scale) {
    QImage image((QSizeF(widget.size()) * scale).toSize(), QImage::Format_ARGB32);
    image.setDevicePixelRatio(scale);
    widget.render(&image);
    return image;
}

// Every device pixel of the frame's left, bottom and right edges, both lines
// deep, is drawn, corners included (the top edge has the title's gap).
TEST(GroupBoxFrame, IsUnbrokenAtEveryScale) {
    CFileUtilityDlg dialog;
    for (const qreal scale : {1.0, 1.25, 1.5, 2.0}) {
        for (auto* box : QtWindowOf(dialog).findChildren<TemplateGroupBox*>()) {
            const QImage image = RenderAt(*box, scale);
            const QRgb background = box->palette().window().color().rgb();
            const QRectF frame(box->FrameRect());
            const QRectF inside =
                frame.adjusted(kFrameDepth, kFrameDepth, -kFrameDepth, -kFrameDepth);
            int undrawn = 0;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    const QPointF centre((x + 0.5) / scale, (y + 0.5) / scale);
                    const bool onEdge = frame.contains(centre) && !inside.contains(centre) &&
                                        centre.y() > frame.top() + kFrameDepth;
                    undrawn += onEdge && image.pixel(x, y) == background ? 1 : 0;
                }
            }
            EXPECT_EQ(undrawn, 0) << box->title().toStdString() << " at " << scale;
        }
    }
}

}  // namespace
