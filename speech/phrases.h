// Cutting text into the phrases the speech engine speaks one by one. The
// marker character ends a phrase and is itself never spoken.
//
// Needs no Windows header; tested natively too.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace speech {

// The phrases of text, in order: the pieces between markers, without the
// markers. Pieces with nothing to say (empty, or only white space) are left
// out.
std::vector<std::wstring> SplitPhrases(std::wstring_view text);

} // namespace speech
