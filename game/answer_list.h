// The keys of the choice list while the game waits for an answer: Enter or
// a double click confirms the selected choice, Space moves down, Up and
// Down wrap around the ends with four short cues, and any key with Shift
// held re-reads the question. When the list gains the focus during an
// answer it speaks the selected choice.
#pragma once

#include "win/subclass.h"

namespace game {

class QuizWindow;

class AnswerList : public win::Subclass {
public:
    explicit AnswerList(QuizWindow& owner) : owner_(owner) {}

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    LRESULT SelA_KeyDown(WPARAM key, LPARAM lParam);
    void SelA_DblClick();
    void SelA_GotFocus();

    QuizWindow& owner_;
};

} // namespace game
