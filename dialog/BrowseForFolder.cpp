#include "dialog/BrowseForFolder.h"

#include "engine/FileSystem.h"
#include "platform/Prompts.h"

int BrowseForFolder(const CDialog* owner, const std::string& prompt, std::string& path) {
    return ActivePrompts().BrowseFolder(owner, prompt, path);
}

std::string WithTrailingSeparator(std::string path) {
    if (!path.empty() && kPathSeparators.find(path.back()) == std::string_view::npos) {
        path += kPathSeparators.front();
    }
    return path;
}
