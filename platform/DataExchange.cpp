#include "platform/DataExchange.h"

#include "platform/Application.h"
#include "platform/Dialog.h"
#include "platform/Edit.h"
#include "platform/Prompts.h"

namespace {

// Sets a flag for the life of a scope.
class Flagged {
  public:
    explicit Flagged(bool& flag) : m_flag(flag) { m_flag = true; }
    ~Flagged() { m_flag = false; }
    Flagged(const Flagged&) = delete;
    Flagged& operator=(const Flagged&) = delete;

  private:
    bool& m_flag;
};

}  // namespace

void DataExchange::BindControl(int editId, CEdit* control) {
    control->m_dialog = &m_dialog;
    control->m_id = editId;
}

void DataExchange::BindText(int editId, std::string* field, int maxBytes, TextEncoding encoding) {
    m_bindings.emplace_back(TextBinding{editId, field, maxBytes, encoding});
}

// NOLINTNEXTLINE(readability-non-const-parameter): kept in the binding; ReadBack writes it
void DataExchange::BindRadioGroup(std::vector<int> buttonIds, int* field) {
    m_bindings.emplace_back(RadioBinding{std::move(buttonIds), field});
}

void DataExchange::PushAll() {
    const Flagged exchanging(m_inExchange);
    for (const Binding& binding : m_bindings) {
        if (const auto* text = std::get_if<TextBinding>(&binding)) {
            m_dialog.LimitText(text->editId, text->maxBytes, text->encoding);
            m_dialog.SetDlgItemText(text->editId, *text->field);
            continue;
        }
        const auto& radio = std::get<RadioBinding>(binding);
        for (std::size_t i = 0; i < radio.buttonIds.size(); ++i) {
            m_dialog.CheckDlgButton(radio.buttonIds[i], static_cast<int>(i) == *radio.field);
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
    const Flagged exchanging(m_inExchange);
    for (const Binding& binding : m_bindings) {
        if (const auto* text = std::get_if<TextBinding>(&binding)) {
            if (!ReadText(*text, checkLimits)) {
                return false;
            }
            continue;
        }
        const auto& radio = std::get<RadioBinding>(binding);
        *radio.field = -1;
        for (std::size_t i = 0; i < radio.buttonIds.size(); ++i) {
            if (m_dialog.IsDlgButtonChecked(radio.buttonIds[i])) {
                *radio.field = static_cast<int>(i);
                break;
            }
        }
    }
    return true;
}

bool DataExchange::ReadText(const TextBinding& binding, bool checkLimits) {
    std::string text = m_dialog.GetDlgItemText(binding.editId);
    if (checkLimits && binding.maxBytes > 0 &&
        EncodedLength(text, binding.encoding) > static_cast<std::size_t>(binding.maxBytes)) {
        RefuseTooLong(binding);
        return false;
    }
    *binding.field = std::move(text);
    return true;
}

void DataExchange::RefuseTooLong(const TextBinding& binding) {
    ShowMessageBox(&m_dialog, ApplicationName(), m_tooLong(binding.maxBytes), MessageIcon::kWarning,
                   MessageButtons::kOk);
    m_dialog.GotoDlgCtrl(binding.editId);
}
