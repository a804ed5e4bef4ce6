#include "platform/ByteLimitValidator.h"

#include <QLineEdit>

ByteLimitValidator::ByteLimitValidator(QLineEdit* edit, int maxBytes, TextEncoding encoding)
    : QValidator(edit), m_edit(edit), m_maxBytes(maxBytes), m_encoding(encoding) {}

QValidator::State ByteLimitValidator::validate(QString& input, int& /*pos*/) const {
    const qsizetype bytes = EncodedLength(input, m_encoding);
    if (bytes <= m_maxBytes || bytes <= EncodedLength(m_edit->text(), m_encoding)) {
        return Acceptable;
    }
    return Invalid;
}
