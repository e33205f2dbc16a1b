#include "text.h"

#include "common/core/cp1252.h"
#include "common/core/numbers.h"

#include <QLocale>

namespace suite {

QString fromCp1252(const QByteArray& bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const char byte : bytes) {
        const char32_t cp = cp1252::toUnicode(static_cast<unsigned char>(byte));
        text += QChar(static_cast<char16_t>(cp)); // the code page lies wholly in the BMP
    }
    return text;
}

QByteArray toCp1252(const QString& text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const char32_t cp : text.toUcs4())
        bytes += static_cast<char>(cp1252::fromUnicode(cp));
    return bytes;
}

QString groupedNumber(qint64 value)
{
    const QString separator = QLocale().groupSeparator();
    return QString::fromStdString(numbers::grouped(value, separator.toStdString()));
}

std::optional<double> readRealNumber(const QString& text)
{
    return numbers::parseReal(text.toStdString());
}

QString literalTitle(const QString& text)
{
    QString escaped = text;
    return escaped.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
}

std::filesystem::path toPath(const QString& path)
{
    return std::filesystem::path(path.toStdU16String());
}

void printLine(std::FILE* stream, const QString& text)
{
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
    std::fputc('\n', stream);
}

} // namespace suite
