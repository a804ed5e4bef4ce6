#include "platform/win32/Win32DialogWindow.h"

#include <algorithm>

#include "widetext/WideText.h"

#include <commctrl.h>

#include "platform/win32/ByteLimitEdit.h"
#include "platform/win32/Win32DialogTemplate.h"
#include "platform/win32/Win32Icon.h"

// The dialog manager sends Enter and Escape (and the close box) as the
// commands of IDOK and IDCANCEL: they reach OnCommand as the framework's.
static_assert(IDOK == kOkId && IDCANCEL == kCancelId);

namespace {

bool IsRadioButton(HWND control) {
    const auto type = static_cast<DWORD>(::GetWindowLongPtrW(control, GWL_STYLE)) & BS_TYPEMASK;
    return type == BS_AUTORADIOBUTTON || type == BS_RADIOBUTTON;
}

bool StartsGroup(HWND control) {
    return (::GetWindowLongPtrW(control, GWL_STYLE) & WS_GROUP) != 0;
}

// The controls of control's group: from the nearest control at or before it
// that starts a group up to the next one that does.
std::vector<HWND> GroupOf(HWND control) {
    HWND first = control;
    while (!StartsGroup(first)) {
        HWND previous = ::GetWindow(first, GW_HWNDPREV);
        if (previous == nullptr) {
            break;
        }
        first = previous;
    }
    std::vector<HWND> group{first};
    for (HWND next = ::GetWindow(first, GW_HWNDNEXT); next != nullptr && !StartsGroup(next);
         next = ::GetWindow(next, GW_HWNDNEXT)) {
        group.push_back(next);
    }
    return group;
}

// Centres window over its owner, or on the work area of the screen when it
// has none.
void Center(HWND window) {
    RECT area{};
    if (HWND owner = ::GetWindow(window, GW_OWNER); owner != nullptr) {
        ::GetWindowRect(owner, &area);
    } else {
        ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    }
    RECT rect{};
    ::GetWindowRect(window, &rect);
    const LONG width = rect.right - rect.left;
    const LONG height = rect.bottom - rect.top;
    ::SetWindowPos(window, nullptr, area.left + (area.right - area.left - width) / 2,
                   area.top + (area.bottom - area.top - height) / 2, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Sends message to every control of kind; the children stand in the
// template's order.
void SendToControls(HWND window, const DialogTemplate& form, ControlKind kind, UINT message,
                    WPARAM wParam, LPARAM lParam) {
    HWND child = ::GetWindow(window, GW_CHILD);
    for (const ControlTemplate& control : form.controls) {
        if (child == nullptr) {
            return;
        }
        if (control.kind == kind) {
            ::SendMessageW(child, message, wParam, lParam);
        }
        child = ::GetWindow(child, GW_HWNDNEXT);
    }
}

// The template may name the common controls' classes.
void RegisterCommonControls() {
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_PROGRESS_CLASS};
    ::InitCommonControlsEx(&controls);
}

}  // namespace

Win32DialogWindow::Win32DialogWindow(CDialog& dialog, const DialogTemplate& form, CDialog* parent,
                                     const AppIcon* icon)
    : m_dialog(dialog),
      m_form(form),
      m_template(BuildDialogTemplate(form)),
      m_parent(parent),
      m_icon(icon) {
    RegisterCommonControls();
}

Win32DialogWindow::~Win32DialogWindow() {
    if (m_window != nullptr) {
        ::SetWindowLongPtrW(m_window, DWLP_USER, 0);
        ::DestroyWindow(m_window);
    }
}

int Win32DialogWindow::DoModal() {
    m_modal = true;
    m_open = true;
    const INT_PTR result = ::DialogBoxIndirectParamW(
        ::GetModuleHandleW(nullptr), reinterpret_cast<const DLGTEMPLATE*>(m_template.data()),
        OwnerWindow(), DialogProc, reinterpret_cast<LPARAM>(this));
    m_window = nullptr;
    m_open = false;
    return static_cast<int>(result);
}

void Win32DialogWindow::Create() {
    m_modal = false;
    m_open = true;
    ::CreateDialogIndirectParamW(::GetModuleHandleW(nullptr),
                                 reinterpret_cast<const DLGTEMPLATE*>(m_template.data()),
                                 OwnerWindow(), DialogProc, reinterpret_cast<LPARAM>(this));
    if (m_window != nullptr) {
        ::ShowWindow(m_window, SW_SHOWNORMAL);
    }
}

void Win32DialogWindow::EndDialog(int result) {
    m_open = false;
    if (m_window == nullptr) {
        return;
    }
    if (m_modal) {
        ::EndDialog(m_window, result);
        return;
    }
    HWND window = m_window;
    m_window = nullptr;
    ::SetWindowLongPtrW(window, DWLP_USER, 0);
    ::DestroyWindow(window);
}

std::string Win32DialogWindow::GetItemText(int id) const {
    HWND item = Item(id);
    if (item == nullptr) {
        return {};
    }
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(item)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        ::GetWindowTextW(item, text.data(), static_cast<int>(text.size()))));
    return Narrow(text);
}

void Win32DialogWindow::SetItemText(int id, std::string_view text) {
    HWND item = Item(id);
    if (item != nullptr && GetItemText(id) != text) {
        ::SetWindowTextW(item, Widen(text).c_str());
    }
}

void Win32DialogWindow::EnableItem(int id, bool enable) {
    if (HWND item = Item(id); item != nullptr) {
        ::EnableWindow(item, enable ? TRUE : FALSE);
    }
}

bool Win32DialogWindow::IsItemEnabled(int id) const {
    HWND item = Item(id);
    return item != nullptr && ::IsWindowEnabled(item) != FALSE;
}

bool Win32DialogWindow::IsButtonChecked(int id) const {
    HWND item = Item(id);
    return item != nullptr && ::SendMessageW(item, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Win32DialogWindow::CheckButton(int id, bool checked) {
    HWND item = Item(id);
    if (item == nullptr) {
        return;
    }
    const bool wasChecked = IsButtonChecked(id);
    if (checked && IsRadioButton(item)) {
        for (HWND other : GroupOf(item)) {
            if (other != item && IsRadioButton(other)) {
                ::SendMessageW(other, BM_SETCHECK, BST_UNCHECKED, 0);
            }
        }
    }
    ::SendMessageW(item, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    // A radio button checked by the program tells its dialog as a click would.
    if (checked && !wasChecked && IsRadioButton(item)) {
        Command(m_dialog, id, Notification::kChecked);
    }
}

void Win32DialogWindow::LimitText(int id, int maxBytes, TextEncoding encoding) {
    if (HWND item = Item(id); item != nullptr) {
        LimitEditBytes(item, maxBytes, encoding);
    }
}

void Win32DialogWindow::GotoControl(int id) {
    // The dialog manager's way of moving the focus, which also selects the
    // whole text of an edit.
    if (HWND item = Item(id); item != nullptr) {
        ::SendMessageW(m_window, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(item), TRUE);
    }
}

void Win32DialogWindow::SetItemProgress(int id, int position) {
    if (HWND item = Item(id); item != nullptr) {
        ::SendMessageW(item, PBM_SETPOS, static_cast<WPARAM>(position), 0);
    }
}

int Win32DialogWindow::GetItemProgress(int id) const {
    HWND item = Item(id);
    return item != nullptr ? static_cast<int>(::SendMessageW(item, PBM_GETPOS, 0, 0)) : 0;
}

void Win32DialogWindow::SetTimer(unsigned id, unsigned elapseMs) {
    if (m_window != nullptr) {
        ::SetTimer(m_window, id, elapseMs, nullptr);
    }
}

void Win32DialogWindow::KillTimer(unsigned id) {
    if (m_window != nullptr) {
        ::KillTimer(m_window, id);
    }
}

void Win32DialogWindow::AppendSystemMenuItem(unsigned command, std::string_view text) {
    HMENU menu = m_window != nullptr ? ::GetSystemMenu(m_window, FALSE) : nullptr;
    if (menu == nullptr) {
        return;
    }
    ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuW(menu, MF_STRING, command, Widen(text).c_str());
    m_menuCommands.push_back(command & 0xFFF0U);
}

void Win32DialogWindow::ShowMinimized() {
    if (m_window != nullptr) {
        ::ShowWindow(m_window, SW_MINIMIZE);
    }
}

void Win32DialogWindow::ShowNormal() {
    if (m_window != nullptr) {
        ::ShowWindow(m_window, SW_RESTORE);
    }
}

bool Win32DialogWindow::IsIconic() const {
    return m_window != nullptr && ::IsIconic(m_window) != FALSE;
}

ClientSize Win32DialogWindow::GetClientSize() const {
    RECT rect{};
    if (m_window != nullptr) {
        ::GetClientRect(m_window, &rect);
    }
    return {rect.right - rect.left, rect.bottom - rect.top};
}

int Win32DialogWindow::IconExtent() const {
    return ::GetSystemMetrics(SM_CXICON);
}

void Win32DialogWindow::DrawIcon(int x, int y) {
    if (m_paintDc != nullptr && m_icon != nullptr) {
        ::DrawIcon(m_paintDc, x, y, m_icon->large);
    }
}

INT_PTR CALLBACK Win32DialogWindow::DialogProc(HWND window, UINT message, WPARAM wParam,
                                               LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* self = reinterpret_cast<Win32DialogWindow*>(lParam);
        ::SetWindowLongPtrW(window, DWLP_USER, lParam);
        return self->OnInit(window);
    }
    // Messages before WM_INITDIALOG, and after the dialog let go of its
    // window, take the dialog manager's course.
    auto* self = reinterpret_cast<Win32DialogWindow*>(::GetWindowLongPtrW(window, DWLP_USER));
    return self != nullptr ? self->OnMessage(message, wParam, lParam) : FALSE;
}

INT_PTR Win32DialogWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            OnCommandMessage(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
            return TRUE;
        case WM_SYSCOMMAND:
            return OnSysCommandMessage(wParam) ? TRUE : FALSE;
        case WM_PAINT:
            OnPaintMessage();
            return TRUE;
        case WM_TIMER:
            Timer(m_dialog, static_cast<unsigned>(wParam));
            return TRUE;
        case WM_QUERYDRAGICON: {
            const AppIcon* icon = QueryDragIcon(m_dialog);
            return reinterpret_cast<INT_PTR>(icon != nullptr ? icon->large : nullptr);
        }
        default:
            return FALSE;
    }
}

BOOL Win32DialogWindow::OnInit(HWND window) {
    m_window = window;
    if (m_icon != nullptr) {
        ::SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_icon->large));
        ::SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_icon->small));
        // Icon controls are made without an image.
        SendToControls(window, m_form, ControlKind::kIcon, STM_SETICON,
                       reinterpret_cast<WPARAM>(m_icon->large), 0);
    }
    SendToControls(window, m_form, ControlKind::kProgressBar, PBM_SETRANGE32, 0, kProgressBarRange);
    Center(window);
    return InitDialog(m_dialog) ? TRUE : FALSE;
}

void Win32DialogWindow::OnCommandMessage(int id, WORD code, HWND control) {
    if (code == BN_CLICKED) {
        if (control == nullptr || !IsRadioButton(control)) {
            Command(m_dialog, id, Notification::kClicked);
        } else if (::SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED) {
            Command(m_dialog, id, Notification::kChecked);
        }
    } else if (code == EN_CHANGE) {
        Command(m_dialog, id, Notification::kChanged);
    }
}

bool Win32DialogWindow::OnSysCommandMessage(WPARAM wParam) {
    // Windows keeps the low four bits of a system command for itself.
    const auto command = static_cast<unsigned>(wParam & 0xFFF0U);
    switch (command) {
        case SC_CLOSE:
            SysCommand(m_dialog, {SystemCommand::Kind::kClose});
            return true;
        case SC_MINIMIZE:
            SysCommand(m_dialog, {SystemCommand::Kind::kMinimize});
            return true;
        case SC_RESTORE:
            SysCommand(m_dialog, {SystemCommand::Kind::kRestore});
            return true;
        default:
            break;
    }
    if (std::find(m_menuCommands.begin(), m_menuCommands.end(), command) == m_menuCommands.end()) {
        return false;
    }
    SysCommand(m_dialog, SystemCommand::MenuItem(command));
    return true;
}

void Win32DialogWindow::OnPaintMessage() {
    PAINTSTRUCT paint{};
    m_paintDc = ::BeginPaint(m_window, &paint);
    if (::IsIconic(m_window)) {
        ::SendMessageW(m_window, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(m_paintDc), 0);
    }
    Paint(m_dialog);
    m_paintDc = nullptr;
    ::EndPaint(m_window, &paint);
}

HWND Win32DialogWindow::Item(int id) const {
    return m_window != nullptr ? ::GetDlgItem(m_window, id) : nullptr;
}

HWND Win32DialogWindow::OwnerWindow() const {
    return WindowOf(m_parent);
}

HWND WindowOf(const CDialog* dialog) {
    return dialog != nullptr ? static_cast<const Win32DialogWindow&>(dialog->Window()).Handle()
                             : nullptr;
}

CDialog* DialogOf(HWND window) {
    if (::GetWindowLongPtrW(window, DWLP_DLGPROC) !=
        reinterpret_cast<LONG_PTR>(&Win32DialogWindow::DialogProc)) {
        return nullptr;
    }
    auto* self = reinterpret_cast<Win32DialogWindow*>(::GetWindowLongPtrW(window, DWLP_USER));
    return self != nullptr ? &self->m_dialog : nullptr;
}

std::unique_ptr<DialogWindow> CreateDialogWindow(CDialog& dialog, const DialogTemplate& form,
                                                 CDialog* parent, const AppIcon* icon) {
    return std::make_unique<Win32DialogWindow>(dialog, form, parent, icon);
}
