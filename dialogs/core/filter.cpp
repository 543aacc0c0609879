#include "dialogs/core/filter.h"

#include "win/sjis.h"

namespace lumadlg {

std::vector<FilterEntry> ParseFilter(std::string_view filter)
{
    std::vector<std::string> captions;
    std::vector<std::string> patterns;

    // Is the character at pos a bar or the end of the text?
    auto endsList = [&](std::size_t pos) { return pos >= filter.size() || filter[pos] == '|'; };

    std::size_t pos = 0;
    for (;;) {
        std::size_t bar = sjis::FindChar(filter, '|', pos);
        if (bar == std::string_view::npos)
            break;
        captions.emplace_back(filter.substr(pos, bar - pos));
        pos = bar + 1;
        if (endsList(pos))
            break;
        bar = sjis::FindChar(filter, '|', pos);
        if (bar == std::string_view::npos)
            break;
        patterns.emplace_back(filter.substr(pos, bar - pos));
        pos = bar + 1;
        if (endsList(pos))
            break;
    }

    std::vector<FilterEntry> entries;
    if (captions.empty() || patterns.empty() || captions.size() != patterns.size()) {
        entries.push_back({kAllFilesCaption, kAllFilesPattern});
        return entries;
    }
    for (std::size_t i = 0; i < captions.size(); ++i)
        entries.push_back({std::move(captions[i]), std::move(patterns[i])});
    return entries;
}

} // namespace lumadlg
