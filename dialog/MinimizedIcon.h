// MinimizedIcon: where a minimised window draws its icon.
#pragma once

#include "platform/Dialog.h"

struct IconOrigin {
    int x;
    int y;
    bool operator==(const IconOrigin&) const = default;
};

// Returns the top-left corner that centres a square icon of extent icon in a
// client area of size client: ((client - icon + 1) / 2) on each axis, the
// division rounding toward zero (the numerators are negative when the client
// area is smaller than the icon, as a minimised window's is).
IconOrigin CentredIconOrigin(ClientSize client, int icon);
