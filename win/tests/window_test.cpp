// The window classes of the win layer: a subclass sees its control's
// messages first, keeps a handler's exception inside and goes with its
// object or its window; a dialog hands its messages to the named handlers
// and returns EndDialog's value; a window goes with its object, paints
// through PaintDC without being asked again; a folder keeps its backslash at
// a drive root only.
#include "win/dialog.h"
#include "win/handles.h"
#include "win/module.h"
#include "win/subclass.h"
#include "win/window.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

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

// Runs an in-memory template: its command posts itself a cancel, which ends
// the dialog with 77.
class EchoDialog : public win::Dialog {
public:
    std::string log;
    INT_PTR Run()
    {
        struct {
            DLGTEMPLATE dlg;
            WORD menu, cls, title;
        } t = {};
        t.dlg.style = WS_POPUP | WS_CAPTION | DS_MODALFRAME;
        return DoModalIndirect(win::CurrentModule(), &t.dlg, nullptr);
    }

protected:
    BOOL OnInitDialog() override
    {
        log += "init ";
        PostMessageW(hwnd(), WM_COMMAND, 42, 0);
        return TRUE;
    }
    bool OnCommand(int id, int, HWND) override
    {
        if (id != 42)
            return false;
        log += "command ";
        PostMessageW(hwnd(), WM_COMMAND, IDCANCEL, 0);
        return true;
    }
    void OnCancel() override
    {
        log += "cancel ";
        EndDialog(77);
    }
    void OnDestroy() override { log += "destroy"; }
};

TEST(Dialog, DispatchesToNamedHandlersAndReturnsTheResult)
{
    EchoDialog dialog;
    EXPECT_EQ(dialog.Run(), 77);
    EXPECT_EQ(dialog.log, "init command cancel destroy");
    EXPECT_EQ(dialog.hwnd(), nullptr);
    EXPECT_EQ(dialog.DoModal(win::CurrentModule(), 31999, nullptr), -1) << "a missing template";
}

class Painted : public win::Window {
public:
    int paints = 0;
    bool gotDc = false, finalDestroy = false;

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
    void OnFinalDestroy() override { finalDestroy = true; }
};

TEST(Window, PaintsThroughPaintDCAndGoesWithItsObject)
{
    ASSERT_TRUE(win::Window::RegisterClass(win::CurrentModule(), L"VemoTestPainted"));
    HWND hwnd = nullptr;
    {
        Painted w;
        ASSERT_TRUE(w.Create(win::CurrentModule(), L"VemoTestPainted", L"t", WS_POPUP | WS_VISIBLE, 0, 0, 0, 40, 40,
                             nullptr));
        hwnd = w.hwnd();
        EXPECT_EQ(win::GetText(hwnd), L"t");
        InvalidateRect(hwnd, nullptr, FALSE);
        UpdateWindow(hwnd);
        EXPECT_GE(w.paints, 1);
        EXPECT_TRUE(w.gotDc);
        EXPECT_FALSE(GetUpdateRect(hwnd, nullptr, FALSE)) << "painting left the window invalid";
    }
    EXPECT_FALSE(IsWindow(hwnd));

    Painted w;
    ASSERT_TRUE(w.Create(win::CurrentModule(), L"VemoTestPainted", L"t", WS_POPUP, 0, 0, 0, 10, 10, nullptr));
    DestroyWindow(w.hwnd());
    EXPECT_TRUE(w.finalDestroy);
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
