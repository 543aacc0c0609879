#include "win/message_loop.h"
#include "win/window.h"
#include "win/module.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const UINT kPing = WM_APP + 1;

// A window that records what reaches it.
class Recorder : public win::Window {
public:
    Recorder(HWND parent = nullptr, DWORD style = WS_OVERLAPPEDWINDOW)
    {
        RegisterClass(win::CurrentModule(), L"VemoTestRecorder");
        Create(win::CurrentModule(), L"VemoTestRecorder", L"recorder", style, 0, 0, 0, 200, 100, parent);
    }
    std::vector<UINT> seen;
    std::vector<int> commands;

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override
    {
        switch (msg) {
        case kPing:
            seen.push_back(msg);
            return 0;
        case WM_COMMAND:
            commands.push_back(LOWORD(wParam));
            return 0;
        default:
            return DefaultProc(msg, wParam, lParam);
        }
    }
};

void DrainQueue()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    }
}

TEST(DoEvents, RunsEverythingWaitingAndReturns)
{
    Recorder w;
    ASSERT_TRUE(w.hwnd());
    for (int i = 0; i < 3; ++i)
        PostMessageW(w.hwnd(), kPing, 0, 0);
    EXPECT_TRUE(win::DoEvents());
    EXPECT_EQ(w.seen.size(), 3u);
    EXPECT_TRUE(win::DoEvents()) << "an empty queue returns at once";
}

TEST(DoEvents, LeavesQuitForTheOuterLoop)
{
    PostQuitMessage(7);
    EXPECT_FALSE(win::DoEvents());
    MSG msg;
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "WM_QUIT was swallowed";
    EXPECT_EQ(msg.wParam, 7u);
}

TEST(PumpUntil, SleepsUntilATimerChangesTheFlag)
{
    Recorder w;
    static bool fired;
    fired = false;
    SetTimer(w.hwnd(), 1, 50, [](HWND hwnd, UINT, UINT_PTR id, DWORD) {
        KillTimer(hwnd, id);
        fired = true;
    });
    EXPECT_TRUE(win::PumpUntil([] { return fired; }));
    EXPECT_TRUE(fired);
}

TEST(AcceleratorFilter, RoutesKeysOfTheWindowToItsTable)
{
    Recorder w;
    ACCEL accel = {FVIRTKEY, VK_F3, 103};
    HACCEL table = CreateAcceleratorTableW(&accel, 1);
    win::AcceleratorFilter filter(w.hwnd(), table);
    {
        win::ScopedMessageFilter registered(&filter);
        PostMessageW(w.hwnd(), WM_KEYDOWN, VK_F3, 0);
        win::DoEvents();
        ASSERT_EQ(w.commands.size(), 1u);
        EXPECT_EQ(w.commands[0], 103);
        // Disabled (a modal window is up): keys are left alone.
        EnableWindow(w.hwnd(), FALSE);
        PostMessageW(w.hwnd(), WM_KEYDOWN, VK_F3, 0);
        win::DoEvents();
        EXPECT_EQ(w.commands.size(), 1u);
        EnableWindow(w.hwnd(), TRUE);
    }
    PostMessageW(w.hwnd(), WM_KEYDOWN, VK_F3, 0);
    win::DoEvents();
    EXPECT_EQ(w.commands.size(), 1u) << "the filter outlived its registration";
    DestroyAcceleratorTable(table);
    DrainQueue();
}

TEST(RunModal, DisablesTheOwnerUntilFinished)
{
    Recorder owner;
    ShowWindow(owner.hwnd(), SW_SHOW);
    Recorder modal(owner.hwnd(), WS_POPUP | WS_CAPTION);
    bool ownerDisabledMeanwhile = false;
    bool finished = false;
    SetTimer(modal.hwnd(), 1, 30, nullptr);
    struct Ctx {
        HWND owner;
        bool* disabled;
        bool* finished;
    } ctx{owner.hwnd(), &ownerDisabledMeanwhile, &finished};
    SetPropW(modal.hwnd(), L"ctx", &ctx);
    SetTimer(modal.hwnd(), 2, 30, [](HWND hwnd, UINT, UINT_PTR id, DWORD) {
        KillTimer(hwnd, id);
        auto* c = static_cast<Ctx*>(GetPropW(hwnd, L"ctx"));
        *c->disabled = !IsWindowEnabled(c->owner);
        *c->finished = true;
    });
    HWND modalHwnd = modal.hwnd();
    EXPECT_TRUE(win::RunModal(modalHwnd, owner.hwnd(), [&] { return finished; }));
    EXPECT_TRUE(ownerDisabledMeanwhile);
    EXPECT_TRUE(IsWindowEnabled(owner.hwnd()));
    EXPECT_FALSE(IsWindow(modalHwnd)) << "the modal window is destroyed at the end";
    EXPECT_EQ(modal.hwnd(), nullptr);
}

} // namespace
