// Icon: the program's icon IDR_MAINFRAME, a folder with a copy arrow, drawn
// at 32x32 and 16x16 pixels in the 16 standard colours.
#pragma once

#include <QIcon>

// Returns the icon with both sizes. Needs a QGuiApplication.
QIcon LoadMainframeIcon();
