// Addresses of the pages the game opens in a web browser. Kept here alone,
// so that moving a page means changing one line.
#pragma once

namespace game::links {

// General quiz data (ツール → インターネットからクイズをダウンロード → 1).
inline constexpr wchar_t kGeneralQuizzes[] = L"https://vemo.example.org/quizzes/general/";
// Quiz data for school subjects (same submenu, 2).
inline constexpr wchar_t kLearningQuizzes[] = L"https://vemo.example.org/quizzes/learning/";

} // namespace game::links
