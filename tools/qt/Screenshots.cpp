// dialog_screenshots: renders the main dialog, the About box, the folder
// browser and the progress window, as a user sees them, into PNG files for
// the README.
//   dialog_screenshots <output folder> [<name suffix>]
// Writes main-dialog.png, about-box.png, folder-browser.png and
// progress-window.png there, each name with the suffix before ".png" (the
// display scale, which QT_SCALE_FACTOR sets, in the images of other scales).
// The program starts as it does for a user: from a working folder whose
// zeldefs8.env names a sample data folder, so the dialog shows that folder and
// its title; the working folder is also the home folder, with a desktop
// folder of a few folders for the browser to show. The progress window is
// that of a backup of the sample folder, held part-way through the fault file
// system as the tests hold it. Runs on Qt's offscreen platform; no display is
// needed. Exits 0 when all four images were written, 1 with a message
// otherwise.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <type_traits>

#include "HeldBackup.h"
#include "SampleData.h"
#include "app/FileUtility.h"
#include "dialog/AboutDlg.h"
#include "dialog/FileUtilityDlg.h"
#include "dialog/ProgressDlg.h"
#include "platform/Application.h"
#include "platform/qt/FolderBrowser.h"
#include "platform/qt/QtDialogWindow.h"

namespace {

void Fail(const QString& message) {
    std::fprintf(stderr, "dialog_screenshots: %s\n", qPrintable(message));
}

bool WriteFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) < 0) {
        Fail(QStringLiteral("cannot write ") + path);
        return false;
    }
    return true;
}

// Makes home the home folder of a desktop session with a desktop folder
// holding a few data folders.
bool MakeDesktop(const QString& home) {
    qputenv("HOME", QFile::encodeName(home));
    qunsetenv("XDG_CONFIG_HOME");
    const QString desktop = home + QStringLiteral("/デスクトップ");
    for (const QString& folder :
         {QStringLiteral("2025年度"), QStringLiteral("2026年度"), QStringLiteral("バックアップ")}) {
        if (!QDir().mkpath(desktop + QLatin1Char('/') + folder)) {
            Fail(QStringLiteral("cannot make ") + folder);
            return false;
        }
    }
    return QDir().mkpath(home + QStringLiteral("/.config")) &&
           WriteFile(home + QStringLiteral("/.config/user-dirs.dirs"),
                     "XDG_DESKTOP_DIR=\"$HOME/デスクトップ\"\n");
}

// Makes a working folder holding zeldefs8.env and the sample data folder it
// names. The folder's name is fixed so that the path the dialog shows, and
// with it the image, is the same at every run.
bool MakeWorkingFolder(const QString& work) {
    QDir(work).removeRecursively();
    const QString data = work + QStringLiteral("/data/");
    std::string error;
    if (MakeSampleFolder(QFile::encodeName(data).toStdString(), SampleFolderOptions{}, nullptr,
                         &error) == 0) {
        Fail(QStringLiteral("cannot make the sample folder: ") + QString::fromStdString(error));
        return false;
    }
    return WriteFile(work + QStringLiteral("/zeldefs8.env"),
                     QByteArray("[PATH]=") + QFile::encodeName(data) + "\r\n") &&
           MakeDesktop(work);
}

// Where the images go: folder/<name><suffix>.png.
struct Output {
    QString folder;
    QString suffix;

    QString Path(const char* name) const {
        return folder + QLatin1Char('/') + QLatin1String(name) + suffix + QStringLiteral(".png");
    }
};

bool SaveGrab(QWidget& window, const QString& file) {
    if (!window.grab().save(file, "PNG")) {
        Fail(QStringLiteral("cannot write ") + file);
        return false;
    }
    std::printf("%s\n", qPrintable(file));
    return true;
}

// The window of the modal dialog on top when it is a T (a dialog of ours or
// a widget of Qt's); otherwise closes that window, so that an unexpected
// message never blocks the run, and returns nullptr.
template <typename T>
QWidget* TopModal() {
    QWidget* modal = QApplication::activeModalWidget();
    const auto* ours = qobject_cast<QtDialogWindow*>(modal);
    bool isT = false;
    if constexpr (std::is_base_of_v<CDialog, T>) {
        isT = ours != nullptr && dynamic_cast<T*>(&ours->Dialog()) != nullptr;
    } else {
        isT = qobject_cast<T*>(modal) != nullptr;
    }
    if (!isT) {
        Fail(QStringLiteral("unexpected window: %1")
                 .arg(modal != nullptr ? modal->windowTitle() : QStringLiteral("none")));
        if (modal != nullptr) {
            modal->close();
        }
        return nullptr;
    }
    return modal;
}

// The source file the backup is held at: about half of the folder's bytes
// come before it.
constexpr char kHeldFile[] = "ZELPRN5-002.DAT";

// Backs the sample folder up into a folder beside it, held at kHeldFile
// until the progress window has been grabbed.
void GrabProgressWindow(CFileUtilityDlg& dialog, const Output& output, int& written) {
    const QString destination = QDir::currentPath() + QStringLiteral("/backup");
    if (!QDir().mkpath(destination)) {
        Fail(QStringLiteral("cannot make ") + destination);
        return;
    }
    HeldBackup backup(dialog, kHeldFile);
    // Ticks only in the progress window's own loop, which runs while the
    // backup does; grabs once the window has polled the held run.
    QTimer tick;
    int ticks = 0;
    QObject::connect(&tick, &QTimer::timeout, [&] {
        if (!backup.Held().WaitUntilReached(std::chrono::milliseconds(0)) || ++ticks < 3) {
            return;
        }
        tick.stop();
        if (QWidget* progress = TopModal<CProgressDlg>()) {
            written += SaveGrab(*progress, output.Path("progress-window")) ? 1 : 0;
        }
        backup.Held().Release();
    });
    tick.start(std::chrono::milliseconds(100));
    if (!backup.Run(QFile::encodeName(destination).toStdString())) {
        Fail(QStringLiteral("the backup did not copy every file"));
    }
}

// Once the main dialog runs: grabs it, opens the About box through the
// ﾊﾞｰｼﾞｮﾝ情報 handler and the destination's folder browser through its
// 参照 handler and grabs those, closes them, grabs the progress window of a
// backup and closes the main dialog.
void GrabDialogs(const Output& output, int& written) {
    QWidget* window = TopModal<CFileUtilityDlg>();
    if (window == nullptr) {
        return;
    }
    auto& dialog = static_cast<CFileUtilityDlg&>(qobject_cast<QtDialogWindow*>(window)->Dialog());
    written += SaveGrab(*window, output.Path("main-dialog")) ? 1 : 0;
    QTimer::singleShot(0, [&output, &written] {
        if (QWidget* about = TopModal<CAboutDlg>()) {
            written += SaveGrab(*about, output.Path("about-box")) ? 1 : 0;
            about->close();
        }
    });
    dialog.OnVersion();
    QTimer::singleShot(0, [&output, &written] {
        if (QWidget* browser = TopModal<FolderBrowser>()) {
            written += SaveGrab(*browser, output.Path("folder-browser")) ? 1 : 0;
            browser->close();
        }
    });
    dialog.OnBrowseDest();
    GrabProgressWindow(dialog, output, written);
    dialog.EndDialog(kCancelId);
}

}  // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const ApplicationScope application(argc, argv, "");
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: dialog_screenshots <output folder> [<name suffix>]\n");
        return 1;
    }
    const Output output{QDir(QString::fromLocal8Bit(argv[1])).absolutePath(),
                        argc == 3 ? QString::fromLocal8Bit(argv[2]) : QString()};
    const QString work = QDir::tempPath() + QStringLiteral("/fileutility-screenshots");
    if (!QDir().mkpath(output.folder) || !MakeWorkingFolder(work)) {
        return 1;
    }
    const QString previous = QDir::currentPath();
    QDir::setCurrent(work);

    int written = 0;
    QTimer::singleShot(0, [&output, &written] { GrabDialogs(output, written); });
    CFileUtilityApp().InitInstance();

    QDir::setCurrent(previous);
    QDir(work).removeRecursively();
    return written == 4 ? 0 : 1;
}
