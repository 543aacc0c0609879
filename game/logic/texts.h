// What the game's start-up, main window and shutdown say and show.
#pragma once

namespace game::texts {

// The product name: the splash greeting and the main window's caption.
inline constexpr wchar_t kTitle[] = L"カルミオ";
// Caption after a quiz is loaded: this prefix, then the file name.
inline constexpr wchar_t kTitleWithFilePrefix[] = L"カルミオ - ";

// Shown in the main window until a quiz is loaded.
inline constexpr wchar_t kStartupText[] =
    L"　　　　　　　　　　　　　　\r\n"
    L"カルミオ!! Ver1.0\r\n"
    L"(クイズを開いてください)\r\n";

// Spoken when the main window becomes active with no quiz and no game.
inline constexpr wchar_t kOpenHint[] = L" F2でクイズを開いてください";
// Spoken as the program ends.
inline constexpr wchar_t kFarewell[] = L"カルミオ おわり";
// Spoken when the focus enters the question box during an answer, and when
// it leaves it for the choices.
inline constexpr wchar_t kQuestionBoxEntered[] = L"問題";
inline constexpr wchar_t kQuestionBoxLeft[] = L"解答";

} // namespace game::texts
