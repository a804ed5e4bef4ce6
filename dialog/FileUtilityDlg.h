// FileUtilityDlg: the main dialog, the program's only working window.
//
// The user chooses the operation kind, the source data folder (its title is
// shown), the destination folder with an optional new sub-folder, and the
// destination title, then presses 実行. The fields below hold that state;
// they are pushed to the controls and read back from them at the points the
// handlers name (DataExchange). While the dialog lives, m_strDstDir is empty
// or equals m_strDstBase followed by m_strNewDir.
//
// Folder texts are held as Unicode and become file-system bytes at the
// engine; titles become Shift-JIS bytes. The limits count those bytes. The
// bytes the dialog was given for the source folder, its title and the
// destination base are kept beside their fields and reach the engine
// unchanged while those fields are not edited: folder names that are not
// UTF-8 and title bytes that do not decode survive the round trip.
#pragma once

#include <QDialog>
#include <QIcon>
#include <QMenu>
#include <optional>
#include <string>

#include "platform/DataExchange.h"
#include "platform/DialogBuilder.h"
#include "platform/WaitCursor.h"

class QLineEdit;

// Byte limits of the dialog's text fields.
inline constexpr int kFolderFieldLimit = 256;
inline constexpr int kTitleFieldLimit = 50;

// System commands that are not the About item take the usual course.
inline constexpr unsigned SC_MINIMIZE = 0xF020;
inline constexpr unsigned SC_CLOSE = 0xF060;
inline constexpr unsigned SC_RESTORE = 0xF120;

class CFileUtilityDlg : public QDialog {
    Q_OBJECT

  public:
    explicit CFileUtilityDlg(QWidget* parent = nullptr);

    // Dialog data: the fields, in declaration order.
    QLineEdit* m_editNewDir = nullptr;
    QString m_strSrcDir;
    QString m_strSrcTitle;
    QString m_strDstDir;
    QString m_strDstTitle;
    int m_nKind = 0;  // OperationKind
    QString m_strNewDir;
    QIcon m_hIcon;
    QString m_strDstBase;

    // The control with identifier id (res/Resource.h), or nullptr.
    QWidget* GetDlgItem(int id) const { return m_controls.Item(id); }

    // The stand-in for the window's system menu: the dialog's context menu.
    QMenu& SystemMenu() { return m_systemMenu; }

    // Handlers, one per control notification.
    bool OnInitDialog();
    void OnBrowseSource();
    void OnBrowseDest();
    void OnKindNew();
    void OnKindCarryOver();
    void OnKindBackup();
    void OnChangeNewDir();
    void OnExecute();
    void OnVersion();
    void OnSysCommand(unsigned nID, long lParam);
    QIcon OnQueryDragIcon() const;

    // Shows the fields in the controls / reads the controls into the fields
    // (true when every field was read; see DataExchange).
    void PushAll() { m_exchange.PushAll(); }
    bool ReadBackAll() { return m_exchange.ReadBackAll(); }

    // 実行 and Enter run the execute command and keep the dialog open.
    void accept() override;
    void setVisible(bool visible) override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    // Draws the icon centred while the window is minimised and the platform
    // lets the program paint it; only from within paintEvent.
    void OnPaint();
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    // The bytes for the engine (see BytesOfText); the title is nullopt when
    // an edited one has a character Shift-JIS cannot hold.
    std::string SourceBytes() const;
    std::string DestinationBytes() const;
    std::optional<std::string> TitleBytes() const;
    void SetSource(std::string folder);

    void BindFields();
    void ConnectHandlers();
    void AddAboutToSystemMenu();
    bool CheckNewDirName();
    bool CreateNewDir(std::string& destination);
    void ReportCompletion(const OperationReport& report);

    std::string m_srcDirBytes;
    std::string m_srcTitleBytes;
    std::string m_dstBaseBytes;
    DialogControls m_controls;
    DataExchange m_exchange;
    WaitCursor m_waitCursor;
    QMenu m_systemMenu;
    bool m_initialised = false;
};
