// The quiz information sheet (F1): file name, the eight genres with their
// question counts, and the total.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace rules {

struct GenreSummary {
    std::u16string name;
    int count = 0;
};

// Lines end in CR LF except the last. Every genre given gets a line, also
// one without questions; its name is cut to its first 8 characters.
std::u16string QuizInfoText(std::u16string_view fileName, std::span<const GenreSummary> genres, int total);

} // namespace rules
