// ByteLimitValidator: the text limit of an edit, counted in bytes of the
// encoding its text is stored in.
//
// Typing or pasting that would take the text past the limit is refused, as a
// limited edit control does. A text already past the limit (set by the
// program) may still be shortened.
#pragma once

#include <QValidator>

#include "platform/TextEncoding.h"

class QLineEdit;

class ByteLimitValidator : public QValidator {
  public:
    ByteLimitValidator(QLineEdit* edit, int maxBytes, TextEncoding encoding);

    // Acceptable when input fits the limit or is no longer than the text
    // the edit holds now; Invalid otherwise.
    State validate(QString& input, int& pos) const override;

  private:
    QLineEdit* m_edit;
    int m_maxBytes;
    TextEncoding m_encoding;
};
