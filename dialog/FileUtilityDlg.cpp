#include "dialog/FileUtilityDlg.h"

#include "config/EnvFile.h"
#include "dialog/AboutDlg.h"
#include "dialog/BrowseForFolder.h"
#include "dialog/DialogMessages.h"
#include "dialog/MinimizedIcon.h"
#include "dialog/RequestChecks.h"
#include "engine/FileSystem.h"
#include "platform/Prompts.h"
#include "platform/TextEncoding.h"
#include "res/DialogTemplates.h"
#include "res/Icons.h"
#include "res/Resource.h"
#include "res/StringTable.h"

namespace {

std::size_t FolderTextBytes(std::string_view folder) {
    return FileSystem::Default().PathBytes(folder);
}

// Which handler a control's notification runs.
struct CommandHandler {
    int id;
    Notification notification;
    void (CFileUtilityDlg::*handler)();
};

// A kind button can be checked without a click (keyboard, a screen reader's
// toggle action): the kind follows the check however it came.
constexpr CommandHandler kCommandHandlers[] = {
    {IDC_BUTTON_SRC_BROWSE, Notification::kClicked, &CFileUtilityDlg::OnBrowseSource},
    {IDC_BUTTON_DST_BROWSE, Notification::kClicked, &CFileUtilityDlg::OnBrowseDest},
    {IDC_BUTTON_VERSION, Notification::kClicked, &CFileUtilityDlg::OnVersion},
    {IDC_RADIO_NEW, Notification::kChecked, &CFileUtilityDlg::OnKindNew},
    {IDC_RADIO_CARRYOVER, Notification::kChecked, &CFileUtilityDlg::OnKindCarryOver},
    {IDC_RADIO_BACKUP, Notification::kChecked, &CFileUtilityDlg::OnKindBackup},
    {IDC_EDIT_NEWDIR, Notification::kChanged, &CFileUtilityDlg::OnChangeNewDir},
};

}  // namespace

const TextEncoding kFolderTextEncoding = TextEncoding::FolderText(&FolderTextBytes);

CFileUtilityDlg::CFileUtilityDlg(CDialog* parent)
    : CDialog(*FindDialogTemplate(IDD_FILEUTILITY_DIALOG), parent,
              LoadAppIcon(*FindIconTemplate(IDR_MAINFRAME))),
      m_hIcon(LoadAppIcon(*FindIconTemplate(IDR_MAINFRAME))),
      m_exchange(*this, &TooManyCharacters),
      m_fileSystem(&FileSystem::Default()) {
    BindFields();
}

void CFileUtilityDlg::BindFields() {
    m_exchange.BindControl(IDC_EDIT_NEWDIR, &m_editNewDir);
    m_exchange.BindText(IDC_EDIT_SRC_DIR, &m_strSrcDir, kFolderFieldLimit, kFolderTextEncoding);
    m_exchange.BindText(IDC_EDIT_SRC_TITLE, &m_strSrcTitle, 0, TextEncoding::kShiftJis);
    m_exchange.BindText(IDC_EDIT_DST_DIR, &m_strDstDir, kFolderFieldLimit, kFolderTextEncoding);
    m_exchange.BindText(IDC_EDIT_DST_TITLE, &m_strDstTitle, kTitleFieldLimit,
                        TextEncoding::kShiftJis);
    m_exchange.BindRadioGroup({IDC_RADIO_NEW, IDC_RADIO_CARRYOVER, IDC_RADIO_BACKUP}, &m_nKind);
    m_exchange.BindText(IDC_EDIT_NEWDIR, &m_strNewDir, kFolderFieldLimit, kFolderTextEncoding);
}

void CFileUtilityDlg::OnCommand(int id, Notification notification) {
    // The dialog's own pushes and read-backs change the controls too; only
    // the user's changes count.
    if (m_exchange.InExchange()) {
        return;
    }
    for (const CommandHandler& entry : kCommandHandlers) {
        if (entry.id == id && entry.notification == notification) {
            (this->*entry.handler)();
            return;
        }
    }
    CDialog::OnCommand(id, notification);
}

bool CFileUtilityDlg::OnInitDialog() {
    PushAll();
    // Written without its trailing separator, an existing folder would be a
    // prefix of file names beside it, not the folder; the environment file
    // keeps what it says.
    SetSource(IsFolder(g_szDataPath) == 1 ? WithTrailingSeparator(g_szDataPath) : g_szDataPath);
    PushAll();
    AddAboutToSystemMenu();
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
    return *BytesOfText(m_strSrcDir, m_srcDirBytes, kFolderTextEncoding);
}

std::string CFileUtilityDlg::DestinationBytes() const {
    return *BytesOfText(m_strDstBase, m_dstBaseBytes, kFolderTextEncoding) + m_strNewDir;
}

std::optional<std::string> CFileUtilityDlg::TitleBytes() const {
    return BytesOfText(m_strDstTitle, m_srcTitleBytes, TextEncoding::kShiftJis);
}

void CFileUtilityDlg::AddAboutToSystemMenu() {
    const std::string_view text = LoadResourceString(IDS_ABOUTBOX);
    if (!text.empty()) {
        AppendSystemMenuItem(IDM_ABOUTBOX, text);
    }
}

void CFileUtilityDlg::OnBrowseSource() {
    std::string path;
    if (BrowseForFolder(this, "Zelmoraのデータのあるフォルダを選択してください。", path) !=
        BrowseResult::kChosen) {
        return;
    }
    SetSource(WithTrailingSeparator(path));
    PushAll();
}

void CFileUtilityDlg::OnBrowseDest() {
    std::string path;
    if (BrowseForFolder(this, "Zelmoraのデータを作成するフォルダを選択してください。", path) !=
        BrowseResult::kChosen) {
        return;
    }
    if (path.empty()) {
        m_strDstDir.clear();
        m_editNewDir.EnableWindow(false);
    } else {
        m_dstBaseBytes = WithTrailingSeparator(path);
        m_strDstBase = DecodePath(m_dstBaseBytes);
        m_strDstDir = m_strDstBase + m_strNewDir;
        m_editNewDir.EnableWindow(true);
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
    if (m_strDstDir.empty()) {
        return;
    }
    m_strDstDir = m_strDstBase + m_strNewDir;
    PushAll();
}

void CFileUtilityDlg::OnOK() {
    OnExecute();
}

void CFileUtilityDlg::OnVersion() {
    CAboutDlg about(this);
    about.DoModal();
}

void CFileUtilityDlg::OnSysCommand(SystemCommand nID) {
    if (nID == SystemCommand::MenuItem(IDM_ABOUTBOX)) {
        OnVersion();
        return;
    }
    CDialog::OnSysCommand(nID);
}

const AppIcon* CFileUtilityDlg::OnQueryDragIcon() const {
    return m_hIcon;
}

bool CFileUtilityDlg::OnPaint() {
    if (!IsIconic()) {
        return false;
    }
    const IconOrigin origin = CentredIconOrigin(GetClientSize(), IconExtent());
    DrawIcon(origin.x, origin.y);
    return true;
}
