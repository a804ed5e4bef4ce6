// ByteLimitValidator: the text limit of an edit, counted in bytes of the
// encoding its text is stored in.
//
// Typing or pasting that would take the text past the limit is refused, as a
// limited edit control does. A text the program set past the limit is shown
// whole; QLineEdit then lets the user change it freely until it fits again.
// A pasted text is cut at its first line break (CR LF, LF or a lone CR), as
// a single-line edit control pastes.
#pragma once

#include <QString>
#include <QValidator>

#include "platform/TextEncoding.h"

class QLineEdit;

class ByteLimitValidator : public QValidator {
  public:
    // Limits edit, which owns the validator.
    ByteLimitValidator(QLineEdit* edit, int maxBytes, TextEncoding encoding);

    // Cuts what was inserted before pos at its first line break; then
    // Acceptable when input fits the limit, Invalid otherwise.
    State validate(QString& input, int& pos) const override;

  private:
    int m_maxBytes;
    TextEncoding m_encoding;
    QString m_shown;  // the edit's text before the change being validated
};
