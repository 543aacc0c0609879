#include "win/dialog.h"
#include "win/handles.h"
#include "win/module.h"
#include "win/subclass.h"
#include "win/window.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace {

// A subclass that eats the letter "x" and counts what it sees.
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

HWND MakeEdit()
{
    return CreateWindowExW(0, L"EDIT", L"", WS_POPUP, 0, 0, 100, 20, nullptr, nullptr, nullptr, nullptr);
}

TEST(Subclass, SeesMessagesFirstAndDetaches)
{
    HWND edit = MakeEdit();
    ASSERT_TRUE(edit);
    {
        NoX sub;
        ASSERT_TRUE(sub.Attach(edit));
        EXPECT_FALSE(sub.Attach(edit)) << "one window per wrapper";
        SendMessageW(edit, WM_CHAR, 'a', 0);
        SendMessageW(edit, WM_CHAR, 'x', 0);
        SendMessageW(edit, WM_CHAR, '!', 0); // the exception stays inside
        EXPECT_EQ(sub.chars, 3);
        EXPECT_EQ(win::GetText(edit), L"a!");
    }
    SendMessageW(edit, WM_CHAR, 'x', 0);
    EXPECT_EQ(win::GetText(edit), L"a!x") << "the wrapper is gone with its object";
    DestroyWindow(edit);
}

TEST(Subclass, SurvivesTheWindowBeingDestroyedFirst)
{
    NoX sub;
    HWND edit = MakeEdit();
    ASSERT_TRUE(sub.Attach(edit));
    DestroyWindow(edit);
    EXPECT_FALSE(sub.attached());
}

// A dialog from an in-memory template with one edit control.
class EchoDialog : public win::Dialog {
public:
    std::vector<std::string> log;
    INT_PTR Run()
    {
        struct {
            DLGTEMPLATE dlg;
            WORD menu, cls, title;
        } t = {};
        t.dlg.style = WS_POPUP | WS_CAPTION | DS_MODALFRAME;
        t.dlg.cx = 100;
        t.dlg.cy = 50;
        return DoModalIndirect(win::CurrentModule(), &t.dlg, nullptr);
    }

protected:
    BOOL OnInitDialog() override
    {
        log.push_back("init");
        PostMessageW(hwnd(), WM_COMMAND, 42, 0);
        return TRUE;
    }
    bool OnCommand(int id, int, HWND) override
    {
        if (id != 42)
            return false;
        log.push_back("command");
        PostMessageW(hwnd(), WM_COMMAND, IDCANCEL, 0);
        return true;
    }
    void OnCancel() override
    {
        log.push_back("cancel");
        EndDialog(77);
    }
    void OnDestroy() override { log.push_back("destroy"); }
};

TEST(Dialog, DispatchesToNamedHandlersAndReturnsTheResult)
{
    EchoDialog dlg;
    EXPECT_EQ(dlg.Run(), 77);
    EXPECT_EQ(dlg.log, (std::vector<std::string>{"init", "command", "cancel", "destroy"}));
    EXPECT_EQ(dlg.hwnd(), nullptr);
}

TEST(Dialog, MissingTemplateFails)
{
    EchoDialog dlg;
    EXPECT_EQ(dlg.DoModal(win::CurrentModule(), 31999, nullptr), -1);
}

TEST(Window, DestroyedWithItsObject)
{
    class Plain : public win::Window {
    public:
        bool finalDestroy = false;

    protected:
        void OnFinalDestroy() override { finalDestroy = true; }
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

    Plain w2;
    ASSERT_TRUE(w2.Create(win::CurrentModule(), L"VemoTestPlain", L"t", WS_POPUP, 0, 0, 0, 10, 10, nullptr));
    DestroyWindow(w2.hwnd());
    EXPECT_TRUE(w2.finalDestroy);
    EXPECT_EQ(w2.hwnd(), nullptr);
}

TEST(Module, FolderKeepsItsBackslashOnlyAtADriveRoot)
{
    EXPECT_EQ(win::FolderOf(L"C:\\Vemo.exe"), L"C:\\");
    EXPECT_EQ(win::FolderOf(L"C:\\Games\\Vemo\\Vemo.exe"), L"C:\\Games\\Vemo");
    EXPECT_EQ(win::FolderOf(L"\\\\server\\share\\Vemo.exe"), L"\\\\server\\share");
    EXPECT_EQ(win::FolderOf(L"Vemo.exe"), L"");
}

// Painting through PaintDC draws into the window and validates what was
// to be painted, so no further WM_PAINT follows.
TEST(PaintDC, PaintsAndValidates)
{
    class Painted : public win::Window {
    public:
        int paints = 0;
        bool gotDc = false;

    protected:
        LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override
        {
            if (msg != WM_PAINT)
                return DefaultProc(msg, wParam, lParam);
            ++paints;
            win::PaintDC dc(hwnd());
            gotDc = dc.get() != nullptr;
            return 0;
        }
    };
    ASSERT_TRUE(win::Window::RegisterClass(win::CurrentModule(), L"VemoTestPainted"));
    Painted w;
    ASSERT_TRUE(w.Create(win::CurrentModule(), L"VemoTestPainted", L"", WS_POPUP | WS_VISIBLE, 0, 0, 0, 40, 40,
                         nullptr));
    InvalidateRect(w.hwnd(), nullptr, FALSE);
    UpdateWindow(w.hwnd());
    EXPECT_GE(w.paints, 1);
    EXPECT_TRUE(w.gotDc);
    EXPECT_FALSE(GetUpdateRect(w.hwnd(), nullptr, FALSE));
    const int after = w.paints;
    UpdateWindow(w.hwnd());
    EXPECT_EQ(w.paints, after);
}

} // namespace
