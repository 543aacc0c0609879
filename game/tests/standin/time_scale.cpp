// Linked only into the copy of the game that the end-to-end tests start:
// VEMO_TIME_SCALE (a factor above 0 and at most 1) shortens every timer of
// the game alike, so that a whole game plays in seconds. Without the
// variable the copy runs at the player's pace.
#include <windows.h>

#include <cwchar>

#include "game/timing.h"

namespace {

const bool g_applied = [] {
    wchar_t value[32] = {};
    DWORD n = GetEnvironmentVariableW(L"VEMO_TIME_SCALE", value, 32);
    if (n > 0 && n < 32)
        game::SetTimeScale(std::wcstod(value, nullptr));
    return true;
}();

} // namespace
