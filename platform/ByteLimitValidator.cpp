#include "platform/ByteLimitValidator.h"

ByteLimitValidator::ByteLimitValidator(QObject* parent, int maxBytes, TextEncoding encoding)
    : QValidator(parent), m_maxBytes(maxBytes), m_encoding(encoding) {}

QValidator::State ByteLimitValidator::validate(QString& input, int& /*pos*/) const {
    return EncodedLength(input, m_encoding) <= m_maxBytes ? Acceptable : Invalid;
}
