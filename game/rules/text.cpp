#include "game/rules/text.h"

#include <string>

namespace rules {

std::u16string Digits(long long n)
{
    const std::string ascii = std::to_string(n);
    return std::u16string(ascii.begin(), ascii.end());
}

} // namespace rules
