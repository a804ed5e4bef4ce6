// FileUtilityDlg: the main dialog, the program's only working window.
//
// The user chooses the operation kind, the source data folder (its title is
// shown), the destination folder with an optional new sub-folder, and the
// destination title, then presses 実行. The fields below hold that state;
// they are pushed to the controls and read back from them at the points the
// handlers name (DataExchange). While the dialog lives, m_strDstDir is empty
// or equals m_strDstBase followed by m_strNewDir.
//
// Texts are UTF-8; folder texts become the engine's folder texts and titles
// Shift-JIS bytes, and the limits count those bytes. The bytes the dialog was
// given for the source folder, its title and the destination base are kept
// beside their fields and reach the engine unchanged while those fields are
// not edited: folder names that are not UTF-8 and title bytes that do not
// decode survive the round trip.
#pragma once

#include <chrono>
#include <optional>
#include <string>

#include "engine/DataFolder.h"
#include "platform/DataExchange.h"
#include "platform/Dialog.h"
#include "platform/Edit.h"
#include "platform/WaitCursor.h"

// Byte limits of the dialog's text fields.
inline constexpr int kFolderFieldLimit = 256;
inline constexpr int kTitleFieldLimit = 50;

// Folder fields, counted as the engine counts a path (code page 932 bytes on
// Windows, as the family's programs count them).
extern const TextEncoding kFolderTextEncoding;

// How long an operation runs before its progress window opens: a shorter
// one looks as it always did.
inline constexpr std::chrono::milliseconds kProgressWindowDelay{500};

class FileSystem;

class CFileUtilityDlg : public CDialog {
  public:
    explicit CFileUtilityDlg(CDialog* parent = nullptr);

    // Dialog data: the fields, in declaration order.
    CEdit m_editNewDir;
    std::string m_strSrcDir;
    std::string m_strSrcTitle;
    std::string m_strDstDir;
    std::string m_strDstTitle;
    int m_nKind = 0;  // OperationKind
    std::string m_strNewDir;
    const AppIcon* m_hIcon;
    std::string m_strDstBase;

    // Handlers, one per control notification.
    bool OnInitDialog() override;
    void OnBrowseSource();
    void OnBrowseDest();
    void OnKindNew();
    void OnKindCarryOver();
    void OnKindBackup();
    void OnChangeNewDir();
    void OnExecute();
    void OnVersion();
    void OnSysCommand(SystemCommand nID) override;
    bool OnPaint() override;
    const AppIcon* OnQueryDragIcon() const override;

    // Shows the fields in the controls / reads the controls into the fields
    // (true when every field was read; see DataExchange).
    void PushAll() { m_exchange.PushAll(); }
    bool ReadBackAll() { return m_exchange.ReadBackAll(); }

    // The file system operations run on and the delay of the progress
    // window, for tests that hold an operation.
    void SetOperationFileSystem(FileSystem& fs) { m_fileSystem = &fs; }
    void SetProgressWindowDelay(std::chrono::milliseconds delay) { m_progressDelay = delay; }

  protected:
    void OnCommand(int id, Notification notification) override;
    // 実行 and Enter run the execute command and keep the dialog open.
    void OnOK() override;

  private:
    // The bytes for the engine (see BytesOfText); the title is nullopt when
    // an edited one has a character Shift-JIS cannot hold.
    std::string SourceBytes() const;
    std::string DestinationBytes() const;
    std::optional<std::string> TitleBytes() const;
    void SetSource(std::string folder);

    void BindFields();
    void AddAboutToSystemMenu();
    bool CheckNewDirName();
    bool CreateNewDir(std::string& destination);
    OperationReport RunShowingProgress(const std::string& source, const std::string& destination,
                                       const std::string& title);
    void ReportCompletion(const OperationReport& report);

    std::string m_srcDirBytes;
    std::string m_srcTitleBytes;
    std::string m_dstBaseBytes;
    DataExchange m_exchange;
    WaitCursor m_waitCursor;
    FileSystem* m_fileSystem;
    std::chrono::milliseconds m_progressDelay = kProgressWindowDelay;
};
