#include "platform/qt/QtIcon.h"

#include <QDir>
#include <map>

const AppIcon* LoadAppIcon(const IconTemplate& icon) {
    // Kept for the program's life and never destroyed, so that no icon goes
    // after the QApplication it was made under has.
    static auto& loaded = *new std::map<int, AppIcon>;
    auto found = loaded.find(icon.id);
    if (found == loaded.end()) {
        // One folder a size; each image is read when first drawn.
        AppIcon sizes;
        const QDir folder(QString::fromUtf8(icon.imageFolder));
        for (const QString& size : folder.entryList(QDir::Dirs)) {
            const int extent = size.section(QLatin1Char('x'), 0, 0).toInt();
            sizes.icon.addFile(
                folder.filePath(size + QLatin1Char('/') + QString::fromUtf8(icon.imageName)),
                QSize(extent, extent));
        }
        found = loaded.emplace(icon.id, sizes).first;
    }
    return found->second.icon.isNull() ? nullptr : &found->second;
}
