#include "platform/qt/ByteLimitValidator.h"

#include <QLineEdit>
#include <algorithm>

#include "platform/qt/QtText.h"

ByteLimitValidator::ByteLimitValidator(QLineEdit* edit, int maxBytes, TextEncoding encoding)
    : QValidator(edit), m_maxBytes(maxBytes), m_encoding(encoding), m_shown(edit->text()) {
    connect(edit, &QLineEdit::textChanged, this, [this](const QString& text) { m_shown = text; });
}

QValidator::State ByteLimitValidator::validate(QString& input, int& pos) const {
    // What was inserted ends at the cursor and starts after what the text
    // kept of its beginning. QLineEdit pastes a text's line breaks with it:
    // the first one inserted and the rest of that insertion are dropped.
    const qsizetype kept =
        std::mismatch(m_shown.begin(), m_shown.end(), input.begin(), input.end()).first -
        m_shown.begin();
    for (qsizetype i = std::min<qsizetype>(kept, pos); i < pos; ++i) {
        if (input[i] == u'\r' || input[i] == u'\n') {
            input.remove(i, pos - i);
            pos = static_cast<int>(i);
            break;
        }
    }
    return EncodedLength(ToUtf8(input), m_encoding) <= static_cast<std::size_t>(m_maxBytes)
               ? Acceptable
               : Invalid;
}
