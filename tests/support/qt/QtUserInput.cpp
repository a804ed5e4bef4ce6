// The user's actions on Qt: mouse clicks and key events sent to the widgets,
// pastes through the clipboard.
#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>

#include "QtModal.h"
#include "UserInput.h"
#include "platform/qt/QtDialogWindow.h"
#include "platform/qt/QtText.h"

namespace {

QLineEdit* EditOf(const CDialog& dialog, int id) {
    return qobject_cast<QLineEdit*>(QtWindowOf(dialog).Item(id));
}

}  // namespace

void ClickItem(CDialog& dialog, int id) {
    QTest::mouseClick(QtWindowOf(dialog).Item(id), Qt::LeftButton);
}

void TypeText(CDialog& dialog, int id, std::string_view text) {
    QLineEdit* edit = EditOf(dialog, id);
    edit->setFocus();
    edit->end(false);
    // One key event per character, carrying the character as its text, as an
    // input method delivers Japanese (QTest's key clicks know only ASCII).
    for (const char32_t ch : ToQString(text).toUcs4()) {
        const QString character = QString::fromUcs4(&ch, 1);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, character);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, character);
        QApplication::sendEvent(edit, &press);
        QApplication::sendEvent(edit, &release);
    }
}

void PasteText(CDialog& dialog, int id, std::string_view text) {
    QLineEdit* edit = EditOf(dialog, id);
    edit->selectAll();
    QGuiApplication::clipboard()->setText(ToQString(text));
    edit->paste();
}

void PressEnter(CDialog& dialog, int id) {
    QTest::keyClick(QtWindowOf(dialog).Item(id), Qt::Key_Return);
}

void PressEscape(CDialog& dialog) {
    QTest::keyClick(&QtWindowOf(dialog), Qt::Key_Escape);
}

int FocusedItem(const CDialog& dialog) {
    const QtDialogWindow& window = QtWindowOf(dialog);
    for (const DialogControls::Entry& entry : window.Controls().Entries()) {
        if (entry.widget == window.focusWidget()) {
            return entry.id;
        }
    }
    return 0;
}

std::string SelectedText(const CDialog& dialog, int id) {
    return ToUtf8(EditOf(dialog, id)->selectedText());
}

bool WaitCursorShown() {
    return QApplication::overrideCursor() != nullptr;
}

void LetEventsRun(std::chrono::milliseconds duration) {
    QTest::qWait(static_cast<int>(duration.count()));
}

bool WithModalDialog(const std::function<void()>& trigger,
                     const std::function<void(CDialog&)>& inspect) {
    bool ours = false;
    const bool opened = WithModalWidget(trigger, [&](QWidget* modal) {
        if (auto* window = qobject_cast<QtDialogWindow*>(modal)) {
            ours = true;
            inspect(window->Dialog());
        }
    });
    return opened && ours;
}
