// DataExchange: moving a dialog's fields to its controls and back.
//
// Fields and controls are separate: the dialog pushes every field to its
// control at chosen points and reads every control back at others, always in
// the order the bindings were made. Text limits count bytes of the field's
// encoding: they are set on the edits as they are pushed (typing past them is
// refused) and checked on a checked read-back, which stops at the first text
// that is too long. Change notifications that controls raise while an
// exchange runs are to be ignored by the dialog (InExchange).
#pragma once

#include <string>
#include <variant>
#include <vector>

#include "platform/TextEncoding.h"

class CDialog;
class CEdit;

class DataExchange {
  public:
    // The message that refuses a text longer than its limit of maxBytes.
    using TooLongMessage = std::string (*)(int maxBytes);

    // dialog holds the controls and owns the too-long message, whose text
    // tooLong gives.
    DataExchange(CDialog& dialog, TooLongMessage tooLong) : m_dialog(dialog), m_tooLong(tooLong) {}

    // Makes control stand for edit editId from now on; the exchange moves no
    // text for it.
    void BindControl(int editId, CEdit* control);

    // Binds edit editId to field (UTF-8). maxBytes 0 means no limit.
    void BindText(int editId, std::string* field, int maxBytes, TextEncoding encoding);

    // Binds the radio buttons buttonIds, one group in order, to field: the
    // index of the checked one, -1 when none is.
    void BindRadioGroup(std::vector<int> buttonIds, int* field);

    // Shows every field in its control. A control that already shows exactly
    // its field's text is left untouched (cursor, selection, undo history).
    void PushAll();

    // Reads every control into its field. Stops at the first text longer than
    // its limit: shows the too-long message (caption: the
    // application's name), focuses that control with its text selected and
    // leaves that field and the later ones as they were. Returns true when
    // every field was read, false when it stopped.
    bool ReadBackAll();

    // Reads every control into its field without checking limits, so that a
    // keystroke never brings a message; a later ReadBackAll still refuses
    // what is too long.
    void ReadBackAllUnchecked();

    // True while PushAll or a read-back runs.
    bool InExchange() const { return m_inExchange; }

  private:
    struct TextBinding {
        int editId;
        std::string* field;
        int maxBytes;
        TextEncoding encoding;
    };
    struct RadioBinding {
        std::vector<int> buttonIds;
        int* field;
    };
    using Binding = std::variant<TextBinding, RadioBinding>;

    bool ReadBack(bool checkLimits);
    bool ReadText(const TextBinding& binding, bool checkLimits);
    void RefuseTooLong(const TextBinding& binding);

    CDialog& m_dialog;
    TooLongMessage m_tooLong;
    std::vector<Binding> m_bindings;
    bool m_inExchange = false;
};
