// Vemo.exe: start-up. The main window is loaded invisibly, the splash speaks
// the product name, and after it the main window runs until it unloads.
#include <windows.h>
#include <commctrl.h>

#include "game/quiz_window.h"
#include "game/splash.h"
#include "win/handles.h"
#include "win/message_loop.h"

namespace game {

int Main(HINSTANCE instance)
{
    win::ComInit com;
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);

    QuizWindow main;
    if (!main.Load(instance))
        return 1;
    Splash splash(main);
    if (!splash.Show(instance))
        main.Show();
    win::PumpUntil([&] { return main.Unloaded(); });
    return 0;
}

} // namespace game

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int)
{
    try {
        return game::Main(instance);
    } catch (...) {
        return 1;
    }
}
