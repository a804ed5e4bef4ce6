// Win32DialogTemplate: a DialogTemplate (res/DialogTemplates.cpp) as the
// in-memory DLGTEMPLATE that DialogBoxIndirectParamW and
// CreateDialogIndirectParamW take, so that Windows' own dialog manager lays
// the dialog out in dialog units of its font, as for a resource template.
#pragma once

#include <vector>

#include "platform/DialogTemplate.h"
#include "platform/win32/Win32Api.h"

// The window style of a dialog made from a template: a fixed modal frame
// with caption and system menu, the template's font.
inline constexpr DWORD kDialogStyle =
    DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU;

// Returns the window style of control: its class's style for the control's
// kind with WS_GROUP, WS_TABSTOP and WS_DISABLED from its flags.
DWORD ControlWindowStyle(const ControlTemplate& control);

// Returns form as a DLGTEMPLATE followed by its DLGITEMTEMPLATEs, each
// DWORD-aligned from the start of the returned data (a vector's data is
// aligned for any scalar). Never fails.
std::vector<WORD> BuildDialogTemplate(const DialogTemplate& form);
