// Guide messages: the guide window's place, size and closing, what is
// spoken, and the plain message box that stands in with the setting off.
#include "harness.h"
#include "test_resource.h"

#include "tests/support/transcript_reader.h"
#include "toolkit/control_assist.h"
#include "win/cp932.h"
#include "win/handles.h"
#include "win/module.h"

#include <gtest/gtest.h>

#include <memory>

using tktest::ScopedWindowOperation;

namespace {

INT_PTR CALLBACK PlainDialogProc(HWND, UINT msg, WPARAM, LPARAM)
{
    return msg == WM_INITDIALOG ? TRUE : FALSE;
}

SIZE TextSize(HWND dialog, const std::wstring& text)
{
    win::WindowDC dc(dialog);
    win::SelectObjectGuard select(dc.get(), reinterpret_cast<HGDIOBJ>(SendMessageW(dialog, WM_GETFONT, 0, 0)));
    SIZE size = {};
    GetTextExtentPoint32W(dc.get(), text.c_str(), static_cast<int>(text.size()), &size);
    return size;
}

bool HasEntry(const testsupport::ScopedTranscript& t, const std::vector<std::wstring>& fields)
{
    for (const auto& entry : t.Entries())
        if (entry == fields)
            return true;
    return false;
}

class Guide : public ::testing::Test {
protected:
    void Open(std::optional<DWORD> setting)
    {
        setting_ = std::make_unique<ScopedWindowOperation>(setting);
        dialog = CreateDialogParamW(win::CurrentModule(), MAKEINTRESOURCEW(IDD_ALL_CONTROLS), nullptr,
                                    PlainDialogProc, 0);
        ASSERT_TRUE(dialog);
        ShowWindow(dialog, SW_SHOW);
        SetForegroundWindow(dialog);
        assist = std::make_unique<CLumaControlAssist>();
        assist->Attach(dialog, TRUE);
        ASSERT_TRUE(tktest::Settle(dialog));
    }
    void TearDown() override
    {
        assist.reset();
        if (dialog)
            DestroyWindow(dialog);
        setting_.reset();
    }

    HWND dialog = nullptr;
    std::unique_ptr<CLumaControlAssist> assist;

private:
    std::unique_ptr<ScopedWindowOperation> setting_;
};

} // namespace

TEST_F(Guide, OneLineSitsUnderItsControlAndIsSpoken)
{
    Open(1);
    testsupport::ScopedTranscript transcript;
    HWND edit = GetDlgItem(dialog, IDC_EDIT);
    std::string text = cp932::FromWide(L"名前が正しくありません");
    std::string spoken = cp932::FromWide(L"名前が 正しく ありません");
    int result = assist->ShowGuide(edit, text.c_str(), spoken.c_str());
    EXPECT_EQ(result, 1) << "the reader's result is handed on";

    HWND guide = assist->GuideWindow();
    ASSERT_TRUE(guide);
    EXPECT_EQ(GetParent(guide), dialog);
    wchar_t cls[64] = {}, title[64] = {};
    GetClassNameW(guide, cls, 64);
    GetWindowTextW(guide, title, 64);
    EXPECT_STREQ(cls, L"ZUB_GuideClass");
    EXPECT_STREQ(title, L"ZUB_GuideWnd");
    EXPECT_EQ(GetClassLongPtrW(guide, GCLP_HCURSOR), 0u) << "the class has no cursor";
    EXPECT_EQ(GetClassLongPtrW(guide, GCLP_HICON), 0u) << "nor an icon";
    EXPECT_TRUE(IsWindowVisible(guide));
    EXPECT_FALSE(IsWindowEnabled(guide)) << "it never takes the focus";
    EXPECT_NE(GetFocus(), guide);

    RECT anchor = tktest::ChildRect(dialog, edit);
    RECT r = tktest::ChildRect(dialog, guide);
    EXPECT_EQ(r.left, anchor.left);
    EXPECT_EQ(r.top, anchor.bottom + 2);
    SIZE size = TextSize(dialog, L"名前が正しくありません");
    EXPECT_EQ(r.right - r.left, size.cx + 20);
    EXPECT_EQ(r.bottom - r.top, size.cy + 10);

    EXPECT_TRUE(HasEntry(transcript, {L"beep", L"30"}));
    EXPECT_TRUE(HasEntry(transcript, {L"reader", L"Speak", L"1", L"名前が 正しく ありません"}));
}

TEST_F(Guide, TwoLinesAreSizedByTheLongerLineAndCloseOnTheNextKey)
{
    Open(1);
    HWND list = GetDlgItem(dialog, IDC_LIST);
    std::string text = cp932::FromWide(L"短い\n二行目のほうが長い文");
    assist->ShowGuide(list, text.c_str(), text.c_str());
    HWND guide = assist->GuideWindow();
    ASSERT_TRUE(guide);
    RECT r = tktest::ChildRect(dialog, guide);
    SIZE second = TextSize(dialog, L"二行目のほうが長い文");
    EXPECT_EQ(r.right - r.left, second.cx + 20);
    EXPECT_EQ(r.bottom - r.top, 2 * second.cy + 14);

    // A key that does nothing else still closes it.
    SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(list), TRUE);
    ASSERT_TRUE(tktest::Press(dialog, VK_HOME));
    EXPECT_FALSE(IsWindow(guide));
    EXPECT_EQ(assist->GuideWindow(), nullptr);
}

TEST_F(Guide, ANewGuideReplacesTheOldAndAClickClosesIt)
{
    Open(1);
    HWND edit = GetDlgItem(dialog, IDC_EDIT);
    assist->ShowGuide(edit, "a", "a");
    HWND first = assist->GuideWindow();
    EXPECT_EQ(assist->ShowGuideAt(IDC_LIST, "b", nullptr), 0) << "nothing spoken, nothing returned";
    HWND second = assist->GuideWindow();
    ASSERT_TRUE(second);
    EXPECT_FALSE(IsWindow(first));
    RECT anchor = tktest::ChildRect(dialog, GetDlgItem(dialog, IDC_LIST));
    EXPECT_EQ(tktest::ChildRect(dialog, second).top, anchor.bottom + 2);

    SendMessageW(GetDlgItem(dialog, IDC_BUTTON_A), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    SendMessageW(GetDlgItem(dialog, IDC_BUTTON_A), WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    EXPECT_FALSE(IsWindow(second));
    EXPECT_EQ(assist->ShowGuideAt(9999, "c", "c"), 0);
    EXPECT_EQ(assist->GuideWindow(), nullptr) << "no control, no guide";
}

TEST_F(Guide, WithTheSettingOffAPlainMessageBoxStandsIn)
{
    Open(std::nullopt);
    testsupport::ScopedTranscript transcript;
    std::vector<std::wstring> texts;
    std::string text = cp932::FromWide(L"ドライブの準備ができていません");
    tktest::ModalRun run;
    run.script = [&](HWND box) {
        texts = tktest::ChildTexts(box);
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    };
    int result = tktest::RunModal(run, [&] { return assist->ShowGuideAt(IDC_EDIT, text.c_str(), text.c_str()); });
    EXPECT_EQ(result, IDOK);
    bool found = false;
    for (const auto& t : texts)
        found = found || t == L"ドライブの準備ができていません";
    EXPECT_TRUE(found) << "the message box shows the guide's text";
    EXPECT_EQ(assist->GuideWindow(), nullptr);
    EXPECT_FALSE(HasEntry(transcript, {L"reader", L"Speak", L"1", L"ドライブの準備ができていません"}))
        << "the plain box is not spoken through the reader";
}
