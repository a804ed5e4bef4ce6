#include "platform/qt/ByteLimitValidator.h"

#include "platform/qt/QtText.h"

ByteLimitValidator::ByteLimitValidator(QObject* parent, int maxBytes, TextEncoding encoding)
    : QValidator(parent), m_maxBytes(maxBytes), m_encoding(encoding) {}

QValidator::State ByteLimitValidator::validate(QString& input, int& /*pos*/) const {
    return EncodedLength(ToUtf8(input), m_encoding) <= static_cast<std::size_t>(m_maxBytes)
               ? Acceptable
               : Invalid;
}
