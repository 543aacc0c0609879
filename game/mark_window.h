// The mark window: after each answer a large red circle (right) or a cross
// (wrong) blinks over a still picture of the game window, visible, hidden,
// visible, hidden, visible for half a second each; then the window closes by
// itself. Escape or F8 stops the running quiz; the window then closes at its
// next tick.
#pragma once

#include <windows.h>

#include "game/rules/mark.h"
#include "win/handles.h"
#include "win/window.h"

namespace game {

class MaruBatsu : public win::Window {
public:
    // right: the answer was right (circle), else a cross; softStyle: the
    // soft display style is chosen (the cross takes its colour).
    MaruBatsu(bool right, bool softStyle) : right_(right), softStyle_(softStyle) {}

    // Covers owner exactly, blinks the mark and returns once the window has
    // closed.
    void ShowModal(HWND owner);

    // What is drawn, in client pixels (for tests).
    rules::MarkBox Box() const { return box_; }
    COLORREF MarkColor() const;
    bool MarkVisible() const { return markVisible_; }
    int Blinks() const { return blinks_; } // times the mark was hidden or shown again

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void Form_Load(HWND owner);
    void Form_Resize();
    void Timer1_Timer();
    void Paint(HDC dc);
    void CloseWindow();

    bool right_;
    bool softStyle_;
    win::UniqueBitmap picture_; // the owner's image at load
    SIZE pictureSize_ = {};
    rules::MarkBox box_;
    bool markVisible_ = false;
    int ticks_ = 0;
    int blinks_ = 0;
    bool finished_ = false;
};

} // namespace game
