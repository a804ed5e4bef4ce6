#include "res/Icon.h"

#include <QPixmap>

namespace {

// The images are XPM text, kept as files so that they can be edited and
// installed as they stand.
#include "res/mainframe16.xpm"
#include "res/mainframe32.xpm"

}  // namespace

QIcon LoadMainframeIcon() {
    QIcon icon;
    icon.addPixmap(QPixmap(mainframe32_xpm));
    icon.addPixmap(QPixmap(mainframe16_xpm));
    return icon;
}
