// The message window: a short announcement in 48-point white type with a
// drop shadow on a blue panel. It plays its sound first, then speaks its
// text, closes by itself after 3000 ms (or when the sound took longer) and
// returns only once the text has been spoken. Escape or F8 stops the running
// quiz and closes it at once.
#pragma once

#include <windows.h>

#include <string>

#include "win/handles.h"
#include "win/window.h"

namespace game {

class Voice;

class MesDisp : public win::Window {
public:
    explicit MesDisp(Voice& voice) : voice_(voice) {}

    std::wstring MesText;  // shown and spoken; CR LF separates lines
    std::wstring WaveFile; // played first; empty for none

    // Shows the window modally over owner and returns when it has closed.
    void ShowModal(HWND owner);

    // Where the text and its shadow are drawn, in client pixels (for tests).
    POINT TextPosition() const { return textPos_; }
    POINT ShadePosition() const { return shadePos_; }

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void Form_Load(HWND owner);
    void Form_Resize();
    void Form_Activate();
    void Timer1_Timer();
    void CloseWindow();
    void Paint(HDC dc);
    int Twips(int t) const;

    Voice& voice_;
    win::UniqueFont font_;
    int dpi_ = 96;
    SIZE textSize_ = {};
    RECT panel_ = {};
    POINT textPos_ = {}, shadePos_ = {};
    POINT dragStart_ = {};
    bool dragging_ = false;
    bool activated_ = false;
    bool announced_ = false;
    bool closeWhenAnnounced_ = false;
    bool closing_ = false;
    bool finished_ = false;
};

} // namespace game
