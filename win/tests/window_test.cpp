// Where the programs' own windows do not reach: a subclass sees its control's
// messages first, keeps a handler's exception inside and goes with its object
// or window; a window goes with its object; a folder ends in "\" at a root only.
#include "win/module.h"
#include "win/subclass.h"
#include "win/window.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

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
    struct Plain : win::Window {
        bool ended = false;
        void OnFinalDestroy() override { ended = true; }
    };
    ASSERT_TRUE(win::Window::RegisterClass(win::CurrentModule(), L"VemoTestPlain"));
    HWND hwnd = nullptr;
    {
        Plain w;
        ASSERT_TRUE(w.Create(win::CurrentModule(), L"VemoTestPlain", L"t", WS_POPUP, 0, 0, 0, 10, 10, nullptr));
        hwnd = w.hwnd();
        EXPECT_EQ(win::GetText(hwnd), L"t");
    }
    EXPECT_FALSE(IsWindow(hwnd));
    Plain w;
    ASSERT_TRUE(w.Create(win::CurrentModule(), L"VemoTestPlain", L"t", WS_POPUP, 0, 0, 0, 10, 10, nullptr));
    DestroyWindow(w.hwnd());
    EXPECT_TRUE(w.ended);
    EXPECT_EQ(w.hwnd(), nullptr);
}

TEST(Module, FolderKeepsItsBackslashOnlyAtADriveRoot)
{
    EXPECT_EQ(win::FolderOf(L"C:\\Vemo.exe"), L"C:\\");
    EXPECT_EQ(win::FolderOf(L"C:\\Games\\Vemo\\Vemo.exe"), L"C:\\Games\\Vemo");
    EXPECT_EQ(win::FolderOf(L"\\\\server\\share\\Vemo.exe"), L"\\\\server\\share");
    EXPECT_EQ(win::FolderOf(L"Vemo.exe"), L"");
}

} // namespace
