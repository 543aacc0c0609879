#include "speech/phrases.h"

#include "speech/transcript_format.h"

namespace speech {

namespace {

bool HasSomethingToSay(std::wstring_view piece)
{
    // ASCII white space, control characters and the ideographic space.
    for (wchar_t c : piece) {
        if (c > L' ' && c != L'\x3000' && c != L'\x7F')
            return true;
    }
    return false;
}

} // namespace

std::vector<std::wstring> SplitPhrases(std::wstring_view text)
{
    std::vector<std::wstring> phrases;
    for (;;) {
        std::size_t end = text.find(transcript::kMarkerChar);
        std::wstring_view piece = text.substr(0, end);
        if (HasSomethingToSay(piece))
            phrases.emplace_back(piece);
        if (end == std::wstring_view::npos)
            break;
        text.remove_prefix(end + 1);
    }
    return phrases;
}

} // namespace speech
