// TemplateGroupBox: a group box drawn the way dialog templates expect one.
//
// Templates put the first controls of a group box about one text line below
// the box's top, counting on the frame's top edge to run through the middle
// of the title. Qt's Fusion style draws the frame below the whole title, half
// a line lower, where it runs into those controls. This box draws an etched
// frame through the middle of its title and the title over a gap in it.
#pragma once

#include <QGroupBox>

class TemplateGroupBox : public QGroupBox {
  public:
    TemplateGroupBox(const QString& title, QWidget* parent);

    // The rectangle the frame is drawn on, in the box's coordinates: the
    // whole box from half the font's height down.
    QRect FrameRect() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
};
