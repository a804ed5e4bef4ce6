// dialog_screenshots: renders the main dialog and the About box, as a user
// sees them after start-up, into PNG files for the README.
//   dialog_screenshots <output folder>
// Writes main-dialog.png and about-box.png there. The program starts as it
// does for a user: from a working folder whose zeldefs8.env names a sample
// data folder, so the dialog shows that folder and its title. Runs on Qt's
// offscreen platform; no display is needed. Exits 0 when both images were
// written, 1 with a message otherwise.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTimer>
#include <cstdio>

#include "SampleData.h"
#include "app/FileUtility.h"
#include "dialog/AboutDlg.h"
#include "dialog/FileUtilityDlg.h"

namespace {

void Fail(const QString& message) {
    std::fprintf(stderr, "dialog_screenshots: %s\n", qPrintable(message));
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
    QFile env(work + QStringLiteral("/zeldefs8.env"));
    if (!env.open(QIODevice::WriteOnly) ||
        env.write(QByteArray("[PATH]=") + QFile::encodeName(data) + "\r\n") < 0) {
        Fail(QStringLiteral("cannot write ") + env.fileName());
        return false;
    }
    return true;
}

bool SaveGrab(QWidget& window, const QString& file) {
    if (!window.grab().save(file, "PNG")) {
        Fail(QStringLiteral("cannot write ") + file);
        return false;
    }
    std::printf("%s\n", qPrintable(file));
    return true;
}

// Closes the modal window on top when it is not of type T and returns
// nullptr, so that an unexpected message never blocks the run.
template <typename T>
T* TopModal() {
    QWidget* modal = QApplication::activeModalWidget();
    T* window = qobject_cast<T*>(modal);
    if (window == nullptr) {
        Fail(QStringLiteral("expected %1, found %2")
                 .arg(QString::fromUtf8(T::staticMetaObject.className()),
                      modal != nullptr ? modal->windowTitle() : QStringLiteral("no window")));
        if (modal != nullptr) {
            modal->close();
        }
    }
    return window;
}

// Once the main dialog runs: grabs it, opens the About box through the
// ﾊﾞｰｼﾞｮﾝ情報 handler and grabs that, then closes both.
void GrabBothDialogs(const QString& output, int& written) {
    CFileUtilityDlg* dialog = TopModal<CFileUtilityDlg>();
    if (dialog == nullptr) {
        return;
    }
    written += SaveGrab(*dialog, output + QStringLiteral("/main-dialog.png")) ? 1 : 0;
    QTimer::singleShot(0, [&output, &written] {
        if (CAboutDlg* about = TopModal<CAboutDlg>()) {
            written += SaveGrab(*about, output + QStringLiteral("/about-box.png")) ? 1 : 0;
            about->close();
        }
    });
    dialog->OnVersion();
    dialog->close();
}

}  // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: dialog_screenshots <output folder>\n");
        return 1;
    }
    const QString output = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    const QString work = QDir::tempPath() + QStringLiteral("/fileutility-screenshots");
    if (!QDir().mkpath(output) || !MakeWorkingFolder(work)) {
        return 1;
    }
    const QString previous = QDir::currentPath();
    QDir::setCurrent(work);

    int written = 0;
    QTimer::singleShot(0, [&output, &written] { GrabBothDialogs(output, written); });
    CFileUtilityApp().InitInstance();

    QDir::setCurrent(previous);
    QDir(work).removeRecursively();
    return written == 2 ? 0 : 1;
}
