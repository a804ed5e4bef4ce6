#include "dialog/BrowseForFolder.h"

BrowseResult BrowseForFolder(const CDialog* owner, const std::string& prompt, std::string& path) {
    return ActivePrompts().BrowseFolder(owner, prompt, path);
}
