// Text into the program's 8-bit code page, Windows-1251, through iconv.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace pellory::assets {

// The text in Windows-1251, or nothing when a character has no code there;
// `unencodable` then receives that character.
std::optional<QByteArray> encodeWindows1251(const QString &text, char32_t *unencodable = nullptr);

} // namespace pellory::assets
