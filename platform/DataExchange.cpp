#include "platform/DataExchange.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCoreApplication>
#include <QLineEdit>
#include <QScopedValueRollback>

#include "platform/ByteLimitValidator.h"
#include "platform/Prompts.h"

namespace {

void PushText(QLineEdit* edit, const QString& text, int maxBytes, TextEncoding encoding) {
    if (maxBytes > 0 && edit->validator() == nullptr) {
        edit->setValidator(new ByteLimitValidator(edit, maxBytes, encoding));
    }
    if (edit->text() != text) {
        edit->setText(text);
    }
}

void PushRadio(const std::vector<QAbstractButton*>& buttons, int checked) {
    if (checked >= 0 && static_cast<std::size_t>(checked) < buttons.size()) {
        buttons[static_cast<std::size_t>(checked)]->setChecked(true);
        return;
    }
    // An exclusive group keeps one button checked; none checked needs it
    // lifted for a moment.
    for (QAbstractButton* button : buttons) {
        QButtonGroup* group = button->group();
        const bool exclusive = group != nullptr && group->exclusive();
        if (exclusive) {
            group->setExclusive(false);
        }
        button->setChecked(false);
        if (exclusive) {
            group->setExclusive(true);
        }
    }
}

int ReadRadio(const std::vector<QAbstractButton*>& buttons) {
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        if (buttons[i]->isChecked()) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

}  // namespace

void DataExchange::BindText(QLineEdit* edit, QString* field, int maxBytes, TextEncoding encoding) {
    m_bindings.emplace_back(TextBinding{edit, field, maxBytes, encoding});
}

// NOLINTNEXTLINE(readability-non-const-parameter): kept in the binding; ReadBack writes it
void DataExchange::BindRadioGroup(std::vector<QAbstractButton*> buttons, int* field) {
    m_bindings.emplace_back(RadioBinding{std::move(buttons), field});
}

void DataExchange::PushAll() {
    const QScopedValueRollback<bool> exchanging(m_inExchange, true);
    for (const Binding& binding : m_bindings) {
        if (const auto* text = std::get_if<TextBinding>(&binding)) {
            PushText(text->edit, *text->field, text->maxBytes, text->encoding);
        } else {
            const auto& radio = std::get<RadioBinding>(binding);
            PushRadio(radio.buttons, *radio.field);
        }
    }
}

bool DataExchange::ReadBackAll() {
    return ReadBack(true);
}

void DataExchange::ReadBackAllUnchecked() {
    ReadBack(false);
}

bool DataExchange::ReadBack(bool checkLimits) {
    const QScopedValueRollback<bool> exchanging(m_inExchange, true);
    for (const Binding& binding : m_bindings) {
        if (const auto* text = std::get_if<TextBinding>(&binding)) {
            if (!ReadText(*text, checkLimits)) {
                return false;
            }
        } else {
            const auto& radio = std::get<RadioBinding>(binding);
            *radio.field = ReadRadio(radio.buttons);
        }
    }
    return true;
}

bool DataExchange::ReadText(const TextBinding& binding, bool checkLimits) {
    const QString text = binding.edit->text();
    if (checkLimits && binding.maxBytes > 0 &&
        EncodedLength(text, binding.encoding) > binding.maxBytes) {
        RefuseTooLong(binding);
        return false;
    }
    *binding.field = text;
    return true;
}

void DataExchange::RefuseTooLong(const TextBinding& binding) {
    const QString text =
        QStringLiteral(
            "入力できる文字数を超えています。\n%1バイト（半角%1文字）以内にしてください。")
            .arg(binding.maxBytes);
    ShowMessageBox(m_owner, QCoreApplication::applicationName(), text, MessageIcon::kWarning,
                   MessageButtons::kOk);
    binding.edit->setFocus(Qt::OtherFocusReason);
    binding.edit->selectAll();
}
