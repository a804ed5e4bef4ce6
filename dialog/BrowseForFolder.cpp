#include "dialog/BrowseForFolder.h"

#include "platform/Prompts.h"

int BrowseForFolder(QWidget* owner, const QString& prompt, std::string& path) {
    return ActivePrompts().BrowseFolder(owner, prompt, path);
}

std::string WithTrailingSeparator(std::string path) {
    if (!path.empty() && path.back() != '/') {
        path += '/';
    }
    return path;
}
