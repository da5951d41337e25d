#include "message_database.h"

#include "windows1251.h"

#include <QFile>
#include <QStringDecoder>

#include <algorithm>

namespace pellory::assets {
namespace {

bool isLineBreak(char32_t c)
{
    return c == U'\r' || c == U'\n' || c == U'\v' || c == U'\f' || c == 0x85 || c == 0x2028 ||
           c == 0x2029;
}

bool isControl(char32_t c) { return (c < 0x20 && c != U'\t') || c == 0x7F; }

[[noreturn]] void refuse(const QString &origin, int lineNumber, const QString &reason)
{
    throw MessageSourceError(
        QStringLiteral("%1:%2: message %3").arg(origin).arg(lineNumber).arg(reason).toStdString());
}

QString describe(char32_t c) { return QStringLiteral("U+%1").arg(c, 4, 16, QChar('0')).toUpper(); }

QString checkedMessage(const QByteArray &line, const QString &origin, int lineNumber)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder(line);
    if (decoder.hasError())
        refuse(origin, lineNumber, QStringLiteral("is not valid UTF-8"));
    if (text.trimmed().isEmpty())
        refuse(origin, lineNumber, QStringLiteral("is empty"));
    for (const uint code : text.toUcs4()) {
        const auto c = static_cast<char32_t>(code);
        if (isLineBreak(c))
            refuse(origin, lineNumber,
                   QStringLiteral("contains a line break (%1)").arg(describe(c)));
        if (isControl(c))
            refuse(origin, lineNumber,
                   QStringLiteral("contains a control character (%1)").arg(describe(c)));
    }
    char32_t unencodable = 0;
    if (!encodeWindows1251(text, &unencodable))
        refuse(origin, lineNumber,
               QStringLiteral("has a character Windows-1251 cannot encode: %1 (%2)")
                   .arg(QString::fromUcs4(&unencodable, 1), describe(unencodable)));
    return text;
}

QString sourcePath(const QString &folder, std::size_t category)
{
    return QStringLiteral("%1/category-%2.txt").arg(folder).arg(category + 1);
}

// A missing source is named with its category, so the writer knows which
// collection it is.
QByteArray readSource(const QString &folder, std::size_t category)
{
    QFile file(sourcePath(folder, category));
    if (!file.open(QIODevice::ReadOnly))
        throw MessageSourceError(QStringLiteral("%1 (category «%2»): cannot read: %3")
                                     .arg(file.fileName(), QString::fromUtf8(categories::Names[category]),
                                          file.errorString())
                                     .toStdString());
    return file.readAll();
}

} // namespace

std::vector<QString> parseMessageTexts(const QByteArray &content, const QString &origin)
{
    QByteArray text = content;
    if (text.startsWith("\xEF\xBB\xBF")) // editors' byte-order mark
        text.remove(0, 3);
    QList<QByteArray> lines = text.split('\n');
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.pop_back(); // the final line end, not an empty message

    std::vector<QString> messages;
    for (int i = 0; i < lines.size(); ++i) {
        QByteArray line = lines[i];
        if (line.endsWith('\r')) // a source saved with CR LF line ends
            line.chop(1);
        messages.push_back(checkedMessage(line, origin, i + 1));
    }
    if (messages.empty())
        throw MessageSourceError(QStringLiteral("%1: no messages").arg(origin).toStdString());
    return messages;
}

std::vector<QByteArray> parseMessageSource(const QByteArray &content, const QString &origin)
{
    std::vector<QByteArray> encoded;
    for (const QString &text : parseMessageTexts(content, origin))
        encoded.push_back(*encodeWindows1251(text)); // checked to encode
    return encoded;
}

CategoryTexts readMessageTexts(const QString &folder)
{
    CategoryTexts sources;
    for (std::size_t i = 0; i < sources.size(); ++i) {
        sources[i].origin = sourcePath(folder, i);
        sources[i].texts = parseMessageTexts(readSource(folder, i), sources[i].origin);
    }
    return sources;
}

CategoryMessages readMessageSources(const QString &folder)
{
    CategoryMessages messages;
    for (std::size_t i = 0; i < messages.size(); ++i)
        messages[i] = parseMessageSource(readSource(folder, i), sourcePath(folder, i));
    return messages;
}

QByteArray buildMessageDatabase(const CategoryMessages &messages)
{
    std::size_t total = 0;
    std::size_t longest = 0;
    for (const auto &category : messages) {
        total += category.size();
        longest = std::max(longest, category.size());
    }
    if (total > kDatabaseCapacity)
        throw MessageSourceError(QStringLiteral("%1 messages, but the program loads at most %2")
                                     .arg(total)
                                     .arg(kDatabaseCapacity)
                                     .toStdString());
    QByteArray database;
    for (std::size_t row = 0; row < longest; ++row) {
        for (std::size_t category = 0; category < messages.size(); ++category) {
            if (row >= messages[category].size())
                continue;
            database.append(static_cast<char>('1' + category));
            database.append('-');
            database.append(messages[category][row]);
            database.append("\r\n");
        }
    }
    return database;
}

} // namespace pellory::assets
