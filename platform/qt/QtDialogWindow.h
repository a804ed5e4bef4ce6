// QtDialogWindow: a CDialog's window on Qt 6 Widgets.
//
// The template becomes a fixed-size QDialog (DialogBuilder). Push buttons
// report clicks, radio buttons report becoming checked (however that came
// about: a click, the keyboard, a screen reader's toggle action) and edits
// report every change of their text. Qt windows have no system menu of the
// program's own, so the dialog's context menu stands in for it.
#pragma once

#include <QDialog>
#include <QMenu>
#include <QTimer>
#include <map>

#include "platform/DialogWindow.h"
#include "platform/qt/DialogBuilder.h"

class QtDialogWindow final : public QDialog, public DialogWindow {
    Q_OBJECT

  public:
    QtDialogWindow(CDialog& dialog, const DialogTemplate& form, QWidget* parent,
                   const AppIcon* icon);

    // The control with identifier id, or nullptr.
    QWidget* Item(int id) const { return m_controls.Item(id); }
    const DialogControls& Controls() const { return m_controls; }
    // The stand-in for the window's system menu.
    QMenu& SystemMenu() { return m_systemMenu; }
    // The dialog this window shows.
    CDialog& Dialog() const { return m_dialog; }

    int DoModal() override;
    void Create() override;
    void EndDialog(int result) override;
    bool IsOpen() const override;
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

    // Enter on the default button and Escape or the close box reach the
    // dialog's OnOK and OnCancel.
    void accept() override;
    void reject() override;
    void setVisible(bool visible) override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    void ConnectNotifications();

    CDialog& m_dialog;
    QIcon m_icon;
    DialogControls m_controls;
    QMenu m_systemMenu;
    std::map<unsigned, QTimer*> m_timers;
    bool m_initialised = false;
    bool m_painting = false;
};

// The Qt window of dialog.
QtDialogWindow& QtWindowOf(const CDialog& dialog);
