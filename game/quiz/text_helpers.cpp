#include "game/quiz/text_helpers.h"

#include "win/cp932.h"

namespace quiz {

std::wstring AddYen(std::wstring_view str)
{
    std::wstring out(str);
    if (out.empty() || out.back() != L'\\')
        out += L'\\';
    return out;
}

std::wstring LeftZ(std::wstring_view str, int sizeZ)
{
    if (sizeZ <= 0)
        return {};
    return cp932::CutToBytes(str, static_cast<std::size_t>(sizeZ));
}

} // namespace quiz
