#include "dialogs/list_search.h"

#include <string_view>

#include "dialogs/name_ranks.h"

namespace lumadlg {

int FindInList(const NMLVFINDITEMW& search, int count, const std::function<std::wstring(int)>& textAt, LCID locale)
{
    if (!(search.lvfi.flags & (LVFI_STRING | LVFI_PARTIAL)) || !search.lvfi.psz || count <= 0)
        return -1;
    std::wstring_view wanted = search.lvfi.psz;
    int start = search.iStart < 0 ? 0 : search.iStart % count;
    for (int n = 0; n < count; ++n) {
        int i = (start + n) % count;
        std::wstring text = textAt(i);
        if (CompareNames(std::wstring_view(text).substr(0, wanted.size()), wanted, locale) == 0)
            return i;
    }
    return -1;
}

} // namespace lumadlg
