// The control assistant on a dialog with every kind of control: the
// setting, the take-over, and each wrapper's keys with the operation on and
// off. Keys are posted to the focused control and go through the dialog
// manager as typed keys do; injected keys (Tab, arrows) are waited for.
#include "harness.h"
#include "test_resource.h"

#include "toolkit/control_assist.h"
#include "win/module.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <map>
#include <memory>

using tktest::Char;
using tktest::FocusId;
using tktest::Mods;
using tktest::Press;
using tktest::ScopedWindowOperation;

namespace {

// Counts the notifications the dialog receives, by control id and code.
std::map<std::pair<int, int>, int> notifications;

INT_PTR CALLBACK TestDialogProc(HWND, UINT msg, WPARAM wParam, LPARAM)
{
    if (msg == WM_COMMAND)
        ++notifications[{LOWORD(wParam), HIWORD(wParam)}];
    return msg == WM_INITDIALOG ? TRUE : FALSE;
}

class AllControls : public ::testing::Test {
protected:
    void Open(std::optional<DWORD> setting)
    {
        setting_ = std::make_unique<ScopedWindowOperation>(setting);
        notifications.clear();
        dialog = CreateDialogParamW(win::CurrentModule(), MAKEINTRESOURCEW(IDD_ALL_CONTROLS), nullptr,
                                    TestDialogProc, 0);
        ASSERT_TRUE(dialog);
        for (const wchar_t* item : {L"a", L"b", L"c"}) {
            SendDlgItemMessageW(dialog, IDC_DROP_LIST, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
            SendDlgItemMessageW(dialog, IDC_EDIT_COMBO, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
            SendDlgItemMessageW(dialog, IDC_LIST, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
            SendDlgItemMessageW(dialog, IDC_EXTENDED_LIST, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
        }
        HWND view = GetDlgItem(dialog, IDC_LIST_VIEW);
        LVCOLUMNW column = {};
        column.mask = LVCF_WIDTH;
        column.cx = 80;
        ListView_InsertColumn(view, 0, &column);
        for (int i = 0; i < 3; ++i) {
            wchar_t text[8] = {static_cast<wchar_t>(L'x' + i), 0};
            LVITEMW item = {};
            item.mask = LVIF_TEXT;
            item.iItem = i;
            item.pszText = text;
            ListView_InsertItem(view, &item);
        }
        SendDlgItemMessageW(dialog, IDC_SPIN, UDM_SETRANGE32, 0, 100);
        SetDlgItemInt(dialog, IDC_EDIT, 5, FALSE);
        CheckRadioButton(dialog, IDC_RADIO_1, IDC_RADIO_3, IDC_RADIO_1);
        ShowWindow(dialog, SW_SHOW);
        SetForegroundWindow(dialog);
        assist = std::make_unique<CLumaControlAssist>();
        attached = assist->Attach(dialog, TRUE);
        ASSERT_TRUE(tktest::Settle(dialog)) << "injected keys do not reach the dialog";
    }

    void TearDown() override
    {
        assist.reset();
        if (dialog)
            DestroyWindow(dialog);
        setting_.reset();
    }

    void Focus(int id)
    {
        SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dialog, id)), TRUE);
        ASSERT_EQ(FocusId(dialog), id);
    }

    int Notified(int id, int code) { return notifications[{id, code}]; }
    LRESULT Send(int id, UINT msg, WPARAM w = 0, LPARAM l = 0) { return SendDlgItemMessageW(dialog, id, msg, w, l); }
    int ListViewFocus() { return ListView_GetNextItem(GetDlgItem(dialog, IDC_LIST_VIEW), -1, LVNI_FOCUSED); }
    bool ListViewSelected(int i)
    {
        return ListView_GetItemState(GetDlgItem(dialog, IDC_LIST_VIEW), i, LVIS_SELECTED) != 0;
    }

    HWND dialog = nullptr;
    std::unique_ptr<CLumaControlAssist> assist;
    BOOL attached = FALSE;

private:
    std::unique_ptr<ScopedWindowOperation> setting_;
};

} // namespace

TEST(WindowOperationSetting, IsOnOnlyForTheValueOne)
{
    {
        ScopedWindowOperation missing(std::nullopt);
        EXPECT_FALSE(CLumaControlAssist::IsWindowOperationOn());
    }
    {
        ScopedWindowOperation one(1);
        EXPECT_TRUE(CLumaControlAssist::IsWindowOperationOn());
    }
    {
        ScopedWindowOperation two(2);
        EXPECT_FALSE(CLumaControlAssist::IsWindowOperationOn());
    }
    {
        ScopedWindowOperation zero(0);
        EXPECT_FALSE(CLumaControlAssist::IsWindowOperationOn());
    }
}

TEST(AttachTest, AnEmptyDialogTurnsTheOperationOff)
{
    ScopedWindowOperation on(1);
    HWND dialog = CreateDialogParamW(win::CurrentModule(), MAKEINTRESOURCEW(IDD_EMPTY), nullptr, TestDialogProc, 0);
    ASSERT_TRUE(dialog);
    CLumaControlAssist assist;
    EXPECT_FALSE(assist.Attach(dialog, TRUE));
    EXPECT_FALSE(assist.IsOperationOn());
    EXPECT_EQ(assist.AttachedDialog(), nullptr);
    DestroyWindow(dialog);
}

TEST_F(AllControls, SettingOnTakesEverythingOver)
{
    Open(1);
    EXPECT_TRUE(attached);
    EXPECT_EQ(assist->SetListEnterHandler(IDC_LIST_VIEW, nullptr, 0), 1);
    EXPECT_EQ(assist->SetEditEnterHandler(IDC_EDIT, nullptr, 0), 1);
    EXPECT_EQ(assist->SetEditEnterHandler(IDC_MULTILINE, nullptr, 0), 0) << "a multi-line edit is never taken over";
    EXPECT_EQ(assist->SetListEnterHandler(IDC_LIST, nullptr, 0), 0) << "only list views have the list handler";
    EXPECT_EQ(assist->Detach(), 1);
    EXPECT_EQ(assist->AttachedDialog(), nullptr);
}

TEST_F(AllControls, SettingOffKeepsThePlatformKeys)
{
    Open(std::nullopt);
    EXPECT_FALSE(attached);
    EXPECT_EQ(assist->SetListEnterHandler(IDC_LIST_VIEW, nullptr, 0), 0);
    EXPECT_EQ(assist->SetEditEnterHandler(IDC_EDIT, nullptr, 0), 0);
    // Down in a group of push buttons: the dialog manager's next button.
    Focus(IDC_BUTTON_C);
    ASSERT_TRUE(Press(dialog, VK_DOWN));
    EXPECT_EQ(FocusId(dialog), IDC_BUTTON_A);
    // Down in an edit box goes nowhere.
    Focus(IDC_EDIT);
    ASSERT_TRUE(Press(dialog, VK_DOWN));
    EXPECT_EQ(FocusId(dialog), IDC_EDIT);
    // Attaching without reading the setting counts it as on.
    assist->Detach();
    EXPECT_TRUE(assist->Attach(dialog, FALSE));
    Focus(IDC_EDIT);
    ASSERT_TRUE(Press(dialog, VK_DOWN));
    EXPECT_EQ(FocusId(dialog), IDC_EDIT_COMBO);
}

TEST_F(AllControls, SettingTwoCountsAsOff)
{
    Open(2);
    EXPECT_FALSE(attached);
    Focus(IDC_BUTTON_C);
    ASSERT_TRUE(Press(dialog, VK_DOWN));
    EXPECT_EQ(FocusId(dialog), IDC_BUTTON_A);
}

TEST_F(AllControls, PushButtonsMoveWithArrowsAndSpace)
{
    Open(1);
    Focus(IDC_BUTTON_A);
    ASSERT_TRUE(Press(dialog, VK_DOWN));
    EXPECT_EQ(FocusId(dialog), IDC_BUTTON_B);
    ASSERT_TRUE(Press(dialog, VK_UP));
    EXPECT_EQ(FocusId(dialog), IDC_BUTTON_A);
    ASSERT_TRUE(Press(dialog, VK_SPACE));
    EXPECT_EQ(FocusId(dialog), IDC_BUTTON_B);
    ASSERT_TRUE(Press(dialog, VK_SPACE, Mods{.shift = true}));
    EXPECT_EQ(FocusId(dialog), IDC_BUTTON_A);
    ASSERT_TRUE(Press(dialog, VK_SPACE, Mods{.shift = true}));
    EXPECT_EQ(FocusId(dialog), IDC_BUTTON_C) << "Shift+Space wraps round the buttons";
    // Down on the last button leaves the group for the next control.
    ASSERT_TRUE(Press(dialog, VK_DOWN));
    EXPECT_EQ(FocusId(dialog), IDC_RADIO_1);
    EXPECT_EQ(Notified(IDC_BUTTON_A, BN_CLICKED) + Notified(IDC_BUTTON_B, BN_CLICKED) +
                  Notified(IDC_BUTTON_C, BN_CLICKED),
              0)
        << "moving presses nothing";
    // Down with Shift held still goes forward, Up with Shift back.
    Focus(IDC_BUTTON_A);
    ASSERT_TRUE(Press(dialog, VK_DOWN, Mods{.shift = true}));
    EXPECT_EQ(FocusId(dialog), IDC_BUTTON_B);
    ASSERT_TRUE(Press(dialog, VK_UP, Mods{.shift = true}));
    EXPECT_EQ(FocusId(dialog), IDC_BUTTON_A);
    // Enter presses the focused button.
    ASSERT_TRUE(Press(dialog, VK_RETURN));
    EXPECT_EQ(Notified(IDC_BUTTON_A, BN_CLICKED), 1);
}

TEST_F(AllControls, RadioButtonsMoveOnWithEnterAndChooseWithSpace)
{
    Open(1);
    Focus(IDC_RADIO_1);
    ASSERT_TRUE(Press(dialog, VK_RETURN));
    EXPECT_EQ(FocusId(dialog), IDC_CHECK);
    EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_RADIO_1), BST_CHECKED) << "Enter presses nothing";
    EXPECT_EQ(Notified(IDC_RADIO_2, BN_CLICKED), 0);
    EXPECT_EQ(Notified(IDOK, BN_CLICKED), 0);

    Focus(IDC_RADIO_1);
    ASSERT_TRUE(Press(dialog, VK_SPACE));
    EXPECT_EQ(FocusId(dialog), IDC_RADIO_2);
    EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_RADIO_2), BST_CHECKED);
    ASSERT_TRUE(Press(dialog, VK_SPACE, Mods{.shift = true}));
    EXPECT_EQ(FocusId(dialog), IDC_RADIO_1);
    EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_RADIO_1), BST_CHECKED);
    ASSERT_TRUE(Press(dialog, VK_UP));
    EXPECT_EQ(FocusId(dialog), IDC_BUTTON_C);
}

TEST_F(AllControls, CheckBoxTogglesWithLeftAndRight)
{
    Open(1);
    Focus(IDC_CHECK);
    ASSERT_TRUE(Press(dialog, VK_RIGHT));
    EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_CHECK), BST_CHECKED);
    ASSERT_TRUE(Press(dialog, VK_LEFT));
    EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_CHECK), BST_UNCHECKED);
    EXPECT_EQ(FocusId(dialog), IDC_CHECK);
    ASSERT_TRUE(Press(dialog, VK_RETURN));
    EXPECT_EQ(FocusId(dialog), IDC_DROP_LIST);
    EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_CHECK), BST_UNCHECKED);
}

TEST_F(AllControls, DropDownListStepsWithSpaceAndWraps)
{
    Open(1);
    Send(IDC_DROP_LIST, CB_SETCURSEL, 2);
    Focus(IDC_DROP_LIST);
    ASSERT_TRUE(Press(dialog, VK_SPACE));
    EXPECT_TRUE(Send(IDC_DROP_LIST, CB_GETDROPPEDSTATE)) << "Space opens the list";
    EXPECT_EQ(Send(IDC_DROP_LIST, CB_GETCURSEL), 0);
    EXPECT_EQ(Notified(IDC_DROP_LIST, CBN_SELCHANGE), 1);
    ASSERT_TRUE(Press(dialog, VK_SPACE, Mods{.shift = true}));
    EXPECT_EQ(Send(IDC_DROP_LIST, CB_GETCURSEL), 2);
    EXPECT_EQ(Notified(IDC_DROP_LIST, CBN_SELCHANGE), 2);
    ASSERT_TRUE(Press(dialog, VK_SPACE, Mods{.shift = true}));
    EXPECT_EQ(Send(IDC_DROP_LIST, CB_GETCURSEL), 1) << "Shift+Space inside the list goes up";
    ASSERT_TRUE(Press(dialog, VK_SPACE));
    EXPECT_EQ(Send(IDC_DROP_LIST, CB_GETCURSEL), 2);
    // Down closes the list and moves on.
    ASSERT_TRUE(Press(dialog, VK_DOWN));
    EXPECT_FALSE(Send(IDC_DROP_LIST, CB_GETDROPPEDSTATE));
    EXPECT_EQ(FocusId(dialog), IDC_LIST);
    EXPECT_EQ(Send(IDC_DROP_LIST, CB_GETCURSEL), 2);
}

TEST_F(AllControls, ListBoxStepsWithSpaceAndWraps)
{
    Open(1);
    Send(IDC_LIST, LB_SETCURSEL, 2);
    Focus(IDC_LIST);
    ASSERT_TRUE(Press(dialog, VK_SPACE));
    EXPECT_EQ(Send(IDC_LIST, LB_GETCURSEL), 0);
    EXPECT_EQ(Notified(IDC_LIST, LBN_SELCHANGE), 1);
    ASSERT_TRUE(Press(dialog, VK_SPACE, Mods{.shift = true}));
    EXPECT_EQ(Send(IDC_LIST, LB_GETCURSEL), 2);
    EXPECT_EQ(Notified(IDC_LIST, LBN_SELCHANGE), 2);
    ASSERT_TRUE(Press(dialog, VK_SPACE, Mods{.shift = true}));
    EXPECT_EQ(Send(IDC_LIST, LB_GETCURSEL), 1) << "an injected Up";
    ASSERT_TRUE(Press(dialog, VK_SPACE));
    EXPECT_EQ(Send(IDC_LIST, LB_GETCURSEL), 2);
    ASSERT_TRUE(Press(dialog, VK_LEFT));
    EXPECT_EQ(Send(IDC_LIST, LB_GETCURSEL), 1) << "Left is Up";
    ASSERT_TRUE(Press(dialog, VK_RIGHT));
    EXPECT_EQ(Send(IDC_LIST, LB_GETCURSEL), 2) << "Right is Down";
    ASSERT_TRUE(Press(dialog, VK_RETURN));
    EXPECT_EQ(FocusId(dialog), IDC_LIST_VIEW);
}

TEST_F(AllControls, MarkedUpMovesTheCaretWithoutExtendingTheSelection)
{
    Open(1);
    Send(IDC_EXTENDED_LIST, LB_SETSEL, TRUE, 2);
    Send(IDC_EXTENDED_LIST, LB_SETCARETINDEX, 2);
    Focus(IDC_EXTENDED_LIST);
    ASSERT_TRUE(Press(dialog, VK_SPACE, Mods{.shift = true}));
    EXPECT_EQ(Send(IDC_EXTENDED_LIST, LB_GETCARETINDEX), 1);
    EXPECT_EQ(Send(IDC_EXTENDED_LIST, LB_GETSELCOUNT), 1) << "Shift held, yet the selection did not grow";
    EXPECT_TRUE(Send(IDC_EXTENDED_LIST, LB_GETSEL, 1));
    // Space on the last item of a multiple-selection list wraps by moving
    // the selection and the caret.
    Send(IDC_EXTENDED_LIST, LB_SETSEL, FALSE, -1);
    Send(IDC_EXTENDED_LIST, LB_SETSEL, TRUE, 2);
    Send(IDC_EXTENDED_LIST, LB_SETCARETINDEX, 2);
    int before = Notified(IDC_EXTENDED_LIST, LBN_SELCHANGE);
    ASSERT_TRUE(Press(dialog, VK_SPACE));
    EXPECT_EQ(Send(IDC_EXTENDED_LIST, LB_GETCARETINDEX), 0);
    EXPECT_EQ(Send(IDC_EXTENDED_LIST, LB_GETSELCOUNT), 1);
    EXPECT_TRUE(Send(IDC_EXTENDED_LIST, LB_GETSEL, 0));
    EXPECT_EQ(Notified(IDC_EXTENDED_LIST, LBN_SELCHANGE), before + 1) << "the wrap is notified";
}

TEST_F(AllControls, FullWidthSpaceStepsListBoxesEvenWithTheSettingOff)
{
    Open(std::nullopt);
    Send(IDC_LIST, LB_SETCURSEL, 2);
    Focus(IDC_LIST);
    ASSERT_TRUE(Char(dialog, 0x81));
    EXPECT_EQ(Send(IDC_LIST, LB_GETCURSEL), 2) << "the first half is held back";
    ASSERT_TRUE(Char(dialog, 0x40));
    EXPECT_EQ(Send(IDC_LIST, LB_GETCURSEL), 0) << "wrapped to the first item";
    EXPECT_GE(Notified(IDC_LIST, LBN_SELCHANGE), 1);
    ASSERT_TRUE(Char(dialog, 0x81));
    ASSERT_TRUE(Char(dialog, 0x40));
    EXPECT_EQ(Send(IDC_LIST, LB_GETCURSEL), 1) << "an injected Down";
    ASSERT_TRUE(Char(dialog, 0x3000));
    EXPECT_EQ(Send(IDC_LIST, LB_GETCURSEL), 2) << "the UTF-16 full-width space";
    // A lead byte followed by another character gives that character to the list.
    ASSERT_TRUE(Char(dialog, 0x81));
    ASSERT_TRUE(Char(dialog, L'a'));
    EXPECT_EQ(Send(IDC_LIST, LB_GETCURSEL), 0) << "typing 'a' selects the item a";
}

TEST_F(AllControls, ListViewStepsWithSpaceAndHandsEnterToItsHandler)
{
    Open(1);
    HWND view = GetDlgItem(dialog, IDC_LIST_VIEW);
    ListView_SetItemState(view, 2, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    Focus(IDC_LIST_VIEW);
    ASSERT_TRUE(Press(dialog, VK_SPACE));
    EXPECT_EQ(ListViewFocus(), 0);
    EXPECT_TRUE(ListViewSelected(0));
    EXPECT_FALSE(ListViewSelected(2));
    ASSERT_TRUE(Press(dialog, VK_SPACE, Mods{.shift = true}));
    EXPECT_EQ(ListViewFocus(), 2);
    EXPECT_TRUE(ListViewSelected(2));
    EXPECT_FALSE(ListViewSelected(0));
    ASSERT_TRUE(Press(dialog, VK_SPACE, Mods{.shift = true}));
    EXPECT_EQ(ListViewFocus(), 1) << "an injected Up";
    EXPECT_FALSE(ListViewSelected(2)) << "the marked Up does not extend the selection";
    ASSERT_TRUE(Press(dialog, VK_LEFT));
    EXPECT_EQ(ListViewFocus(), 0) << "Left is Up";
    ASSERT_TRUE(Char(dialog, 0x81));
    ASSERT_TRUE(Char(dialog, 0x40));
    EXPECT_EQ(ListViewFocus(), 1) << "the full-width space is Space";

    static HWND handlerControl;
    static int handlerData;
    static BOOL handlerResult;
    auto handler = [](HWND control, int data) -> BOOL {
        handlerControl = control;
        handlerData = data;
        return handlerResult;
    };
    ASSERT_EQ(assist->SetListEnterHandler(IDC_LIST_VIEW, handler, 42), 1);
    handlerResult = TRUE;
    ASSERT_TRUE(Press(dialog, VK_RETURN));
    EXPECT_EQ(handlerControl, view);
    EXPECT_EQ(handlerData, 42);
    EXPECT_EQ(FocusId(dialog), IDC_LIST_VIEW) << "the handler ate the key";
    handlerResult = FALSE;
    handlerControl = nullptr;
    ASSERT_TRUE(Press(dialog, VK_RETURN));
    EXPECT_EQ(handlerControl, view);
    EXPECT_EQ(FocusId(dialog), IDC_EDIT) << "a handler that declines moves on";
}

TEST_F(AllControls, ListViewKeepsThePlatformCharactersWithTheSettingOff)
{
    // Unlike a list box, a list view does not step with the full-width space
    // while the operation is off.
    Open(std::nullopt);
    HWND view = GetDlgItem(dialog, IDC_LIST_VIEW);
    ListView_SetItemState(view, 2, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    Focus(IDC_LIST_VIEW);
    ASSERT_TRUE(Char(dialog, 0x81));
    ASSERT_TRUE(Char(dialog, 0x40));
    EXPECT_EQ(ListViewFocus(), 2);
    ASSERT_TRUE(Char(dialog, 0x3000));
    EXPECT_EQ(ListViewFocus(), 2);
}

TEST_F(AllControls, CtrlSpaceStaysTheListViews)
{
    Open(1);
    HWND view = GetDlgItem(dialog, IDC_LIST_VIEW);
    ListView_SetItemState(view, 2, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    Focus(IDC_LIST_VIEW);
    ASSERT_TRUE(Press(dialog, VK_SPACE, Mods{.ctrl = true}));
    EXPECT_EQ(ListViewFocus(), 2) << "Ctrl+Space did not step";
    ASSERT_TRUE(Press(dialog, VK_SPACE));
    EXPECT_EQ(ListViewFocus(), 0) << "Space wraps";
}

TEST_F(AllControls, EditMovesOnAndLendsCtrlArrowsToItsSpin)
{
    Open(1);
    Focus(IDC_EDIT);
    ASSERT_TRUE(Press(dialog, VK_UP, Mods{.ctrl = true}));
    EXPECT_EQ(FocusId(dialog), IDC_EDIT);
    EXPECT_EQ(GetDlgItemInt(dialog, IDC_EDIT, nullptr, FALSE), 6u) << "the up-down control took Ctrl+Up";
    ASSERT_TRUE(Press(dialog, VK_DOWN));
    EXPECT_EQ(FocusId(dialog), IDC_EDIT_COMBO);
    ASSERT_TRUE(Press(dialog, VK_UP));
    EXPECT_EQ(FocusId(dialog), IDC_EDIT);
    ASSERT_TRUE(Press(dialog, VK_RETURN));
    EXPECT_EQ(FocusId(dialog), IDC_EDIT_COMBO);
    EXPECT_EQ(Notified(IDOK, BN_CLICKED), 0) << "Enter in the edit box does not press OK";

    // The multi-line edit keeps its keys.
    Focus(IDC_MULTILINE);
    ASSERT_TRUE(Press(dialog, VK_DOWN));
    EXPECT_EQ(FocusId(dialog), IDC_MULTILINE);
}

TEST_F(AllControls, EditComboStepsWithCtrlSpaceAndMovesOn)
{
    Open(1);
    Focus(IDC_EDIT_COMBO);
    ASSERT_TRUE(Press(dialog, VK_SPACE, Mods{.ctrl = true}));
    EXPECT_EQ(Send(IDC_EDIT_COMBO, CB_GETCURSEL), 0) << "no selection: the first item";
    ASSERT_TRUE(Press(dialog, VK_SPACE, Mods{.shift = false, .ctrl = true}));
    EXPECT_EQ(Send(IDC_EDIT_COMBO, CB_GETCURSEL), 1);
    ASSERT_TRUE(Press(dialog, VK_SPACE, Mods{.shift = true, .ctrl = true}));
    ASSERT_TRUE(Press(dialog, VK_SPACE, Mods{.shift = true, .ctrl = true}));
    EXPECT_EQ(Send(IDC_EDIT_COMBO, CB_GETCURSEL), 2) << "wrapped backwards";
    EXPECT_GE(Notified(IDC_EDIT_COMBO, CBN_SELCHANGE), 4);
    ASSERT_TRUE(Press(dialog, VK_DOWN));
    EXPECT_EQ(FocusId(dialog), IDC_MULTILINE);
}
