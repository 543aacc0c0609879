// Where a speech component sends a text: a screen reader through its own
// interface, SAPI, or nowhere (SAPI here cannot speak).
//
// Needs no Windows header: the transcript's readers in the tests use it too.
#pragma once

#include <string_view>

namespace speech {

enum class Route { Nvda, Jaws, Uia, Sapi, Silent };

// The route's name as the transcript and the diagnostic write it.
constexpr std::wstring_view RouteName(Route route)
{
    switch (route) {
    case Route::Nvda: return L"nvda";
    case Route::Jaws: return L"jaws";
    case Route::Uia: return L"uia";
    case Route::Sapi: return L"sapi";
    case Route::Silent: break;
    }
    return L"silent";
}

} // namespace speech
