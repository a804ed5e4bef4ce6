#include "platform/TextEncoding.h"

#include <QByteArray>
#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace {

// Qt on Debian converts through ICU, which knows code page 932 as
// "windows-31j"; "Shift_JIS" lacks its vendor characters and is kept only for
// builds without that name.
const char* ShiftJisName() {
    static const char* const name =
        QStringEncoder("windows-31j").isValid() ? "windows-31j" : "Shift_JIS";
    return name;
}

QByteArray ToShiftJis(const QString& text, bool* complete) {
    QStringEncoder encoder(ShiftJisName(), QStringConverter::Flag::Stateless);
    QByteArray bytes = encoder.encode(text);
    if (complete != nullptr) {
        *complete = !encoder.hasError();
    }
    return bytes;
}

std::string ToStdString(const QByteArray& bytes) {
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

QByteArray ToByteArray(std::string_view bytes) {
    return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

}  // namespace

qsizetype EncodedLength(const QString& text, TextEncoding encoding) {
    if (encoding == TextEncoding::kShiftJis) {
        return ToShiftJis(text, nullptr).size();
    }
    return QFile::encodeName(text).size();
}

std::optional<std::string> EncodeTitle(const QString& title) {
    bool complete = false;
    const QByteArray bytes = ToShiftJis(title, &complete);
    if (!complete) {
        return std::nullopt;
    }
    return ToStdString(bytes);
}

QString DecodeTitle(std::string_view title) {
    QStringDecoder decoder(ShiftJisName(), QStringConverter::Flag::Stateless);
    return decoder.decode(ToByteArray(title));
}

std::string EncodePath(const QString& path) {
    return ToStdString(QFile::encodeName(path));
}

QString DecodePath(std::string_view path) {
    return QFile::decodeName(ToByteArray(path));
}
