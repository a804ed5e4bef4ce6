// QtIcon: the program's icons as Qt holds them.
#pragma once

#include <QIcon>

#include "platform/Icon.h"

struct AppIcon {
    QIcon icon;
};

// The QIcon of icon, or an empty one for nullptr.
inline QIcon ToQIcon(const AppIcon* icon) {
    return icon != nullptr ? icon->icon : QIcon();
}
