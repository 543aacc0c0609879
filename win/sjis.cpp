#include "win/sjis.h"

#include <cstring>

namespace sjis {

std::size_t CharLength(std::string_view s, std::size_t pos)
{
    return (IsLeadByte(s[pos]) && pos + 1 < s.size()) ? 2 : 1;
}

std::string_view CutToBytes(std::string_view s, std::size_t maxBytes)
{
    if (s.size() <= maxBytes)
        return s;
    std::size_t end = 0;
    while (end < maxBytes) {
        std::size_t next = end + CharLength(s, end);
        if (next > maxBytes)
            break;
        end = next;
    }
    return s.substr(0, end);
}

std::size_t FindChar(std::string_view s, char c, std::size_t from)
{
    for (std::size_t i = 0; i < s.size(); i += CharLength(s, i)) {
        if (i >= from && s[i] == c && CharLength(s, i) == 1)
            return i;
    }
    return std::string_view::npos;
}

void CopyToBuffer(std::string_view src, char* dst, std::ptrdiff_t dstSize)
{
    if (dst == nullptr || dstSize < 1)
        return;
    std::memset(dst, 0, static_cast<std::size_t>(dstSize));
    std::string_view cut = CutToBytes(src, static_cast<std::size_t>(dstSize - 1));
    std::memcpy(dst, cut.data(), cut.size());
}

std::string_view FromCString(const char* p)
{
    return p ? std::string_view(p) : std::string_view();
}

} // namespace sjis
