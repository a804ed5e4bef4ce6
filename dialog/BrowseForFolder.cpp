#include "dialog/BrowseForFolder.h"

#include "platform/Prompts.h"

int BrowseForFolder(const CDialog* owner, const std::string& prompt, std::string& path) {
    return ActivePrompts().BrowseFolder(owner, prompt, path);
}
