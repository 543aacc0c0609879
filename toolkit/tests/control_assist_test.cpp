// The control assistant on a dialog holding a control of every kind: which
// keys each control takes over with the user's WindowOperation setting on
// (1 only), which stay the platform's with it off, and the guide messages
// it shows. Keys are posted to the focused control and go through the
// dialog manager as typed keys do; the keys the assistant injects are
// waited for.
#include "test_resource.h"

#include "tests/support/dialog_driver.h"
#include "tests/support/transcript_reader.h"
#include "tests/support/window_operation.h"
#include "toolkit/control_assist.h"
#include "win/cp932.h"
#include "win/module.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <map>
#include <memory>

using namespace dialogtest;
using testsupport::ScopedWindowOperation;

namespace {

std::map<std::pair<int, int>, int> notifications; // by control id and code

INT_PTR CALLBACK CountingProc(HWND, UINT msg, WPARAM wParam, LPARAM)
{
    if (msg == WM_COMMAND)
        ++notifications[{LOWORD(wParam), HIWORD(wParam)}];
    return msg == WM_INITDIALOG;
}

class AllControls : public ::testing::Test {
protected:
    void Open(std::optional<DWORD> setting)
    {
        setting_.emplace(setting);
        notifications.clear();
        dialog = CreateDialogParamW(win::CurrentModule(), MAKEINTRESOURCEW(IDD_ALL_CONTROLS), nullptr, CountingProc, 0);
        ASSERT_TRUE(dialog);
        HWND view = GetDlgItem(dialog, IDC_LIST_VIEW);
        LVCOLUMNW column = {LVCF_WIDTH, 0, 80};
        ListView_InsertColumn(view, 0, &column);
        for (const wchar_t* item : {L"a", L"b", L"c"}) {
            for (int id : {IDC_DROP_LIST, IDC_EDIT_COMBO})
                SendDlgItemMessageW(dialog, id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
            SendDlgItemMessageW(dialog, IDC_LIST, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
            LVITEMW row = {LVIF_TEXT, ListView_GetItemCount(view)};
            row.pszText = const_cast<wchar_t*>(item);
            ListView_InsertItem(view, &row);
        }
        SendDlgItemMessageW(dialog, IDC_SPIN, UDM_SETRANGE32, 0, 100);
        SetDlgItemInt(dialog, IDC_EDIT, 5, FALSE);
        CheckRadioButton(dialog, IDC_RADIO_1, IDC_RADIO_3, IDC_RADIO_1);
        ShowWindow(dialog, SW_SHOW);
        SetForegroundWindow(dialog);
        assist = std::make_unique<CLumaControlAssist>();
        attached = assist->Attach(dialog, TRUE);
        ASSERT_TRUE(Settle()) << "injected keys do not reach the dialog";
    }
    void TearDown() override
    {
        assist.reset();
        if (dialog)
            DestroyWindow(dialog);
        dialog = nullptr;
    }
    void Focus(int id)
    {
        SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dialog, id)), TRUE);
        ASSERT_EQ(FocusId(dialog), id);
    }
    LRESULT Send(int id, UINT msg, WPARAM w = 0, LPARAM l = 0) { return SendDlgItemMessageW(dialog, id, msg, w, l); }
    // The state of a control a key changes: its selection, check or value.
    int ValueOf(int id)
    {
        switch (id) {
        case IDC_RADIO_1:
            return IsDlgButtonChecked(dialog, IDC_RADIO_1) ? 1 : IsDlgButtonChecked(dialog, IDC_RADIO_2) ? 2 : 3;
        case IDC_CHECK:
            return IsDlgButtonChecked(dialog, IDC_CHECK);
        case IDC_DROP_LIST:
        case IDC_EDIT_COMBO:
            return static_cast<int>(Send(id, CB_GETCURSEL));
        case IDC_LIST:
            return static_cast<int>(Send(id, LB_GETCURSEL));
        case IDC_LIST_VIEW:
            return ListView_GetNextItem(GetDlgItem(dialog, id), -1, LVNI_FOCUSED);
        case IDC_EDIT:
            return static_cast<int>(GetDlgItemInt(dialog, IDC_EDIT, nullptr, FALSE));
        default:
            return -1;
        }
    }

    HWND dialog = nullptr;
    std::unique_ptr<CLumaControlAssist> assist;
    BOOL attached = FALSE;
    std::optional<ScopedWindowOperation> setting_;
};

// One key (or, with `ch`, a character) and what follows it: the focused
// control, and the state of the control the case started in.
struct Step {
    WORD key;
    Mods mods;
    int focus;
    int value;
    WPARAM ch = 0;
};
struct KeyCase {
    const char* what;
    std::optional<DWORD> setting;
    int control, start; // the control focused first and its selection
    std::vector<Step> steps;
};
constexpr Mods kShift{true, false}, kCtrl{false, true}, kCtrlShift{true, true};

TEST_F(AllControls, KeysOfEachControl)
{
    const KeyCase cases[] = {
        {"push buttons: arrows and Space move, Shift+Space wraps back, Down leaves the group", 1, IDC_BUTTON_A, -1,
         {{VK_DOWN, {}, IDC_BUTTON_B, -1}, {VK_UP, {}, IDC_BUTTON_A, -1}, {VK_SPACE, {}, IDC_BUTTON_B, -1},
          {VK_SPACE, kShift, IDC_BUTTON_A, -1}, {VK_SPACE, kShift, IDC_BUTTON_C, -1},
          {VK_DOWN, {}, IDC_RADIO_1, -1}}},
        {"push buttons: Shift leaves the arrows' direction", 1, IDC_BUTTON_A, -1,
         {{VK_DOWN, kShift, IDC_BUTTON_B, -1}, {VK_UP, kShift, IDC_BUTTON_A, -1}}},
        {"radio buttons: Enter moves on, choosing nothing", 1, IDC_RADIO_1, -1, {{VK_RETURN, {}, IDC_CHECK, 1}}},
        {"radio buttons: Space chooses the next", 1, IDC_RADIO_1, -1,
         {{VK_SPACE, {}, IDC_RADIO_2, 2}, {VK_SPACE, kShift, IDC_RADIO_1, 1}, {VK_UP, {}, IDC_BUTTON_C, 1}}},
        {"check box: Right and Left check, Enter moves on", 1, IDC_CHECK, -1,
         {{VK_RIGHT, {}, IDC_CHECK, 1}, {VK_LEFT, {}, IDC_CHECK, 0}, {VK_RETURN, {}, IDC_DROP_LIST, 0}}},
        {"drop-down list: Space steps and wraps, Down moves on", 1, IDC_DROP_LIST, 2,
         {{VK_SPACE, {}, IDC_DROP_LIST, 0}, {VK_SPACE, kShift, IDC_DROP_LIST, 2}, {VK_SPACE, kShift, IDC_DROP_LIST, 1},
          {VK_SPACE, {}, IDC_DROP_LIST, 2}, {VK_DOWN, {}, IDC_LIST, 2}}},
        {"list box: Space wraps, Left and Right are Up and Down", 1, IDC_LIST, 2,
         {{VK_SPACE, {}, IDC_LIST, 0}, {VK_SPACE, kShift, IDC_LIST, 2}, {VK_SPACE, kShift, IDC_LIST, 1},
          {VK_SPACE, {}, IDC_LIST, 2}, {VK_LEFT, {}, IDC_LIST, 1}, {VK_RIGHT, {}, IDC_LIST, 2},
          {VK_RETURN, {}, IDC_LIST_VIEW, 2}}},
        {"list view: Space wraps, the full-width space is Space, Ctrl+Space is the list's", 1, IDC_LIST_VIEW, 2,
         {{VK_SPACE, {}, IDC_LIST_VIEW, 0}, {VK_SPACE, kShift, IDC_LIST_VIEW, 2}, {VK_SPACE, kShift, IDC_LIST_VIEW, 1},
          {VK_LEFT, {}, IDC_LIST_VIEW, 0}, {0, {}, IDC_LIST_VIEW, 0, 0x81}, {0, {}, IDC_LIST_VIEW, 1, 0x40},
          {VK_SPACE, kCtrl, IDC_LIST_VIEW, 1}}},
        {"edit: Ctrl+Up goes to its spin, arrows and Enter move", 1, IDC_EDIT, -1,
         {{VK_UP, kCtrl, IDC_EDIT, 6}, {VK_DOWN, {}, IDC_EDIT_COMBO, 6}, {VK_UP, {}, IDC_EDIT, 6},
          {VK_RETURN, {}, IDC_EDIT_COMBO, 6}}},
        {"edit combo: Ctrl+Space steps from no selection and wraps back", 1, IDC_EDIT_COMBO, -1,
         {{VK_SPACE, kCtrl, IDC_EDIT_COMBO, 0}, {VK_SPACE, kCtrl, IDC_EDIT_COMBO, 1},
          {VK_SPACE, kCtrlShift, IDC_EDIT_COMBO, 0}, {VK_SPACE, kCtrlShift, IDC_EDIT_COMBO, 2},
          {VK_DOWN, {}, IDC_MULTILINE, 2}}},
        {"a multi-line edit keeps its keys", 1, IDC_MULTILINE, -1, {{VK_DOWN, {}, IDC_MULTILINE, -1}}},
        {"setting off: the dialog manager's arrows", std::nullopt, IDC_BUTTON_C, -1, {{VK_DOWN, {}, IDC_BUTTON_A, -1}}},
        {"setting off: an edit keeps Down", std::nullopt, IDC_EDIT, -1, {{VK_DOWN, {}, IDC_EDIT, -1}}},
        {"setting 2 is off", 2, IDC_BUTTON_C, -1, {{VK_DOWN, {}, IDC_BUTTON_A, -1}}},
        {"setting off: list boxes still step with the full-width space", std::nullopt, IDC_LIST, 2,
         {{0, {}, IDC_LIST, 2, 0x81}, {0, {}, IDC_LIST, 0, 0x40}, {0, {}, IDC_LIST, 0, 0x81},
          {0, {}, IDC_LIST, 1, 0x40}, {0, {}, IDC_LIST, 2, 0x3000}, {0, {}, IDC_LIST, 2, 0x81},
          {0, {}, IDC_LIST, 0, L'a'}}},
        {"setting off: list views do not", std::nullopt, IDC_LIST_VIEW, 2,
         {{0, {}, IDC_LIST_VIEW, 2, 0x81}, {0, {}, IDC_LIST_VIEW, 2, 0x40}, {0, {}, IDC_LIST_VIEW, 2, 0x3000}}},
    };
    for (const KeyCase& c : cases) {
        SCOPED_TRACE(c.what);
        TearDown();
        Open(c.setting);
        EXPECT_EQ(attached != FALSE, c.setting == 1u);
        if (c.control == IDC_LIST_VIEW && c.start >= 0) {
            ListView_SetItemState(GetDlgItem(dialog, c.control), c.start, LVIS_SELECTED | LVIS_FOCUSED,
                                  LVIS_SELECTED | LVIS_FOCUSED);
        } else if (c.start >= 0) {
            Send(c.control, c.control == IDC_LIST ? LB_SETCURSEL : CB_SETCURSEL, c.start);
        }
        Focus(c.control);
        int n = 0;
        for (const Step& step : c.steps) {
            ASSERT_TRUE(step.ch ? Char(step.ch) : Press(step.key, step.mods));
            EXPECT_EQ(FocusId(dialog), step.focus) << "step " << n;
            EXPECT_EQ(step.value < 0 ? -1 : ValueOf(c.control), step.value) << "step " << n;
            ++n;
        }
        for (int id : {IDC_BUTTON_A, IDC_BUTTON_B, IDC_BUTTON_C, IDOK})
            EXPECT_EQ((notifications[{id, BN_CLICKED}]), 0) << "moving presses nothing: " << id;
    }
}

TEST_F(AllControls, EnterPressesButtonsAndGoesToTheListViewsHandler)
{
    Open(1);
    Focus(IDC_BUTTON_A);
    ASSERT_TRUE(Press(VK_RETURN));
    EXPECT_EQ((notifications[{IDC_BUTTON_A, BN_CLICKED}]), 1);

    static HWND handled;
    static int handledData;
    static BOOL answer;
    ASSERT_EQ(assist->SetListEnterHandler(IDC_LIST_VIEW,
                                          [](HWND control, int data) {
                                              handled = control;
                                              handledData = data;
                                              return answer;
                                          },
                                          42),
              1);
    Focus(IDC_LIST_VIEW);
    answer = TRUE;
    ASSERT_TRUE(Press(VK_RETURN));
    EXPECT_EQ(handled, GetDlgItem(dialog, IDC_LIST_VIEW));
    EXPECT_EQ(handledData, 42);
    EXPECT_EQ(FocusId(dialog), IDC_LIST_VIEW) << "the handler ate the key";
    answer = FALSE;
    ASSERT_TRUE(Press(VK_RETURN));
    EXPECT_EQ(FocusId(dialog), IDC_EDIT) << "a handler that declines moves on";
}

// Attached without reading the setting, it counts as on, though not on a
// window without controls.
TEST(ControlAssist, AttachedWithoutTheSetting)
{
    ScopedWindowOperation off(std::nullopt);
    for (const bool controls : {false, true}) {
        HWND dialog = controls ? CreateDialogParamW(win::CurrentModule(), MAKEINTRESOURCEW(IDD_ALL_CONTROLS), nullptr,
                                                    CountingProc, 0)
                               : CreateWindowW(L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
        CLumaControlAssist assist;
        EXPECT_EQ(assist.Attach(dialog, FALSE) != FALSE, controls);
        EXPECT_EQ(assist.IsOperationOn() != FALSE, controls);
        assist.Detach();
        DestroyWindow(dialog);
    }
}

// A guide message sits under its control, never takes the focus, is spoken
// with a beep, and closes on the next key or click or when another replaces
// it.
TEST_F(AllControls, GuideMessages)
{
    Open(1);
    testsupport::ScopedTranscript transcript;
    std::string text = cp932::FromWide(L"短い\n二行目のほうが長い文"), spoken = cp932::FromWide(L"名前が 正しく ありません");
    EXPECT_EQ(assist->ShowGuide(GetDlgItem(dialog, IDC_EDIT), text.c_str(), spoken.c_str()), 1)
        << "the reader's result is handed on";
    HWND guide = assist->GuideWindow();
    ASSERT_TRUE(guide);
    EXPECT_FALSE(IsWindowEnabled(guide)) << "it never takes the focus";
    EXPECT_EQ(transcript.Count(L"beep 30"), 1u);
    EXPECT_EQ(transcript.Count(L"reader Speak 1 名前が 正しく ありません"), 1u);

    EXPECT_EQ(assist->ShowGuideAt(IDC_LIST, "b", nullptr), 0) << "nothing spoken, nothing returned";
    EXPECT_FALSE(IsWindow(guide)) << "replaced";
    guide = assist->GuideWindow();
    RECT guideRect, listRect;
    GetWindowRect(guide, &guideRect);
    GetWindowRect(GetDlgItem(dialog, IDC_LIST), &listRect);
    EXPECT_EQ(guideRect.top, listRect.bottom + 2);
    Focus(IDC_LIST);
    ASSERT_TRUE(Press(VK_HOME));
    EXPECT_FALSE(IsWindow(guide)) << "a key that does nothing else closes it";

    assist->ShowGuideAt(IDC_LIST, "c", nullptr);
    guide = assist->GuideWindow();
    SendMessageW(GetDlgItem(dialog, IDC_BUTTON_A), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    SendMessageW(GetDlgItem(dialog, IDC_BUTTON_A), WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    EXPECT_FALSE(IsWindow(guide)) << "a click closes it";
    EXPECT_EQ(assist->ShowGuideAt(9999, "c", "c"), 0);
    EXPECT_EQ(assist->GuideWindow(), nullptr) << "no control, no guide";
}

} // namespace
