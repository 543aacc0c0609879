// The name entry window: a player whose score enters the best five types a
// name here. The name is one line of at most 12 bytes in code page 932 (a
// full-width character counts two); a longer text is refused as it is
// typed. Enter, a double click on the text box or OK accepts a name that is
// not empty; the window cannot be closed without one. The name is left in
// EnteredName.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "win/handles.h"
#include "win/message_loop.h"
#include "win/subclass.h"
#include "win/window.h"

namespace game {

class Voice;

class NameEntry : public win::Window {
public:
    explicit NameEntry(Voice& voice) : voice_(voice) {}
    ~NameEntry() override;

    // Shows the window modally, centred over owner, and returns when it has
    // closed; EnteredName then holds the accepted name.
    void ShowModal(HWND owner);

    HWND TextBox() const { return text1_; }
    HWND OkButton() const { return command1_; }

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void Form_Load(HWND owner);
    void Text1_Change();
    void Text1_GotFocus();
    // Enter, a double click on the text box, or OK: an empty name is
    // refused with the system beep.
    void Accept();

    // Double clicks on the text box.
    class TextBoxClicks : public win::Subclass {
    public:
        explicit TextBoxClicks(NameEntry& owner) : owner_(owner) {}

    protected:
        LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

    private:
        NameEntry& owner_;
    };
    // Enter accepts and Tab moves between the text box and OK.
    class Keys : public win::MessageFilter {
    public:
        explicit Keys(NameEntry& owner) : owner_(owner) {}
        bool PreTranslateMessage(MSG& msg) override;

    private:
        NameEntry& owner_;
    };

    Voice& voice_;
    HWND label1_ = nullptr, text1_ = nullptr, command1_ = nullptr;
    win::UniqueFont labelFont_, textFont_, buttonFont_;
    TextBoxClicks clicks_{*this};
    Keys keys_{*this};
    std::optional<win::ScopedMessageFilter> keysScope_;
    std::wstring accepted_; // the text after the last change that was kept
    bool restoring_ = false;
    bool finished_ = false;
};

} // namespace game
