// Message pumping on the window thread: DoEvents runs everything waiting and
// leaves WM_QUIT to the outer loop; an accelerator filter routes the keys of
// its window, but not while the window is disabled (a modal window is up)
// nor after its registration; RunModal disables the owner while it pumps,
// then enables it again and destroys the modal window.
#include "win/message_loop.h"
#include "win/module.h"
#include "win/window.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A window that records the commands and pings (WM_APP) that reach it.
class Recorder : public win::Window {
public:
    explicit Recorder(HWND owner = nullptr, DWORD style = WS_OVERLAPPEDWINDOW)
    {
        RegisterClass(win::CurrentModule(), L"VemoTestRecorder");
        Create(win::CurrentModule(), L"VemoTestRecorder", L"recorder", style, 0, 0, 0, 200, 100, owner);
    }
    std::vector<int> commands;
    int pings = 0;

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override
    {
        if (msg == WM_COMMAND)
            commands.push_back(LOWORD(wParam));
        pings += msg == WM_APP;
        return DefaultProc(msg, wParam, lParam);
    }
};

TEST(DoEvents, RunsEverythingWaitingAndLeavesQuitToTheOuterLoop)
{
    Recorder w;
    for (int i = 0; i < 3; ++i)
        PostMessageW(w.hwnd(), WM_APP, 0, 0);
    PostQuitMessage(7);
    EXPECT_FALSE(win::DoEvents());
    EXPECT_EQ(w.pings, 3);
    MSG msg;
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "WM_QUIT was swallowed";
    EXPECT_EQ(msg.wParam, 7u);
    EXPECT_TRUE(win::DoEvents());
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

TEST(RunModal, DisablesTheOwnerUntilFinished)
{
    Recorder owner;
    ShowWindow(owner.hwnd(), SW_SHOW);
    Recorder modal(owner.hwnd(), WS_POPUP | WS_CAPTION);
    const HWND modalHwnd = modal.hwnd();
    // Finished by a timer, that is, while the loop pumps.
    static HWND s_owner;
    static bool s_ownerDisabled, s_finished;
    s_owner = owner.hwnd();
    s_ownerDisabled = s_finished = false;
    SetTimer(modalHwnd, 1, 30, [](HWND hwnd, UINT, UINT_PTR id, DWORD) {
        KillTimer(hwnd, id);
        s_ownerDisabled = !IsWindowEnabled(s_owner);
        s_finished = true;
    });
    EXPECT_TRUE(win::RunModal(modalHwnd, owner.hwnd(), [] { return s_finished; }));
    EXPECT_TRUE(s_ownerDisabled);
    EXPECT_TRUE(IsWindowEnabled(owner.hwnd()));
    EXPECT_FALSE(IsWindow(modalHwnd));
    EXPECT_EQ(modal.hwnd(), nullptr);
}

} // namespace
