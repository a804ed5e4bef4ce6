// Win32Api: <windows.h> for the Win32 side of the dialog framework.
//
// The framework names some things as Windows does (IDOK, SC_CLOSE,
// GetDlgItemText on CDialog). <windows.h> makes those names macros, which
// would turn the framework's constants into syntax errors and CDialog's
// members into the "W" functions' names. The values are the same, so the
// macros go and the framework's names stand for both. The generic names of
// Windows (MessageBox, IDC_WAIT) are the wide ones.
#pragma once

#ifndef UNICODE
#define UNICODE
#endif
#include <windows.h>

#undef IDOK
#undef IDCANCEL
#undef SC_MINIMIZE
#undef SC_CLOSE
#undef SC_RESTORE
#undef GetDlgItemText
#undef SetDlgItemText
