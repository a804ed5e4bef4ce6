// Win32Icon: the program's icon as Windows holds it, in the two sizes a
// window shows (caption and task bar, Alt+Tab).
#pragma once

#include "platform/Icon.h"
#include "platform/win32/Win32Api.h"

struct AppIcon {
    HICON large;  // SM_CXICON square
    HICON small;  // SM_CXSMICON square
};
