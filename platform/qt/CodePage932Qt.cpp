// Code page 932 through Qt's converters, which on Debian are ICU's.
#include <QByteArray>
#include <QList>
#include <QStringDecoder>
#include <QStringEncoder>

#include "platform/CodePage932.h"
#include "platform/qt/QtText.h"

namespace {

// ICU knows code page 932 as "windows-31j"; "Shift_JIS" lacks its vendor
// characters and is kept only for builds without that name.
const char* ShiftJisName() {
    static const char* const name =
        QStringEncoder("windows-31j").isValid() ? "windows-31j" : "Shift_JIS";
    return name;
}

std::string ToStdString(const QByteArray& bytes) {
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

}  // namespace

std::string ToCodePage932(std::string_view utf8, bool& complete) {
    complete = true;
    std::string bytes;
    // One character at a time: ICU's own substitute is two bytes, Windows'
    // is a "?" for each UTF-16 unit, and the limits must count alike.
    for (const char32_t ch : ToQString(utf8).toUcs4()) {
        QStringEncoder encoder(ShiftJisName(), QStringConverter::Flag::Stateless);
        const QByteArray character = encoder.encode(QString::fromUcs4(&ch, 1));
        if (encoder.hasError()) {
            complete = false;
            bytes.append(ch > 0xFFFF ? 2 : 1, '?');
        } else {
            bytes += ToStdString(character);
        }
    }
    return bytes;
}

std::string FromCodePage932(std::string_view bytes) {
    // The decoder marks what it cannot map with U+001A, which shows as
    // nothing; a line can hold no 0x1A (it ends a file's data), so each one
    // is such a mark. A line end after the bytes makes it mark a final lead
    // byte too instead of dropping it.
    QStringDecoder decoder(ShiftJisName(), QStringConverter::Flag::Stateless);
    QString text =
        decoder.decode(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())) + '\n');
    text.chop(1);
    text.replace(QChar(0x1A), QChar::ReplacementCharacter);
    return ToStdString(text.toUtf8());
}
