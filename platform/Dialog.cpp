#include "platform/Dialog.h"

#include "platform/DialogWindow.h"

CDialog::CDialog(const DialogTemplate& form, CDialog* parent, const AppIcon* icon)
    : m_icon(icon), m_window(CreateDialogWindow(*this, form, parent, icon)) {}

CDialog::~CDialog() = default;

int CDialog::DoModal() {
    m_result = 0;
    return m_window->DoModal();
}

void CDialog::Create() {
    m_result = 0;
    m_window->Create();
}

void CDialog::EndDialog(int result) {
    m_result = result;
    m_window->EndDialog(result);
}

bool CDialog::IsOpen() const {
    return m_window->IsOpen();
}

int CDialog::Result() const {
    return m_result;
}

std::string CDialog::GetDlgItemText(int id) const {
    return m_window->GetItemText(id);
}

void CDialog::SetDlgItemText(int id, std::string_view text) {
    m_window->SetItemText(id, text);
}

void CDialog::EnableDlgItem(int id, bool enable) {
    m_window->EnableItem(id, enable);
}

bool CDialog::IsDlgItemEnabled(int id) const {
    return m_window->IsItemEnabled(id);
}

bool CDialog::IsDlgButtonChecked(int id) const {
    return m_window->IsButtonChecked(id);
}

void CDialog::CheckDlgButton(int id, bool checked) {
    m_window->CheckButton(id, checked);
}

void CDialog::LimitText(int id, int maxBytes, TextEncoding encoding) {
    m_window->LimitText(id, maxBytes, encoding);
}

void CDialog::GotoDlgCtrl(int id) {
    m_window->GotoControl(id);
}

void CDialog::SetDlgItemProgress(int id, int position) {
    m_window->SetItemProgress(id, position);
}

int CDialog::GetDlgItemProgress(int id) const {
    return m_window->GetItemProgress(id);
}

void CDialog::SetTimer(unsigned id, unsigned elapseMs) {
    m_window->SetTimer(id, elapseMs);
}

void CDialog::KillTimer(unsigned id) {
    m_window->KillTimer(id);
}

void CDialog::AppendSystemMenuItem(unsigned command, std::string_view text) {
    m_window->AppendSystemMenuItem(command, text);
}

void CDialog::ShowMinimized() {
    m_window->ShowMinimized();
}

void CDialog::ShowNormal() {
    m_window->ShowNormal();
}

bool CDialog::IsIconic() const {
    return m_window->IsIconic();
}

ClientSize CDialog::GetClientSize() const {
    return m_window->GetClientSize();
}

int CDialog::IconExtent() const {
    return m_window->IconExtent();
}

void CDialog::DrawIcon(int x, int y) {
    m_window->DrawIcon(x, y);
}

void CDialog::OnCommand(int id, Notification notification) {
    if (notification != Notification::kClicked) {
        return;
    }
    if (id == kOkId) {
        OnOK();
    } else if (id == kCancelId) {
        OnCancel();
    }
}

void CDialog::OnSysCommand(SystemCommand nID) {
    switch (nID.kind) {
        case SystemCommand::Kind::kClose:
            OnCancel();
            break;
        case SystemCommand::Kind::kMinimize:
            ShowMinimized();
            break;
        case SystemCommand::Kind::kRestore:
            ShowNormal();
            break;
        case SystemCommand::Kind::kMenuItem:
            break;
    }
}
