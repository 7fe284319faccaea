// Files named by UTF-8 paths. On Windows the names go to the wide-character functions, so the
// system's code page never decides which file is meant.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace kz {

// Opens an existing regular file for binary reading; null when it cannot be opened or is a
// folder.
std::FILE* OpenForReading(const std::string& path);

// Replaces the file's content with the bytes. The bytes go to a temporary file next to it
// first, which is flushed to the disk and only then renamed over the file, so the file is
// at every moment either the old one or the new one, complete. False, with the old file
// untouched, when the file is read-only or any step fails.
bool ReplaceFileContents(const std::string& path, std::string_view bytes);

// The name of that temporary file.
std::string TemporaryNameFor(const std::string& path);

}  // namespace kz
