// Replacing a small file whole, so that a reader sees either the old content
// or the new one and never an empty or half-written file.
#pragma once

#include <QString>

#include <optional>
#include <string_view>

// Writes `bytes` to a temporary file beside `path`, flushes it to disk and
// renames it over `path`. On failure the old file is left as it was, the
// temporary file is removed, and the reason is returned (English, from the
// system's error text); on success the result is empty.
std::optional<QString> replaceFileContents(const QString &path, std::string_view bytes);
