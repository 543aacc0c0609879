// The viewer "問題と解答のビュー": the current question and its choices as a
// read-only text in 24-point type. It says its name when it becomes active;
// Escape says "ビュー おわり" and closes it.
#pragma once

#include "game/text_window.h"

namespace game {

class Edit : public TextWindow {
public:
    explicit Edit(game::Voice& voice);

protected:
    void Form_Activate() override;
    void Text1_Escape() override;
};

} // namespace game
