#include "platform/qt/DialogBuilder.h"

#include <QButtonGroup>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

#include "platform/qt/DialogFont.h"
#include "platform/qt/DialogUnits.h"
#include "platform/qt/RadioIndicatorStyle.h"
#include "platform/qt/TemplateGroupBox.h"

namespace {

bool HasStyle(const ControlTemplate& control, unsigned style) {
    return (control.style & style) != 0;
}

// The text a user reads on a control: without the "&" that marks a mnemonic.
QString ReadableText(const ControlTemplate& control) {
    QString text = QString::fromUtf8(control.text);
    if (!HasStyle(control, kStyleNoPrefix)) {
        text.remove(QLatin1Char('&'));
    }
    return text;
}

QRect DialogUnitRect(const ControlTemplate& control) {
    return QRect(control.x, control.y, control.cx, control.cy);
}

// The group box whose frame holds the control, or nullptr.
const ControlTemplate* EnclosingGroupBox(const DialogTemplate& form,
                                         const ControlTemplate& control) {
    for (const ControlTemplate& box : form.controls) {
        if (box.kind == ControlKind::kGroupBox &&
            DialogUnitRect(box).contains(DialogUnitRect(control))) {
            return &box;
        }
    }
    return nullptr;
}

// The static label on the same line to the left of an edit, nearest first.
const ControlTemplate* LabelBeside(const DialogTemplate& form, const ControlTemplate& edit) {
    const ControlTemplate* nearest = nullptr;
    for (const ControlTemplate& label : form.controls) {
        const bool sameLine = label.y < edit.y + edit.cy && edit.y < label.y + label.cy;
        if (label.kind == ControlKind::kStatic && sameLine && label.x + label.cx <= edit.x &&
            (nearest == nullptr || label.x > nearest->x)) {
            nearest = &label;
        }
    }
    return nearest;
}

QString AccessibleName(const DialogTemplate& form, const ControlTemplate& control) {
    if (control.kind == ControlKind::kGroupBox || control.kind == ControlKind::kStatic) {
        return ReadableText(control);
    }
    QString own = ReadableText(control);
    if (control.kind == ControlKind::kEdit) {
        const ControlTemplate* label = LabelBeside(form, control);
        own = label != nullptr ? ReadableText(*label) : QString();
    } else if (control.kind == ControlKind::kIcon) {
        own = QString::fromUtf8(form.caption);
    }
    const ControlTemplate* box = EnclosingGroupBox(form, control);
    return box != nullptr ? ReadableText(*box) + QLatin1Char(' ') + own : own;
}

// The one place that says what each kind of control is on Qt.
QWidget* CreateControl(QDialog& dialog, const ControlTemplate& control, const QIcon& icon,
                       int iconSize) {
    const QString text = QString::fromUtf8(control.text);
    switch (control.kind) {
        case ControlKind::kPushButton: {
            auto* button = new QPushButton(text, &dialog);
            button->setDefault(HasStyle(control, kStyleDefault));
            return button;
        }
        case ControlKind::kGroupBox:
            return new TemplateGroupBox(text, &dialog);
        case ControlKind::kRadioButton: {
            auto* radio = new QRadioButton(text, &dialog);
            auto* style =
                dialog.findChild<RadioIndicatorStyle*>(QString(), Qt::FindDirectChildrenOnly);
            radio->setStyle(style != nullptr ? style : new RadioIndicatorStyle(&dialog));
            return radio;
        }
        case ControlKind::kStatic:
            return new QLabel(text, &dialog);
        case ControlKind::kEdit: {
            auto* edit = new QLineEdit(&dialog);
            edit->setReadOnly(HasStyle(control, kStyleReadOnly));
            return edit;
        }
        case ControlKind::kProgressBar: {
            auto* bar = new QProgressBar(&dialog);
            bar->setRange(0, kProgressBarRange);
            bar->setValue(0);
            bar->setTextVisible(false);  // a Windows progress bar shows no percentage
            return bar;
        }
        case ControlKind::kIcon: {
            // Drawn at the system's icon size, as Windows draws an icon
            // control, from the image made for the dialog's scale.
            auto* label = new QLabel(&dialog);
            label->setPixmap(icon.pixmap(QSize(iconSize, iconSize), dialog.devicePixelRatio()));
            return label;
        }
    }
    return nullptr;
}

// Tab reaches tab stops alone; a control that takes input (Qt gives it a
// focus policy of its own) still takes the focus when clicked.
Qt::FocusPolicy FocusPolicyOf(const ControlTemplate& control, const QWidget& widget) {
    if (HasStyle(control, kStyleTabStop)) {
        return Qt::StrongFocus;
    }
    return widget.focusPolicy() != Qt::NoFocus ? Qt::ClickFocus : Qt::NoFocus;
}

// Radio buttons after a group start are mutually exclusive up to the next
// group start.
void GroupRadioButtons(QDialog& dialog, const DialogTemplate& form,
                       const DialogControls& controls) {
    QButtonGroup* group = nullptr;
    for (std::size_t i = 0; i < form.controls.size(); ++i) {
        const ControlTemplate& control = form.controls[i];
        if (HasStyle(control, kStyleGroup) || control.kind != ControlKind::kRadioButton) {
            group = nullptr;
        }
        if (control.kind == ControlKind::kRadioButton) {
            if (group == nullptr) {
                group = new QButtonGroup(&dialog);
            }
            group->addButton(static_cast<QAbstractButton*>(controls.Entries()[i].widget));
        }
    }
}

}  // namespace

QWidget* DialogControls::Item(int id) const {
    for (const Entry& entry : m_entries) {
        if (entry.id == id) {
            return entry.widget;
        }
    }
    return nullptr;
}

std::vector<QAbstractButton*> DialogControls::RadioGroup(int firstId) const {
    std::vector<QAbstractButton*> buttons;
    auto* first = qobject_cast<QRadioButton*>(Item(firstId));
    if (first == nullptr || first->group() == nullptr) {
        return buttons;
    }
    for (const Entry& entry : m_entries) {
        auto* radio = qobject_cast<QRadioButton*>(entry.widget);
        if (radio != nullptr && radio->group() == first->group()) {
            buttons.push_back(radio);
        }
    }
    return buttons;
}

DialogControls BuildDialog(QDialog& dialog, const DialogTemplate& form, const QIcon& icon) {
    const QFont font = SelectDialogFont(QString::fromUtf8(form.fontFace), form.pointSize);
    dialog.setFont(font);
    dialog.setWindowTitle(QString::fromUtf8(form.caption));
    const DialogBaseUnits units = MeasureDialogBaseUnits(font);
    dialog.setFixedSize(MapDialogRect(0, 0, form.cx, form.cy, units).size());

    const int iconSize = dialog.style()->pixelMetric(QStyle::PM_LargeIconSize, nullptr, &dialog);

    DialogControls controls;
    QWidget* previousTabStop = nullptr;
    for (const ControlTemplate& control : form.controls) {
        const QRect rect = MapDialogRect(control.x, control.y, control.cx, control.cy, units);
        QWidget* widget = CreateControl(dialog, control, icon, iconSize);
        widget->setGeometry(rect);
        widget->setEnabled(!HasStyle(control, kStyleDisabled));
        widget->setFocusPolicy(FocusPolicyOf(control, *widget));
        widget->setAccessibleName(AccessibleName(form, control));
        if (HasStyle(control, kStyleTabStop)) {
            if (previousTabStop == nullptr) {
                widget->setFocus(Qt::OtherFocusReason);
            } else {
                QWidget::setTabOrder(previousTabStop, widget);
            }
            previousTabStop = widget;
        }
        controls.Add(control.id, widget);
    }
    GroupRadioButtons(dialog, form, controls);
    return controls;
}
