// The splash window: our logo, the spoken product name, and after 1500 ms
// the main window.
#pragma once

#include <windows.h>

#include "win/handles.h"
#include "win/window.h"

namespace game {

class QuizWindow;

class Splash : public win::Window {
public:
    explicit Splash(QuizWindow& main) : main_(main) {}

    // Shows the splash without waiting; its timer runs from now.
    bool Show(HINSTANCE instance);

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void Form_Activate();
    // Waits for the greeting, closes the splash and shows the main window.
    void Finish();

    QuizWindow& main_;
    win::UniqueBitmap logo_;
    SIZE logoSize_ = {};
    bool greeted_ = false;
    bool finished_ = false;
};

} // namespace game
