// BrowseForFolder: the folder picker of the main dialog.
#pragma once

#include <string>

class CDialog;

// Shows the folder browser with prompt above its folders, owned by owner. Returns 1
// when the user confirmed a choice (path then holds the chosen folder as the
// engine's folder text, or is empty when the chosen item has no file-system
// path) and 2 when the user cancelled (path untouched).
int BrowseForFolder(const CDialog* owner, const std::string& prompt, std::string& path);
