#include "platform/qt/QtDialogWindow.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QProgressBar>
#include <QRadioButton>
#include <QStyle>

#include "platform/qt/ByteLimitValidator.h"
#include "platform/qt/QtIcon.h"
#include "platform/qt/QtText.h"

QtDialogWindow::QtDialogWindow(CDialog& dialog, const DialogTemplate& form, QWidget* parent,
                               const AppIcon* icon)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::MSWindowsFixedSizeDialogHint |
                          Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      m_dialog(dialog),
      m_icon(ToQIcon(icon)) {
    m_controls = BuildDialog(*this, form, m_icon);
    setWindowIcon(m_icon);
    ConnectNotifications();
}

void QtDialogWindow::ConnectNotifications() {
    for (const DialogControls::Entry& entry : m_controls.Entries()) {
        const int id = entry.id;
        const auto notify = [this, id](Notification notification) {
            Command(m_dialog, id, notification);
        };
        if (auto* edit = qobject_cast<QLineEdit*>(entry.widget)) {
            connect(edit, &QLineEdit::textChanged, this,
                    [notify] { notify(Notification::kChanged); });
        } else if (auto* radio = qobject_cast<QRadioButton*>(entry.widget)) {
            connect(radio, &QAbstractButton::toggled, this, [notify](bool checked) {
                if (checked) {
                    notify(Notification::kChecked);
                }
            });
        } else if (auto* button = qobject_cast<QAbstractButton*>(entry.widget)) {
            connect(button, &QAbstractButton::clicked, this,
                    [notify] { notify(Notification::kClicked); });
        }
    }
}

int QtDialogWindow::DoModal() {
    return exec();
}

void QtDialogWindow::Create() {
    show();
}

void QtDialogWindow::EndDialog(int result) {
    // As Windows destroys a window's timers with it.
    for (const auto& [id, timer] : m_timers) {
        timer->stop();
    }
    SetResult(m_dialog, result);
    done(result);
}

bool QtDialogWindow::IsOpen() const {
    return isVisible();
}

std::string QtDialogWindow::GetItemText(int id) const {
    QWidget* item = Item(id);
    if (auto* edit = qobject_cast<QLineEdit*>(item)) {
        return ToUtf8(edit->text());
    }
    if (auto* button = qobject_cast<QAbstractButton*>(item)) {
        return ToUtf8(button->text());
    }
    if (auto* label = qobject_cast<QLabel*>(item)) {
        return ToUtf8(label->text());
    }
    return {};
}

void QtDialogWindow::SetItemText(int id, std::string_view text) {
    const QString shown = ToQString(text);
    QWidget* item = Item(id);
    if (auto* edit = qobject_cast<QLineEdit*>(item)) {
        if (edit->text() != shown) {
            edit->setText(shown);
        }
    } else if (auto* button = qobject_cast<QAbstractButton*>(item)) {
        button->setText(shown);
    } else if (auto* label = qobject_cast<QLabel*>(item)) {
        label->setText(shown);
    }
}

void QtDialogWindow::EnableItem(int id, bool enable) {
    if (QWidget* item = Item(id)) {
        item->setEnabled(enable);
    }
}

bool QtDialogWindow::IsItemEnabled(int id) const {
    const QWidget* item = Item(id);
    return item != nullptr && item->isEnabled();
}

bool QtDialogWindow::IsButtonChecked(int id) const {
    const auto* button = qobject_cast<QAbstractButton*>(Item(id));
    return button != nullptr && button->isChecked();
}

void QtDialogWindow::CheckButton(int id, bool checked) {
    auto* button = qobject_cast<QAbstractButton*>(Item(id));
    if (button == nullptr || button->isChecked() == checked) {
        return;
    }
    // An exclusive group keeps one button checked; unchecking needs it
    // lifted for a moment.
    QButtonGroup* group = button->group();
    const bool lift = !checked && group != nullptr && group->exclusive();
    if (lift) {
        group->setExclusive(false);
    }
    button->setChecked(checked);
    if (lift) {
        group->setExclusive(true);
    }
}

void QtDialogWindow::LimitText(int id, int maxBytes, TextEncoding encoding) {
    auto* edit = qobject_cast<QLineEdit*>(Item(id));
    if (edit == nullptr || maxBytes <= 0 || edit->validator() != nullptr) {
        return;
    }
    edit->setValidator(new ByteLimitValidator(edit, maxBytes, encoding));
}

void QtDialogWindow::GotoControl(int id) {
    QWidget* item = Item(id);
    if (item == nullptr) {
        return;
    }
    item->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(item)) {
        edit->selectAll();
    }
}

void QtDialogWindow::SetItemProgress(int id, int position) {
    if (auto* bar = qobject_cast<QProgressBar*>(Item(id))) {
        bar->setValue(position);
    }
}

int QtDialogWindow::GetItemProgress(int id) const {
    const auto* bar = qobject_cast<QProgressBar*>(Item(id));
    return bar != nullptr ? bar->value() : 0;
}

void QtDialogWindow::SetTimer(unsigned id, unsigned elapseMs) {
    QTimer*& timer = m_timers[id];
    if (timer == nullptr) {
        timer = new QTimer(this);
        connect(timer, &QTimer::timeout, this, [this, id] { Timer(m_dialog, id); });
    }
    timer->start(static_cast<int>(elapseMs));
}

void QtDialogWindow::KillTimer(unsigned id) {
    if (const auto found = m_timers.find(id); found != m_timers.end()) {
        found->second->stop();
    }
}

void QtDialogWindow::AppendSystemMenuItem(unsigned command, std::string_view text) {
    m_systemMenu.addSeparator();
    connect(m_systemMenu.addAction(ToQString(text)), &QAction::triggered, this,
            [this, command] { SysCommand(m_dialog, SystemCommand::MenuItem(command)); });
}

void QtDialogWindow::ShowMinimized() {
    showMinimized();
}

void QtDialogWindow::ShowNormal() {
    showNormal();
}

bool QtDialogWindow::IsIconic() const {
    return isMinimized();
}

ClientSize QtDialogWindow::GetClientSize() const {
    return ClientSize{width(), height()};
}

int QtDialogWindow::IconExtent() const {
    return style()->pixelMetric(QStyle::PM_LargeIconSize, nullptr, this);
}

void QtDialogWindow::DrawIcon(int x, int y) {
    if (!m_painting) {
        return;  // Qt paints a widget only from its paint event
    }
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    const int extent = IconExtent();
    painter.drawPixmap(x, y, m_icon.pixmap(extent, extent));
}

void QtDialogWindow::accept() {
    Ok(m_dialog);
}

void QtDialogWindow::reject() {
    Cancel(m_dialog);
}

void QtDialogWindow::setVisible(bool visible) {
    if (visible && !m_initialised) {
        m_initialised = true;
        InitDialog(m_dialog);
    }
    QDialog::setVisible(visible);
}

void QtDialogWindow::paintEvent(QPaintEvent* event) {
    m_painting = true;
    const bool painted = Paint(m_dialog);
    m_painting = false;
    if (!painted) {
        QDialog::paintEvent(event);
    }
}

void QtDialogWindow::contextMenuEvent(QContextMenuEvent* event) {
    if (!m_systemMenu.isEmpty()) {
        m_systemMenu.exec(event->globalPos());
    }
}

std::unique_ptr<DialogWindow> CreateDialogWindow(CDialog& dialog, const DialogTemplate& form,
                                                 CDialog* parent, const AppIcon* icon) {
    QWidget* owner = parent != nullptr ? &QtWindowOf(*parent) : nullptr;
    return std::make_unique<QtDialogWindow>(dialog, form, owner, icon);
}

QtDialogWindow& QtWindowOf(const CDialog& dialog) {
    return static_cast<QtDialogWindow&>(dialog.Window());
}
