// The order of names that the lists sort by: the platform's comparison
// ignoring case (CompareStringW with NORM_IGNORECASE), turned into ranks.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

namespace lumadlg {

// The rank of each of `count` names in the platform's order of names
// ignoring case in `locale`: equal names share a rank. Each name's sort key
// is made once and the keys are compared as bytes, which orders them as the
// comparison does, and far faster.
std::vector<std::uint32_t> NameRanks(std::size_t count, const std::function<std::wstring_view(std::size_t)>& nameAt,
                                     LCID locale);

// The platform's comparison of two names ignoring case in `locale`: <0, 0, >0.
int CompareNames(std::wstring_view a, std::wstring_view b, LCID locale);

} // namespace lumadlg
