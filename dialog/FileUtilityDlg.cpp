#include "dialog/FileUtilityDlg.h"

#include <QContextMenuEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QStyle>

#include "config/EnvFile.h"
#include "dialog/AboutDlg.h"
#include "dialog/BrowseForFolder.h"
#include "dialog/MinimizedIcon.h"
#include "engine/DataFolder.h"
#include "platform/Prompts.h"
#include "platform/TextEncoding.h"
#include "res/DialogTemplates.h"
#include "res/Icon.h"
#include "res/Resource.h"
#include "res/StringTable.h"

CFileUtilityDlg::CFileUtilityDlg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::MSWindowsFixedSizeDialogHint |
                          Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      m_hIcon(LoadMainframeIcon()),
      m_exchange(this) {
    m_controls = BuildDialog(*this, *FindDialogTemplate(IDD_FILEUTILITY_DIALOG), m_hIcon);
    BindFields();
    ConnectHandlers();
}

void CFileUtilityDlg::BindFields() {
    m_editNewDir = qobject_cast<QLineEdit*>(GetDlgItem(IDC_EDIT_NEWDIR));
    const auto edit = [this](int id) { return qobject_cast<QLineEdit*>(GetDlgItem(id)); };
    m_exchange.BindText(edit(IDC_EDIT_SRC_DIR), &m_strSrcDir, kFolderFieldLimit,
                        TextEncoding::kFileSystem);
    m_exchange.BindText(edit(IDC_EDIT_SRC_TITLE), &m_strSrcTitle, 0, TextEncoding::kShiftJis);
    m_exchange.BindText(edit(IDC_EDIT_DST_DIR), &m_strDstDir, kFolderFieldLimit,
                        TextEncoding::kFileSystem);
    m_exchange.BindText(edit(IDC_EDIT_DST_TITLE), &m_strDstTitle, kTitleFieldLimit,
                        TextEncoding::kShiftJis);
    m_exchange.BindRadioGroup(m_controls.RadioGroup(IDC_RADIO_NEW), &m_nKind);
    m_exchange.BindText(m_editNewDir, &m_strNewDir, kFolderFieldLimit, TextEncoding::kFileSystem);
}

void CFileUtilityDlg::ConnectHandlers() {
    const auto onClick = [this](int id, void (CFileUtilityDlg::*handler)()) {
        connect(qobject_cast<QAbstractButton*>(GetDlgItem(id)), &QAbstractButton::clicked, this,
                handler);
    };
    onClick(IDOK, &CFileUtilityDlg::OnExecute);
    onClick(IDCANCEL, &CFileUtilityDlg::reject);
    onClick(IDC_BUTTON_SRC_BROWSE, &CFileUtilityDlg::OnBrowseSource);
    onClick(IDC_BUTTON_DST_BROWSE, &CFileUtilityDlg::OnBrowseDest);
    onClick(IDC_BUTTON_VERSION, &CFileUtilityDlg::OnVersion);
    // A kind button can be checked without a click (keyboard, a screen
    // reader's toggle action): the kind follows the check however it came.
    const auto onChecked = [this](int id, void (CFileUtilityDlg::*handler)()) {
        connect(qobject_cast<QAbstractButton*>(GetDlgItem(id)), &QAbstractButton::toggled, this,
                [this, handler](bool checked) {
                    if (checked) {
                        (this->*handler)();
                    }
                });
    };
    onChecked(IDC_RADIO_NEW, &CFileUtilityDlg::OnKindNew);
    onChecked(IDC_RADIO_CARRYOVER, &CFileUtilityDlg::OnKindCarryOver);
    onChecked(IDC_RADIO_BACKUP, &CFileUtilityDlg::OnKindBackup);
    // The dialog's own pushes and read-backs change the text too; only the
    // user's changes count.
    connect(m_editNewDir, &QLineEdit::textChanged, this, [this] {
        if (!m_exchange.InExchange()) {
            OnChangeNewDir();
        }
    });
}

void CFileUtilityDlg::setVisible(bool visible) {
    if (visible && !m_initialised) {
        m_initialised = true;
        OnInitDialog();
    }
    QDialog::setVisible(visible);
}

bool CFileUtilityDlg::OnInitDialog() {
    PushAll();
    // Written without its trailing separator, an existing folder would be a
    // prefix of file names beside it, not the folder; the environment file
    // keeps what it says.
    SetSource(IsFolder(g_szDataPath) == 1 ? WithTrailingSeparator(g_szDataPath) : g_szDataPath);
    PushAll();
    AddAboutToSystemMenu();
    setWindowIcon(m_hIcon);
    return true;
}

void CFileUtilityDlg::SetSource(std::string folder) {
    m_srcDirBytes = std::move(folder);
    m_strSrcDir = DecodePath(m_srcDirBytes);
    m_srcTitleBytes.clear();
    ReadTitle(m_srcDirBytes, m_srcTitleBytes);
    m_strSrcTitle = DecodeTitle(m_srcTitleBytes);
    m_strDstTitle = m_strSrcTitle;
}

std::string CFileUtilityDlg::SourceBytes() const {
    return *BytesOfText(m_strSrcDir, m_srcDirBytes, TextEncoding::kFileSystem);
}

std::string CFileUtilityDlg::DestinationBytes() const {
    return *BytesOfText(m_strDstBase, m_dstBaseBytes, TextEncoding::kFileSystem) +
           EncodePath(m_strNewDir);
}

std::optional<std::string> CFileUtilityDlg::TitleBytes() const {
    return BytesOfText(m_strDstTitle, m_srcTitleBytes, TextEncoding::kShiftJis);
}

void CFileUtilityDlg::AddAboutToSystemMenu() {
    const QString text = QString::fromUtf8(LoadResourceString(IDS_ABOUTBOX));
    if (text.isEmpty()) {
        return;
    }
    m_systemMenu.addSeparator();
    connect(m_systemMenu.addAction(text), &QAction::triggered, this,
            [this] { OnSysCommand(IDM_ABOUTBOX, 0); });
}

void CFileUtilityDlg::OnBrowseSource() {
    std::string path;
    if (BrowseForFolder(this, QStringLiteral("Zelmoraのデータのあるフォルダを選択してください。"),
                        path) != kBrowseChosen) {
        return;
    }
    SetSource(WithTrailingSeparator(path));
    PushAll();
}

void CFileUtilityDlg::OnBrowseDest() {
    std::string path;
    if (BrowseForFolder(this,
                        QStringLiteral("Zelmoraのデータを作成するフォルダを選択してください。"),
                        path) != kBrowseChosen) {
        return;
    }
    if (path.empty()) {
        m_strDstDir.clear();
        m_editNewDir->setEnabled(false);
    } else {
        m_dstBaseBytes = WithTrailingSeparator(path);
        m_strDstBase = DecodePath(m_dstBaseBytes);
        m_strDstDir = m_strDstBase + m_strNewDir;
        m_editNewDir->setEnabled(true);
    }
    PushAll();
}

void CFileUtilityDlg::OnKindNew() {
    m_nKind = KIND_NEW;
}

void CFileUtilityDlg::OnKindCarryOver() {
    m_nKind = KIND_CARRY_OVER;
}

void CFileUtilityDlg::OnKindBackup() {
    m_nKind = KIND_BACKUP;
}

void CFileUtilityDlg::OnChangeNewDir() {
    // Unchecked: a destination past its limit is refused by 実行, not at
    // every keystroke.
    m_exchange.ReadBackAllUnchecked();
    if (m_strDstDir.isEmpty()) {
        return;
    }
    m_strDstDir = m_strDstBase + m_strNewDir;
    PushAll();
}

void CFileUtilityDlg::accept() {
    OnExecute();
}

void CFileUtilityDlg::OnVersion() {
    CAboutDlg about(this);
    about.exec();
}

void CFileUtilityDlg::OnSysCommand(unsigned nID, long /*lParam*/) {
    switch (nID & 0xFFF0) {
        case IDM_ABOUTBOX:
            OnVersion();
            break;
        case SC_CLOSE:
            reject();
            break;
        case SC_MINIMIZE:
            showMinimized();
            break;
        case SC_RESTORE:
            showNormal();
            break;
        default:
            break;
    }
}

QIcon CFileUtilityDlg::OnQueryDragIcon() const {
    return m_hIcon;
}

void CFileUtilityDlg::paintEvent(QPaintEvent* event) {
    if (isMinimized()) {
        OnPaint();
        return;
    }
    QDialog::paintEvent(event);
}

void CFileUtilityDlg::OnPaint() {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    const int extent = style()->pixelMetric(QStyle::PM_LargeIconSize, nullptr, this);
    const QSize iconSize(extent, extent);
    painter.drawPixmap(QRect(CentredIconOrigin(rect().size(), iconSize), iconSize),
                       m_hIcon.pixmap(iconSize));
}

void CFileUtilityDlg::contextMenuEvent(QContextMenuEvent* event) {
    if (!m_systemMenu.isEmpty()) {
        m_systemMenu.exec(event->globalPos());
    }
}
