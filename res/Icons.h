// Icons: the program's icon (IDR_MAINFRAME), as the dialog framework loads
// it (LoadAppIcon).
#pragma once

#include "platform/Icon.h"

// Returns the icon with identifier id, or nullptr when there is none.
const IconTemplate* FindIconTemplate(int id);
