#include "dialog/BrowseForFolder.h"

#include "platform/Prompts.h"

int BrowseForFolder(QWidget* owner, const QString& prompt, QString& path) {
    return ActivePrompts().BrowseFolder(owner, prompt, path);
}

QString WithTrailingSeparator(const QString& path) {
    if (path.isEmpty() || path.endsWith(QLatin1Char('/'))) {
        return path;
    }
    return path + QLatin1Char('/');
}
