// ByteLimitEdit: the text limit of an edit control counted in bytes of the
// encoding its text is stored in.
//
// An edit's own limit (EM_LIMITTEXT) counts UTF-16 units, so the edit is
// subclassed instead: a keystroke, an input method's character, a paste or a
// replaced selection that would take the text past the limit is refused
// whole. A text the program set past the limit (WM_SETTEXT is not checked)
// is shown whole; the user can then change it freely until it fits, and
// from then on the limit holds again. A paste takes the clipboard's text up
// to its first line break (CR LF, LF or a lone CR).
#pragma once

#include "platform/TextEncoding.h"
#include "platform/win32/Win32Api.h"

// Limits what the user can put into edit to maxBytes bytes of encoding;
// maxBytes 0 lifts the limit. A later call replaces the earlier limit.
// Returns false when edit could not be subclassed (it then has no limit).
bool LimitEditBytes(HWND edit, int maxBytes, TextEncoding encoding);
