// BrowseForFolder: the folder picker of the main dialog.
#pragma once

#include <string>

#include "platform/Prompts.h"

// Shows the folder browser with prompt above its folders, owned by owner. Returns kChosen
// when the user confirmed a choice (path then holds the chosen folder as the
// engine's folder text, or is empty when the chosen item has no file-system
// path) and kCancelled when the user cancelled (path untouched).
BrowseResult BrowseForFolder(const CDialog* owner, const std::string& prompt, std::string& path);
