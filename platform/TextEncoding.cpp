#include "platform/TextEncoding.h"

#include <QByteArray>
#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <utility>

namespace {

// Qt on Debian converts through ICU, which knows code page 932 as
// "windows-31j"; "Shift_JIS" lacks its vendor characters and is kept only for
// builds without that name.
const char* ShiftJisName() {
    static const char* const name =
        QStringEncoder("windows-31j").isValid() ? "windows-31j" : "Shift_JIS";
    return name;
}

// Characters that Linux input methods and pasted text give in the form
// Unicode's Shift-JIS table uses, with the form code page 932 maps them from.
constexpr std::pair<char16_t, char16_t> kCodePage932Forms[] = {
    {u'\u301C', u'\uFF5E'},  // 〜 wave dash: 81 60
    {u'\u2212', u'\uFF0D'},  // − minus sign: 81 7C
    {u'\u2016', u'\u2225'},  // ‖ double vertical line: 81 61
    {u'\u2014', u'\u2015'},  // — em dash: 81 5C
    {u'\u00A2', u'\uFFE0'},  // ¢: 81 91
    {u'\u00A3', u'\uFFE1'},  // £: 81 92
    {u'\u00AC', u'\uFFE2'},  // ¬: 81 CA
};

QString InCodePage932Forms(QString text) {
    for (const auto& [given, held] : kCodePage932Forms) {
        text.replace(QChar(given), QChar(held));
    }
    return text;
}

QByteArray ToShiftJis(const QString& text, bool* complete) {
    QStringEncoder encoder(ShiftJisName(), QStringConverter::Flag::Stateless);
    QByteArray bytes = encoder.encode(InCodePage932Forms(text));
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
        const qsizetype undecoded = text.count(QChar::ReplacementCharacter);
        QString rest = text;
        rest.remove(QChar::ReplacementCharacter);
        return ToShiftJis(rest, nullptr).size() + undecoded;
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
    // The decoder marks what it cannot map with U+001A, which shows as
    // nothing; a line can hold no 0x1A (it ends a file's data), so each one
    // is such a mark. A line end after the bytes makes it mark a final lead
    // byte too instead of dropping it.
    QStringDecoder decoder(ShiftJisName(), QStringConverter::Flag::Stateless);
    QString text = decoder.decode(ToByteArray(title) + '\n');
    text.chop(1);
    text.replace(QChar(0x1A), QChar::ReplacementCharacter);
    return text;
}

std::string EncodePath(const QString& path) {
    return ToStdString(QFile::encodeName(path));
}

QString DecodePath(std::string_view path) {
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString text = utf8.decode(ToByteArray(path));
    return utf8.hasError() ? DecodeTitle(path) : text;
}

std::optional<std::string> BytesOfText(const QString& text, const std::string& held,
                                       TextEncoding encoding) {
    if (encoding == TextEncoding::kShiftJis) {
        return text == DecodeTitle(held) ? held : EncodeTitle(text);
    }
    return text == DecodePath(held) ? held : EncodePath(text);
}
