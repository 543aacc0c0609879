// The make command: a quiz file from a quiz source.
#pragma once

#include <filesystem>
#include <ostream>

namespace zlq {

// Reads the UTF-8 source, checks it and writes the quiz file. Every problem
// is reported on err as "SOURCE:LINE: message"; then nothing is written and
// 1 is returned. Returns 0 on success.
int Make(const std::filesystem::path& source, const std::filesystem::path& output, std::ostream& err);

} // namespace zlq
