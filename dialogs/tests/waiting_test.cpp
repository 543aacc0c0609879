// Waiting for a folder's reading on the window thread: the thread's windows
// keep answering other threads, input waits for afterwards, and a long wait
// tells the player why, once.
#include "dialogs/waiting.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "win/handles.h"

namespace {

TEST(Waiting, WindowsAnswerInputWaitsAndALongWaitTellsWhyOnce)
{
    HWND window = CreateWindowExW(0, L"STATIC", L"text", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    ASSERT_TRUE(window);
    PostMessageW(window, WM_KEYDOWN, VK_SPACE, 0); // a key pressed meanwhile
    win::UniqueHandle done(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    win::UniqueHandle told(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    // Another thread asks the window, before and after the player was told;
    // only the wait can answer it, and only then does the wait end.
    std::atomic<int> answers{0};
    std::thread asker([&] {
        DWORD_PTR length = 0;
        if (SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, 20000, &length) && length == 4)
            ++answers;
        WaitForSingleObject(told.get(), 20000);
        if (SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, 20000, &length) && length == 4)
            ++answers;
        SetEvent(done.get());
    });
    int toldCount = 0;
    bool toldOnce = false;
    lumadlg::WaitWithWindowsAlive({done.get()}, GetTickCount64() + 100, toldOnce, [&] {
        ++toldCount;
        SetEvent(told.get());
    });
    asker.join();
    EXPECT_EQ(answers, 2) << "the window answered while the thread waited";
    EXPECT_EQ(toldCount, 1);
    EXPECT_TRUE(toldOnce);
    MSG msg;
    EXPECT_TRUE(PeekMessageW(&msg, window, WM_KEYDOWN, WM_KEYDOWN, PM_REMOVE)) << "the key waits for afterwards";
    DestroyWindow(window);
}

} // namespace
