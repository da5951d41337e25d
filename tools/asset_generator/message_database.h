// The message database, built from the UTF-8 message sources: one file per
// category ("category-1.txt" .. "category-6.txt"), one message a line.
#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <cstddef>
#include <stdexcept>
#include <vector>

#include "category_names.h"

namespace pellory::assets {

class MessageSourceError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The program stops loading at this many records.
constexpr int kDatabaseCapacity = 10000;

constexpr std::size_t kCategoryFiles = categories::Count;

using CategoryMessages = std::array<std::vector<QByteArray>, kCategoryFiles>; // Windows-1251 bodies

// The checked messages of one source file; message i is on line i + 1.
struct MessageSourceTexts {
    QString origin; // the file, as errors name it
    std::vector<QString> texts;
};
using CategoryTexts = std::array<MessageSourceTexts, kCategoryFiles>;

// The messages of one source file, each checked and encoded. `origin` names
// the file in errors. Throws MessageSourceError for an empty message, a line
// break or control character inside one, text that is not UTF-8, a character
// Windows-1251 cannot encode, or a file without messages.
std::vector<QByteArray> parseMessageSource(const QByteArray &content, const QString &origin);

// The same checks, the messages kept as Unicode text.
std::vector<QString> parseMessageTexts(const QByteArray &content, const QString &origin);

// Reads all six sources from the folder; a missing one is reported with its
// category's name.
CategoryMessages readMessageSources(const QString &folder);
CategoryTexts readMessageTexts(const QString &folder);

// The database text: lines "N-<message>" ending in CR LF, the categories
// taken in turn (first message of each, then the second...), so browsing
// without a filter mixes them. Throws when the program could not load all.
QByteArray buildMessageDatabase(const CategoryMessages &messages);

} // namespace pellory::assets
