// The information window "クイズ情報": a read-only sheet (the quiz
// information, the rankings) in 32.25-point type. When it becomes active it
// reads the whole text aloud; Escape closes it.
#pragma once

#include "game/text_window.h"

namespace game {

class InfoForm : public TextWindow {
public:
    explicit InfoForm(game::Voice& voice);

protected:
    void Form_Activate() override;
    void Text1_Escape() override;
};

} // namespace game
