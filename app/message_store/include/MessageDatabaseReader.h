#pragma once

#include "ClassMessageContainer.h"

#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>

// The text of the notice raised when the store refuses a line because it is full.
inline constexpr std::u16string_view kCapacityNoticeText =
    u"Максимальное количество записей уже загружено. (50)";

// Shows the capacity notice to the user; the reader knows no window code.
using CapacityNotice = std::function<void(const std::u16string &)>;

// A database file that cannot be opened or read; what() names the file.
class MessageDatabaseError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads the message database (Windows-1251 text, one message a line) into the
// store, in file order, one record per line. A line ends at CR LF, a lone LF
// or a lone CR; a last line without an end is still read. When the store
// refuses a line, `notify` is called once with the capacity notice and the
// rest of the file is ignored. Throws MessageDatabaseError when the file is
// missing or unreadable.
void ReadMessageDatabase(const std::filesystem::path &path, ClassMessageContainer &store,
                         const CapacityNotice &notify);

// The same for database bytes already in memory.
void ReadMessageDatabaseBytes(std::string_view bytes, ClassMessageContainer &store,
                              const CapacityNotice &notify);
