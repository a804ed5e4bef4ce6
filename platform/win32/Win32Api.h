// Win32Api: <windows.h> for the Win32 side of the dialog framework.
//
// CDialog's GetDlgItemText and SetDlgItemText have the names of Win32
// functions, which <windows.h> makes macros of the "W" functions' names; the
// macros go, so that the members keep their names here too. The generic
// names of Windows (MessageBox, IDC_WAIT) are the wide ones.
#pragma once

#ifndef UNICODE
#define UNICODE
#endif
#include <windows.h>

#undef GetDlgItemText
#undef SetDlgItemText
