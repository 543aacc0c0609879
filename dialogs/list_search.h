// The search an owner-data list asks its owner for (LVN_ODFINDITEM), which
// typing the first letters of a name starts.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>

namespace lumadlg {

// The first of `count` entries, from the search's start on and round the
// end, whose text begins with the searched text, ignoring case (the
// platform's comparison in `locale`); -1 for none, or for a search by
// anything but text.
int FindInList(const NMLVFINDITEMW& search, int count, const std::function<std::wstring(int)>& textAt, LCID locale);

} // namespace lumadlg
