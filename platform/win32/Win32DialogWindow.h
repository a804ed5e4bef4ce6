// Win32DialogWindow: the window behind a CDialog on Windows, a dialog of
// Windows' own dialog manager made from an in-memory template
// (Win32DialogTemplate.h).
//
// The dialog manager gives the keyboard its usual meaning (Tab, arrows in a
// radio group, Enter as the default button's WM_COMMAND, Escape and the
// close box as IDCANCEL); the window turns the notifications into the
// CDialog's handlers: BN_CLICKED of a push button is kClicked, of a radio
// button that is then checked kChecked, EN_CHANGE kChanged; the system
// menu's close, minimise and restore and the program's own items go to
// OnSysCommand, the rest take Windows' course. WM_TIMER goes to OnTimer.
#pragma once

#include <vector>

#include "platform/DialogWindow.h"
#include "platform/win32/Win32Api.h"

class Win32DialogWindow final : public DialogWindow {
  public:
    Win32DialogWindow(CDialog& dialog, const DialogTemplate& form, CDialog* parent,
                      const AppIcon* icon);
    // Destroys a window made by Create that is still open, without calling
    // the dialog's handlers any more.
    ~Win32DialogWindow() override;
    Win32DialogWindow(const Win32DialogWindow&) = delete;
    Win32DialogWindow& operator=(const Win32DialogWindow&) = delete;

    int DoModal() override;
    void Create() override;
    void EndDialog(int result) override;
    bool IsOpen() const override { return m_open; }
    std::string GetItemText(int id) const override;
    void SetItemText(int id, std::string_view text) override;
    void EnableItem(int id, bool enable) override;
    bool IsItemEnabled(int id) const override;
    bool IsButtonChecked(int id) const override;
    void CheckButton(int id, bool checked) override;
    void LimitText(int id, int maxBytes, TextEncoding encoding) override;
    void GotoControl(int id) override;
    void SetItemProgress(int id, int position) override;
    int GetItemProgress(int id) const override;
    void SetTimer(unsigned id, unsigned elapseMs) override;
    void KillTimer(unsigned id) override;
    void AppendSystemMenuItem(unsigned command, std::string_view text) override;
    void ShowMinimized() override;
    void ShowNormal() override;
    bool IsIconic() const override;
    ClientSize GetClientSize() const override;
    int IconExtent() const override;
    void DrawIcon(int x, int y) override;

    // The dialog's window while it exists, else nullptr.
    HWND Handle() const { return m_window; }

  private:
    friend CDialog* DialogOf(HWND window);

    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    BOOL OnInit(HWND window);
    void OnCommandMessage(int id, WORD code, HWND control);
    bool OnSysCommandMessage(WPARAM wParam);
    void OnPaintMessage();
    HWND Item(int id) const;
    HWND OwnerWindow() const;

    CDialog& m_dialog;
    const DialogTemplate& m_form;
    std::vector<WORD> m_template;
    CDialog* m_parent;
    const AppIcon* m_icon;
    HWND m_window = nullptr;
    bool m_modal = false;
    bool m_open = false;
    HDC m_paintDc = nullptr;               // while OnPaint runs
    std::vector<unsigned> m_menuCommands;  // the program's own system-menu items
};

// The window of dialog (nullptr: none) while it exists, else nullptr; for the
// prompts it owns.
HWND WindowOf(const CDialog* dialog);

// The dialog whose window is window, or nullptr when window is no dialog
// of ours.
CDialog* DialogOf(HWND window);
