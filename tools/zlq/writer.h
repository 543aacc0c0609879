// Lays a parsed quiz source out as the bytes of a quiz file, and writes
// files so that a failed write never leaves a broken one behind.
#pragma once

#include <filesystem>
#include <string>

#include "tools/zlq/source.h"

namespace zlq {

// Eight genre records (unused ones with a blank name and no questions), then
// the question records genre by genre. Genre names are stored as they are,
// question texts with every byte XOR 0x80; fields are filled with 0x20 and
// the reserved fields are zero.
std::string BuildQuizFile(const SourceQuiz& quiz);

// Writes bytes to a temporary file beside path and renames it to path only
// when every byte was written. On failure returns false with a message in
// error, and path is untouched.
bool WriteFileReplacing(const std::filesystem::path& path, const std::string& bytes, std::string& error);

// The path as UTF-8, for messages.
std::string PathText(const std::filesystem::path& path);

} // namespace zlq
