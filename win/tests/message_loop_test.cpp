// Message pumping on the window thread: DoEvents runs everything waiting and
// leaves WM_QUIT to the outer loop; an accelerator filter routes the keys of
// its window, but not while the window is disabled (a modal window is up)
// nor after its registration. (RunModal: the game's modal windows' tests.)
#include "win/message_loop.h"
#include "win/module.h"
#include "win/window.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A window that records the commands that reach it.
class Recorder : public win::Window {
public:
    Recorder()
    {
        RegisterClass(win::CurrentModule(), L"VemoTestRecorder");
        Create(win::CurrentModule(), L"VemoTestRecorder", L"recorder", WS_OVERLAPPEDWINDOW, 0, 0, 0, 200, 100, nullptr);
    }
    std::vector<int> commands;

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override
    {
        if (msg == WM_COMMAND)
            commands.push_back(LOWORD(wParam));
        return DefaultProc(msg, wParam, lParam);
    }
};

TEST(DoEvents, RunsEverythingWaitingAndLeavesQuitToTheOuterLoop)
{
    Recorder w;
    for (int id : {1, 2, 3})
        PostMessageW(w.hwnd(), WM_COMMAND, id, 0);
    PostQuitMessage(7);
    EXPECT_FALSE(win::DoEvents());
    EXPECT_EQ(w.commands, (std::vector<int>{1, 2, 3}));
    MSG msg;
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "WM_QUIT was swallowed";
    EXPECT_EQ(msg.wParam, 7u);
}

TEST(AcceleratorFilter, RoutesTheKeysOfItsEnabledWindowWhileRegistered)
{
    Recorder w;
    ACCEL accel = {FVIRTKEY, VK_F3, 103};
    const HACCEL table = CreateAcceleratorTableW(&accel, 1);
    win::AcceleratorFilter filter(w.hwnd(), table);
    const auto pressF3 = [&] {
        PostMessageW(w.hwnd(), WM_KEYDOWN, VK_F3, 0);
        win::DoEvents();
    };
    {
        win::ScopedMessageFilter registered(&filter);
        pressF3();
        EnableWindow(w.hwnd(), FALSE);
        pressF3();
        EnableWindow(w.hwnd(), TRUE);
    }
    pressF3();
    EXPECT_EQ(w.commands, std::vector<int>{103});
    DestroyAcceleratorTable(table);
}

} // namespace
