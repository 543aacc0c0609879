// A small read-only text window: a multi-line text box of large white type
// on black in a fixed-size tool window, centred on its owner and kept out of
// the task bar, shown modally. The caller fills Text and calls ShowModal.
//
// The window announces itself once, when it first becomes active, and
// Escape in the text box runs the window's own closing step. InfoForm and
// Edit are the two kinds the game uses.
#pragma once

#include <windows.h>

#include <string>

#include "game/logic/layout.h"
#include "win/handles.h"
#include "win/subclass.h"
#include "win/window.h"

namespace game {

class Voice;

struct TextWindowLayout {
    const wchar_t* caption;
    int clientWidth, clientHeight; // twips
    layout::Twips text;            // the text box within the client area
    double points;                 // type size of the text box
};

class TextWindow : public win::Window {
public:
    ~TextWindow() override;

    std::wstring Text; // what the text box shows

    // Shows the window modally over owner (may be null) and returns once it
    // has closed.
    void ShowModal(HWND owner);

    // The text box while the window is shown.
    HWND Text1() const { return text1_; }
    const wchar_t* Caption() const { return layout_.caption; }

protected:
    TextWindow(game::Voice& voice, const TextWindowLayout& layout);

    // Runs once, after the window has first become active.
    virtual void Form_Activate() = 0;
    // Escape in the text box.
    virtual void Text1_Escape() = 0;
    // Ends the modal run; the window closes.
    void Finish() { finished_ = true; }

    game::Voice& voice() { return voice_; }

    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    // Hands Escape in the text box to the window, so that the text box
    // neither beeps nor loses it.
    class EscapeKey : public win::Subclass {
    public:
        explicit EscapeKey(TextWindow& owner) : owner_(owner) {}

    protected:
        LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

    private:
        TextWindow& owner_;
    };

    bool CreateWindowAndBox(HWND owner);

    game::Voice& voice_;
    TextWindowLayout layout_;
    HWND text1_ = nullptr;
    EscapeKey escape_{*this};
    win::UniqueFont font_;
    win::UniqueBrush black_;
    bool activated_ = false;
    bool finished_ = false;
};

} // namespace game
