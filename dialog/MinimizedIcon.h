// MinimizedIcon: where a minimised window draws its icon.
#pragma once

#include <QPoint>
#include <QSize>

// Returns the top-left corner that centres an icon of size icon in a client
// area of size client: ((client - icon + 1) / 2) on each axis, the division
// rounding toward zero (the numerators are negative when the client area is
// smaller than the icon, as a minimised window's is).
QPoint CentredIconOrigin(QSize client, QSize icon);
