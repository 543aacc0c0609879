#include "game/program_state.h"

namespace game {

bool QuizAbort = false;
bool LastCorrect = false;
std::wstring WavePath;
std::wstring EnteredName;

} // namespace game
