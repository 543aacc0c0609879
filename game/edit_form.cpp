#include "game/edit_form.h"

#include <string>

#include "game/voice.h"

namespace game {

namespace {

constexpr TextWindowLayout kLayout = {L"問題と解答のビュー", 7110, 5790, {75, 60, 6975, 5655}, 24};
constexpr wchar_t kActive[] = L" アクティブ";
constexpr wchar_t kClosing[] = L"ビュー おわり";

} // namespace

Edit::Edit(game::Voice& voice) : TextWindow(voice, kLayout) {}

void Edit::Form_Activate()
{
    voice().StopSpeech();
    voice().Speak(std::wstring(Caption()) + kActive);
    voice().WaitSpeech();
}

void Edit::Text1_Escape()
{
    voice().StopSpeech();
    voice().Speak(kClosing);
    voice().WaitSpeech();
    Finish();
}

} // namespace game
