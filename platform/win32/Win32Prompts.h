// Win32Prompts: the system's prompts on Windows, the standard message box
// (MessageBoxW) and the shell's folder browser (SHBrowseForFolderW);
// SystemPrompts (Prompts.h) returns them.
#pragma once

#include "platform/Prompts.h"
#include "platform/win32/Win32Api.h"

// Returns the MessageBoxW type for icon and buttons: the icon's MB_ICON
// flag with MB_OK, or MB_YESNO with Yes as the default button. Never fails.
UINT MessageBoxType(MessageIcon icon, MessageButtons buttons);
