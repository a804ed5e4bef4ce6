// FolderBrowser: the program's folder browser, shaped like the "フォルダーの参照"
// dialog of the shell of the family's original platform.
//
// The prompt stands inside the dialog above a tree of folders (folders only,
// hidden ones left out). The tree's top items are デスクトップ (the desktop
// folder, when the session has one apart from the home folder), ホーム and
// コンピューター (the root "/"); each folder lists its subfolders, sorted by
// name, when it is first opened. The browser starts with the desktop folder
// selected and opened (else the home folder). 新しいフォルダーの作成 makes a
// folder in the selected one and lets the user name it in place; OK, enabled
// while a folder is selected, and キャンセル close it.
//
// Paths are the file system's bytes, whatever their encoding; names are shown
// decoded. The browser keeps no state: nothing is written anywhere but the
// folders the user makes and names.
#pragma once

#include <QCollator>
#include <QDialog>
#include <QStyle>
#include <string>

class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

class FolderBrowser final : public QDialog {
    Q_OBJECT

  public:
    // A browser owned by owner (nullptr: none) showing prompt above the tree.
    FolderBrowser(QWidget* owner, const QString& prompt);

    // The selected folder's path as the file system's bytes; empty when no
    // folder is selected.
    std::string SelectedPath() const;

  private:
    QTreeWidgetItem* AddTopFolder(const QString& label, const std::string& path,
                                  QStyle::StandardPixmap icon);
    QTreeWidgetItem* FolderItem(const std::string& path, const QString& label) const;
    void ListChildren(QTreeWidgetItem* item);
    void InsertSorted(QTreeWidgetItem* parent, QTreeWidgetItem* child);
    void MakeFolderInSelection();
    void NameFolder(QTreeWidgetItem* item);
    void EnableButtons();

    QTreeWidget* m_tree;
    QPushButton* m_newFolder;
    QPushButton* m_ok;
    QCollator m_collator;
};
