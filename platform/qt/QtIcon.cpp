#include "platform/qt/QtIcon.h"

#include <QDir>

#include "res/Resource.h"

const AppIcon* LoadAppIcon(int id) {
    if (id != IDR_MAINFRAME) {
        return nullptr;
    }
    // The icon's sizes are built in as resources, one folder a size
    // (res/CMakeLists.txt); each is read when first drawn.
    static const AppIcon* const mainframe = [] {
        // Named, so that the linker keeps the resources in a static library.
        Q_INIT_RESOURCE(icon_images);
        auto* icon = new AppIcon;
        const QDir icons(QStringLiteral(":/icons"));
        for (const QString& folder : icons.entryList(QDir::Dirs)) {
            const int size = folder.section(QLatin1Char('x'), 0, 0).toInt();
            icon->icon.addFile(icons.filePath(folder + QStringLiteral("/fileutility.png")),
                               QSize(size, size));
        }
        return icon;
    }();
    return mainframe;
}
