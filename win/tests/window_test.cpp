// Where the programs' own windows do not reach: a subclass sees its control's
// messages first, keeps a handler's exception inside and goes with its object
// or window; a window goes with its object; a folder ends in "\" at a root
// only. Message pumping on the window thread: DoEvents runs everything
// waiting and leaves WM_QUIT to the outer loop; an accelerator filter routes
// the keys of its window, but not while the window is disabled (a modal
// window is up) nor after its registration. (RunModal: the game's modal
// windows' tests.)
#include "win/message_loop.h"
#include "win/module.h"
#include "win/subclass.h"
#include "win/window.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace {

// A window that records the commands that reach it and its end.
class Recorder : public win::Window {
public:
    Recorder()
    {
        RegisterClass(win::CurrentModule(), L"VemoTestRecorder");
        Create(win::CurrentModule(), L"VemoTestRecorder", L"recorder", WS_OVERLAPPEDWINDOW, 0, 0, 0, 200, 100, nullptr);
    }
    std::vector<int> commands;
    bool ended = false;

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override
    {
        if (msg == WM_COMMAND)
            commands.push_back(LOWORD(wParam));
        return DefaultProc(msg, wParam, lParam);
    }
    void OnFinalDestroy() override { ended = true; }
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

// Eats the letter "x", throws on "!", counts what it sees.
class NoX : public win::Subclass {
public:
    int chars = 0;

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override
    {
        if (msg == WM_CHAR) {
            ++chars;
            if (wParam == 'x')
                return 0;
            if (wParam == '!')
                throw std::runtime_error("handler failure");
        }
        return DefaultProc(msg, wParam, lParam);
    }
};

TEST(Subclass, SeesMessagesFirstAndGoesWithItsObjectOrWindow)
{
    HWND edit = CreateWindowExW(0, L"EDIT", L"", WS_POPUP, 0, 0, 100, 20, nullptr, nullptr, nullptr, nullptr);
    {
        NoX sub;
        ASSERT_TRUE(sub.Attach(edit));
        EXPECT_FALSE(sub.Attach(edit)) << "one window per wrapper";
        for (wchar_t c : {L'a', L'x', L'!'})
            SendMessageW(edit, WM_CHAR, c, 0);
        EXPECT_EQ(sub.chars, 3);
        EXPECT_EQ(win::GetText(edit), L"a!");
    }
    SendMessageW(edit, WM_CHAR, 'x', 0);
    EXPECT_EQ(win::GetText(edit), L"a!x") << "the wrapper outlived its object";
    NoX sub;
    ASSERT_TRUE(sub.Attach(edit));
    DestroyWindow(edit);
    EXPECT_FALSE(sub.attached());
}

TEST(Window, GoesWithItsObjectAndTellsItsEnd)
{
    HWND hwnd = nullptr;
    {
        Recorder w;
        hwnd = w.hwnd();
    }
    EXPECT_FALSE(IsWindow(hwnd));
    Recorder w;
    DestroyWindow(w.hwnd());
    EXPECT_TRUE(w.ended);
    EXPECT_EQ(w.hwnd(), nullptr);
}

TEST(Module, FolderKeepsItsBackslashOnlyAtADriveRoot)
{
    EXPECT_EQ(win::FolderOf(L"C:\\Vemo.exe"), L"C:\\");
    EXPECT_EQ(win::FolderOf(L"C:\\Games\\Vemo\\Vemo.exe"), L"C:\\Games\\Vemo");
    EXPECT_EQ(win::FolderOf(L"\\\\server\\share\\Vemo.exe"), L"\\\\server\\share");
}

} // namespace
