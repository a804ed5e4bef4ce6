#include "platform/qt/FolderBrowser.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStandardPaths>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "platform/TextEncoding.h"
#include "platform/qt/ChildFolders.h"
#include "platform/qt/DialogFont.h"
#include "platform/qt/NewFolder.h"
#include "platform/qt/QtText.h"

namespace {

// Item data: the folder's path bytes, and whether its subfolders are listed.
constexpr int kPathRole = Qt::UserRole;
constexpr int kListedRole = Qt::UserRole + 1;

std::string PathOf(const QTreeWidgetItem* item) {
    return item->data(0, kPathRole).toByteArray().toStdString();
}

std::string LastName(const std::string& path) {
    return path.substr(path.rfind('/') + 1);
}

// A name the user may give a folder: one path component.
bool IsFolderName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos;
}

// The session's desktop folder (XDG_DESKTOP_DIR), or "" when it has none
// apart from the home folder.
QString DesktopFolder() {
    QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    const QFileInfo info(desktop);
    if (desktop.isEmpty() || !info.isDir() ||
        info.canonicalFilePath() == QFileInfo(QDir::homePath()).canonicalFilePath()) {
        return QString();
    }
    return desktop;
}

}  // namespace

FolderBrowser::FolderBrowser(QWidget* owner, const QString& prompt)
    : QDialog(owner),
      m_tree(new QTreeWidget(this)),
      m_newFolder(new QPushButton(QStringLiteral("新しいフォルダーの作成(&M)"), this)),
      m_ok(new QPushButton(QStringLiteral("OK"), this)),
      m_collator(QLocale(QLocale::Japanese, QLocale::Japan)) {
    setWindowTitle(QStringLiteral("フォルダーの参照"));
    setFont(SelectDialogFont(QStringLiteral("MS UI Gothic"), 9));
    m_collator.setNumericMode(true);
    m_collator.setCaseSensitivity(Qt::CaseInsensitive);

    auto* text = new QLabel(prompt, this);
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    m_tree->setHeaderHidden(true);
    m_tree->setUniformRowHeights(true);
    m_tree->setEditTriggers(QAbstractItemView::EditKeyPressed);
    m_tree->setAccessibleName(QStringLiteral("フォルダー"));
    m_tree->setAccessibleDescription(prompt);

    auto* cancel = new QPushButton(QStringLiteral("キャンセル"), this);
    m_ok->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_newFolder);
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->addWidget(text);
    layout->addWidget(m_tree, 1);
    layout->addLayout(buttons);
    resize(360, 440);

    connect(m_tree, &QTreeWidget::itemExpanded, this, &FolderBrowser::ListChildren);
    connect(m_tree, &QTreeWidget::itemChanged, this, &FolderBrowser::NameFolder);
    connect(m_tree, &QTreeWidget::itemSelectionChanged, this, &FolderBrowser::EnableButtons);
    connect(m_newFolder, &QPushButton::clicked, this, &FolderBrowser::MakeFolderInSelection);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    const QString desktop = DesktopFolder();
    QTreeWidgetItem* start =
        desktop.isEmpty()
            ? nullptr
            : AddTopFolder(QStringLiteral("デスクトップ"), QFile::encodeName(desktop).toStdString(),
                           QStyle::SP_DesktopIcon);
    QTreeWidgetItem* home =
        AddTopFolder(QStringLiteral("ホーム"), QFile::encodeName(QDir::homePath()).toStdString(),
                     QStyle::SP_DirHomeIcon);
    AddTopFolder(QStringLiteral("コンピューター"), "/", QStyle::SP_ComputerIcon);
    if (start == nullptr) {
        start = home;
    }
    start->setExpanded(true);
    m_tree->setCurrentItem(start);
    m_tree->setFocus();
    EnableButtons();
}

std::string FolderBrowser::SelectedPath() const {
    const QList<QTreeWidgetItem*> selected = m_tree->selectedItems();
    return selected.isEmpty() ? std::string() : PathOf(selected.front());
}

QTreeWidgetItem* FolderBrowser::AddTopFolder(const QString& label, const std::string& path,
                                             QStyle::StandardPixmap icon) {
    QTreeWidgetItem* item = FolderItem(path, label);
    item->setIcon(0, style()->standardIcon(icon));
    item->setToolTip(0, ToQString(DecodePath(path)));
    m_tree->addTopLevelItem(item);
    return item;
}

// An item for the folder at path, not yet listed: it shows an opener until
// it is opened and found to have no subfolders.
QTreeWidgetItem* FolderBrowser::FolderItem(const std::string& path, const QString& label) const {
    auto* item = new QTreeWidgetItem(QStringList{label});
    item->setData(0, kPathRole, QByteArray::fromStdString(path));
    item->setIcon(0, style()->standardIcon(QStyle::SP_DirIcon));
    item->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
    return item;
}

void FolderBrowser::ListChildren(QTreeWidgetItem* item) {
    if (item->data(0, kListedRole).toBool()) {
        return;
    }
    item->setData(0, kListedRole, true);
    const std::string path = PathOf(item);
    std::vector<std::pair<QString, std::string>> children;
    for (const std::string& name : ChildFolderNames(path)) {
        children.emplace_back(ToQString(DecodePath(name)), ChildPath(path, name));
    }
    std::sort(children.begin(), children.end(), [this](const auto& a, const auto& b) {
        return m_collator.compare(a.first, b.first) < 0;
    });
    QList<QTreeWidgetItem*> items;
    for (const auto& [label, childPath] : children) {
        items.append(FolderItem(childPath, label));
    }
    item->addChildren(items);
    item->setChildIndicatorPolicy(items.isEmpty() ? QTreeWidgetItem::DontShowIndicator
                                                  : QTreeWidgetItem::ShowIndicator);
}

// Puts child among parent's listed children where its name sorts.
void FolderBrowser::InsertSorted(QTreeWidgetItem* parent, QTreeWidgetItem* child) {
    int low = 0;
    int high = parent->childCount();
    while (low < high) {
        const int middle = (low + high) / 2;
        if (m_collator.compare(parent->child(middle)->text(0), child->text(0)) < 0) {
            low = middle + 1;
        } else {
            high = middle;
        }
    }
    parent->insertChild(low, child);
}

void FolderBrowser::MakeFolderInSelection() {
    const QList<QTreeWidgetItem*> selected = m_tree->selectedItems();
    if (selected.isEmpty()) {
        return;
    }
    QTreeWidgetItem* parent = selected.front();
    parent->setExpanded(true);  // lists the existing subfolders first
    std::string name;
    if (MakeNewFolder(PathOf(parent), name) == 0) {
        QApplication::beep();
        return;
    }
    QTreeWidgetItem* item =
        FolderItem(ChildPath(PathOf(parent), name), ToQString(DecodePath(name)));
    item->setData(0, kListedRole, true);
    item->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicator);
    item->setFlags(item->flags() | Qt::ItemIsEditable);
    InsertSorted(parent, item);
    parent->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
    m_tree->setCurrentItem(item);
    m_tree->editItem(item);
}

// After the user edited a new folder's name: renames the folder on disk, or
// puts its name back when the new one cannot be given.
void FolderBrowser::NameFolder(QTreeWidgetItem* item) {
    if (!item->flags().testFlag(Qt::ItemIsEditable)) {
        return;  // a change of the browser's own, not a name the user typed
    }
    const std::string from = PathOf(item);
    const std::string name = ToUtf8(item->text(0));
    if (name == LastName(from)) {
        return;
    }
    const std::string to = ChildPath(PathOf(item->parent()), name);
    const QSignalBlocker quiet(m_tree);
    if (!IsFolderName(name) || RenameFolder(from, to) == 0) {
        item->setText(0, ToQString(DecodePath(LastName(from))));
        QApplication::beep();
        return;
    }
    item->setData(0, kPathRole, QByteArray::fromStdString(to));
    // Folders made inside it under its old name are listed again when opened.
    if (item->childCount() > 0) {
        qDeleteAll(item->takeChildren());
        item->setData(0, kListedRole, false);
    }
    QTreeWidgetItem* parent = item->parent();
    parent->removeChild(item);
    InsertSorted(parent, item);
    m_tree->setCurrentItem(item);
}

void FolderBrowser::EnableButtons() {
    const bool selected = !m_tree->selectedItems().isEmpty();
    m_ok->setEnabled(selected);
    m_newFolder->setEnabled(selected);
}
