#include "dialog/AboutDlg.h"

#include <QAbstractButton>

#include "platform/DialogBuilder.h"
#include "res/DialogTemplates.h"
#include "res/Icon.h"
#include "res/Resource.h"

CAboutDlg::CAboutDlg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::MSWindowsFixedSizeDialogHint |
                          Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint) {
    const DialogControls controls =
        BuildDialog(*this, *FindDialogTemplate(IDD_ABOUTBOX), LoadMainframeIcon());
    connect(qobject_cast<QAbstractButton*>(controls.Item(IDOK)), &QAbstractButton::clicked, this,
            &QDialog::accept);
}
