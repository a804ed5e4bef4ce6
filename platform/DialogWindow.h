// DialogWindow: what a toolkit gives a CDialog (Dialog.h): the window made
// from the template, its controls, and the delivery of its events to the
// dialog's handlers. platform/qt and platform/win32 each implement it once;
// CreateDialogWindow, defined by the one the build links, makes it.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/Dialog.h"
#include "platform/DialogTemplate.h"

class DialogWindow {
  public:
    virtual ~DialogWindow() = default;

    // See the CDialog members of the same names.
    virtual int DoModal() = 0;
    virtual void Create() = 0;
    virtual void EndDialog(int result) = 0;
    virtual bool IsOpen() const = 0;
    virtual std::string GetItemText(int id) const = 0;
    virtual void SetItemText(int id, std::string_view text) = 0;
    virtual void EnableItem(int id, bool enable) = 0;
    virtual bool IsItemEnabled(int id) const = 0;
    virtual bool IsButtonChecked(int id) const = 0;
    virtual void CheckButton(int id, bool checked) = 0;
    virtual void LimitText(int id, int maxBytes, TextEncoding encoding) = 0;
    virtual void GotoControl(int id) = 0;
    virtual void SetItemProgress(int id, int position) = 0;
    virtual int GetItemProgress(int id) const = 0;
    virtual void SetTimer(unsigned id, unsigned elapseMs) = 0;
    virtual void KillTimer(unsigned id) = 0;
    virtual void AppendSystemMenuItem(unsigned command, std::string_view text) = 0;
    virtual void ShowMinimized() = 0;
    virtual void ShowNormal() = 0;
    virtual bool IsIconic() const = 0;
    virtual ClientSize GetClientSize() const = 0;
    virtual int IconExtent() const = 0;
    virtual void DrawIcon(int x, int y) = 0;

  protected:
    // The dialog's handlers, for the implementations to call as events
    // arrive.
    static bool InitDialog(CDialog& dialog) { return dialog.OnInitDialog(); }
    static void Command(CDialog& dialog, int id, Notification notification) {
        dialog.OnCommand(id, notification);
    }
    static void Ok(CDialog& dialog) { dialog.OnOK(); }
    static void Cancel(CDialog& dialog) { dialog.OnCancel(); }
    static void SysCommand(CDialog& dialog, SystemCommand command) { dialog.OnSysCommand(command); }
    static bool Paint(CDialog& dialog) { return dialog.OnPaint(); }
    static void Timer(CDialog& dialog, unsigned id) { dialog.OnTimer(id); }
    static const AppIcon* QueryDragIcon(const CDialog& dialog) { return dialog.OnQueryDragIcon(); }
    static void SetResult(CDialog& dialog, int result) { dialog.m_result = result; }
};

// Makes the window of dialog from form, owned by parent's window (nullptr:
// none), with icon (nullptr: none). Never fails for a template of res/.
std::unique_ptr<DialogWindow> CreateDialogWindow(CDialog& dialog, const DialogTemplate& form,
                                                 CDialog* parent, const AppIcon* icon);
