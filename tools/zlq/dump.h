// Prints a quiz file as the game reads it.
#pragma once

#include <filesystem>
#include <ostream>

namespace zlq {

// Writes the quiz at path to out as UTF-8 lines separated by tabs:
//   genre<TAB>index<TAB>name<TAB>count     eight lines, index 0 to 7
//   total<TAB>N
//   question<TAB>k<TAB>text<TAB>answer 0<TAB>...<TAB>answer 4
// Control characters in texts are written \xNN. Returns 0, or 1 with a
// message on err when the file cannot be read as a quiz.
int Dump(const std::filesystem::path& path, std::ostream& out, std::ostream& err);

} // namespace zlq
