// Dialog: the base of the program's dialogs in our own dialog framework.
//
// A dialog is made from a template (DialogTemplate.h): its caption, font,
// size and controls. The dialog's logic reaches the controls by identifier
// (res/Resource.h) and gets the controls' notifications, the system menu's
// commands and the minimised window's painting through the virtual handlers
// below, whatever toolkit shows it. Two implementations of the window behind
// it exist, chosen by the build: one over Qt 6 Widgets (platform/qt) and one
// over Win32 (platform/win32); nothing of them shows through this header.
//
// Texts are UTF-8 throughout.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/DialogTemplate.h"
#include "platform/Icon.h"
#include "platform/TextEncoding.h"

class DialogWindow;

// A command of the window's system menu (OnSysCommand): one of the window's
// own, or an item the program appended (AppendSystemMenuItem) by its number.
struct SystemCommand {
    enum class Kind { kClose, kMinimize, kRestore, kMenuItem };

    static constexpr SystemCommand MenuItem(unsigned item) { return {Kind::kMenuItem, item}; }
    bool operator==(const SystemCommand&) const = default;

    Kind kind;
    unsigned item = 0;  // kMenuItem only
};

// What a control tells its dialog (OnCommand).
enum class Notification {
    kClicked,  // a button other than a radio button was pressed
    kChecked,  // a radio button became the checked one, however that came about
    kChanged,  // an edit's text changed, by the user or by the program
};

struct ClientSize {
    int width;
    int height;
};

class CDialog {
  public:
    // A dialog made from form, owned by parent (nullptr: none), showing icon
    // in its caption and its icon controls (nullptr: none). Nothing is shown
    // until DoModal or Create.
    CDialog(const DialogTemplate& form, CDialog* parent, const AppIcon* icon);
    virtual ~CDialog();
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;

    // Shows the dialog and runs it until EndDialog. Returns the result given
    // to EndDialog.
    int DoModal();

    // Shows the dialog without waiting for it: its handlers run as the
    // events reach it (the tests drive the dialog this way).
    void Create();

    // Ends the dialog with result; DoModal then returns it.
    void EndDialog(int result);

    // True from DoModal or Create until EndDialog.
    bool IsOpen() const;

    // The result EndDialog gave, or 0 while none was given. DoModal returns
    // it to the program; this is how the tests see it of a dialog they
    // opened with Create.
    int Result() const;

    // Controls by identifier. Each call on an identifier the template does
    // not have does nothing and returns the empty, false or zero value.
    std::string GetDlgItemText(int id) const;
    // Leaves a control that already shows text untouched (no notification,
    // cursor and selection kept).
    void SetDlgItemText(int id, std::string_view text);
    void EnableDlgItem(int id, bool enable);
    // Read by the tests, which check on every platform what the user can
    // reach (the program only sets it).
    bool IsDlgItemEnabled(int id) const;
    bool IsDlgButtonChecked(int id) const;
    // Checks or unchecks one button; checking a radio button unchecks the
    // others of its group.
    void CheckDlgButton(int id, bool checked);
    // Limits what the user can type or paste into edit id to maxBytes bytes
    // of encoding (0: no limit). A text the program sets is shown whole even
    // past the limit; the user can then change it freely until it fits, and
    // from then on the limit holds again.
    void LimitText(int id, int maxBytes, TextEncoding encoding);
    // Gives control id the focus and, for an edit, selects its whole text.
    void GotoDlgCtrl(int id);
    // Moves progress bar id to position (0 to kProgressBarRange) / returns it
    // (read by the tests of the progress window on every platform).
    void SetDlgItemProgress(int id, int position);
    int GetDlgItemProgress(int id) const;

    // Calls OnTimer(id) every elapseMs milliseconds on the user-interface
    // thread until KillTimer(id) or the window closes; setting id again
    // restarts it.
    void SetTimer(unsigned id, unsigned elapseMs);
    void KillTimer(unsigned id);

    // Appends, after a separator, an item to the window's system menu that
    // sends command to OnSysCommand.
    void AppendSystemMenuItem(unsigned command, std::string_view text);
    // Minimises or restores the window.
    void ShowMinimized();
    void ShowNormal();
    // True while the window is minimised.
    bool IsIconic() const;
    // The size of the window's client area, and of a large icon, in pixels.
    ClientSize GetClientSize() const;
    int IconExtent() const;
    // Draws the dialog's icon with its top-left corner at x, y over the
    // window's background; only from OnPaint.
    void DrawIcon(int x, int y);

    // The window behind the dialog, for the toolkit's own code.
    DialogWindow& Window() const { return *m_window; }

  protected:
    // Runs once, when the window and its controls exist, before it shows.
    // Returns true to let the first tab stop take the focus.
    virtual bool OnInitDialog() { return true; }
    // A control's notification. The default runs OnOK for kOkId and OnCancel
    // for kCancelId when clicked.
    virtual void OnCommand(int id, Notification notification);
    // Enter (the default button) ends the dialog with kOkId by default.
    virtual void OnOK() { EndDialog(kOkId); }
    // Escape and the close box end the dialog with kCancelId by default.
    virtual void OnCancel() { EndDialog(kCancelId); }
    // A command from the system menu. The default closes, minimises and
    // restores.
    virtual void OnSysCommand(SystemCommand nID);
    // Paints the window when the platform lets the program paint it.
    // Returns true when it painted, false to let the window paint itself.
    virtual bool OnPaint() { return false; }
    // A timer of SetTimer went off.
    virtual void OnTimer(unsigned /*id*/) {}
    // The icon to drag while the window is minimised: the dialog's icon.
    virtual const AppIcon* OnQueryDragIcon() const { return m_icon; }

  private:
    friend class DialogWindow;

    const AppIcon* m_icon;
    int m_result = 0;
    std::unique_ptr<DialogWindow> m_window;
};
