#include "platform/Edit.h"

#include "platform/Dialog.h"

void CEdit::EnableWindow(bool enable) {
    if (m_dialog != nullptr) {
        m_dialog->EnableDlgItem(m_id, enable);
    }
}
