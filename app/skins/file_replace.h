// Replacing a small file whole, so that a reader sees either the old content
// or the new one and never an empty or half-written file.
#pragma once

#include <string_view>

#include "forms/text.h"

// Writes `bytes` to a temporary file beside `path`, flushes it to disk and
// renames it over `path`. Returns 0, or the error number (errno) of the step
// that failed, in which case the old file is left as it was and the temporary
// file is removed.
int replaceFileContents(forms::TextView path, std::string_view bytes);

// Creates `folder` (absolute) and the folders above it that are missing, for
// the owner only. Returns 0, or the error number of the step that failed
// (ENOTDIR when a file stands where a folder must be).
int createFolders(forms::TextView folder);
