// The open command (F2): choosing a quiz file and loading it.
#include "game/quiz_window.h"

namespace game {

// Runs the file dialog and loads the chosen quiz. Until the dialog library
// and the quiz loader are part of the program, opening behaves as a player
// cancelling the dialog does: nothing changes.
void QuizWindow::mnuFileOpen_Click()
{
}

} // namespace game
