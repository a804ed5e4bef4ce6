#include "DialogDriver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QTest>
#include <QTimer>

#include "config/EnvFile.h"
#include "dialog/AboutDlg.h"
#include "res/Resource.h"

DialogDriver::DialogDriver(const std::string& dataPath) {
    g_szDataPath = dataPath;
    m_dialog = std::make_unique<CFileUtilityDlg>();
    m_dialog->show();
}

DialogDriver::~DialogDriver() {
    m_dialog.reset();
    g_szDataPath.clear();
}

QLineEdit* DialogDriver::Edit(int id) const {
    return qobject_cast<QLineEdit*>(m_dialog->GetDlgItem(id));
}

void DialogDriver::Click(int id) {
    QTest::mouseClick(m_dialog->GetDlgItem(id), Qt::LeftButton);
}

void DialogDriver::PickSource(const QString& path) {
    m_prompts.ChooseFolder(path);
    Click(IDC_BUTTON_SRC_BROWSE);
}

void DialogDriver::PickDestination(const QString& path) {
    m_prompts.ChooseFolder(path);
    Click(IDC_BUTTON_DST_BROWSE);
}

void DialogDriver::Type(int id, const QString& text) {
    QLineEdit* edit = Edit(id);
    edit->setFocus();
    edit->end(false);
    // One key event per character, carrying the character as its text, as an
    // input method delivers Japanese (QTest's key clicks know only ASCII).
    for (const QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(edit, &press);
        QApplication::sendEvent(edit, &release);
    }
}

void DialogDriver::Replace(int id, const QString& text) {
    QLineEdit* edit = Edit(id);
    edit->selectAll();
    edit->insert(text);
}

bool WithModalDialog(const std::function<void()>& trigger,
                     const std::function<void(QWidget*)>& inspect) {
    bool opened = false;
    // A timer of this call only: it dies with the call when nothing opened.
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) {
            return;
        }
        opened = true;
        inspect(modal);
        modal->close();
    });
    timer.start(0);
    trigger();
    return opened;
}

std::vector<std::unique_ptr<QDialog>> BothDialogs() {
    std::vector<std::unique_ptr<QDialog>> dialogs;
    dialogs.push_back(std::make_unique<CFileUtilityDlg>());
    dialogs.push_back(std::make_unique<CAboutDlg>());
    return dialogs;
}
