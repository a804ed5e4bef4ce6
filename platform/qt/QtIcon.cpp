#include "platform/qt/QtIcon.h"

#include <QPixmap>

#include "res/Resource.h"

namespace {

// The images are XPM text, kept as files so that they can be edited and
// installed as they stand.
#include "res/mainframe16.xpm"
#include "res/mainframe32.xpm"

}  // namespace

const AppIcon* LoadAppIcon(int id) {
    if (id != IDR_MAINFRAME) {
        return nullptr;
    }
    static const AppIcon* const mainframe = [] {
        auto* icon = new AppIcon;
        icon->icon.addPixmap(QPixmap(mainframe32_xpm));
        icon->icon.addPixmap(QPixmap(mainframe16_xpm));
        return icon;
    }();
    return mainframe;
}
