#include "game/info_form.h"

#include "game/voice.h"
#include "win/message_loop.h"

namespace game {

namespace {

constexpr TextWindowLayout kLayout = {L"クイズ情報", 9330, 6330, {120, 120, 9135, 6135}, 32.25};

} // namespace

InfoForm::InfoForm(game::Voice& voice) : TextWindow(voice, kLayout) {}

void InfoForm::Form_Activate()
{
    voice().StopSpeech();
    win::DoEvents();
    voice().Speak(Text);
}

void InfoForm::Text1_Escape()
{
    Finish();
}

} // namespace game
