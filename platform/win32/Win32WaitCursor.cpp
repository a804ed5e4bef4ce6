// The wait cursor on Windows: the system's hourglass until the operation
// ends. The operation blocks the message loop, so no WM_SETCURSOR takes it
// away meanwhile.
#include "platform/WaitCursor.h"
#include "platform/win32/Win32Api.h"

namespace {

HCURSOR g_cursorBeforeWait = nullptr;

}  // namespace

void WaitCursor::BeginWaitCursor() {
    g_cursorBeforeWait = ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT));
}

void WaitCursor::EndWaitCursor() {
    ::SetCursor(g_cursorBeforeWait);
    g_cursorBeforeWait = nullptr;
}
