// ByteLimitValidator: the text limit of an edit, counted in bytes of the
// encoding its text is stored in.
//
// Typing or pasting that would take the text past the limit is refused, as a
// limited edit control does. A text the program set past the limit is shown
// whole; QLineEdit then lets the user change it freely until it fits again.
#pragma once

#include <QValidator>

#include "platform/TextEncoding.h"

class ByteLimitValidator : public QValidator {
  public:
    ByteLimitValidator(QObject* parent, int maxBytes, TextEncoding encoding);

    // Acceptable when input fits the limit, Invalid otherwise.
    State validate(QString& input, int& pos) const override;

  private:
    int m_maxBytes;
    TextEncoding m_encoding;
};
