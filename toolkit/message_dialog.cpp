// The speaking message box (template 9000): button sets, default buttons,
// Escape, icon and beep, a layout that fits the text, and the timeout.
#include "toolkit/message_box.h"

#include "speech/transcript.h"
#include "toolkit/control_assist.h"
#include "toolkit/resource.h"
#include "win/cp932.h"
#include "win/dialog.h"
#include "win/handles.h"
#include "win/module.h"
#include "win/sjis.h"
#include "win/window.h"

#include <algorithm>
#include <array>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr UINT_PTR kTimerId = 1000;
constexpr std::size_t kButtonCaptionBytes = 15;
constexpr int kButtonIds[3] = {IDC_LUMA_MSG_BUTTON1, IDC_LUMA_MSG_BUTTON2, IDC_LUMA_MSG_BUTTON3};

// One standard button set: each button's caption and result (none: hidden)
// and what Escape returns (0: Escape is ignored).
struct ButtonSet {
    const wchar_t* captions[3];
    int results[3];
    int escape;
};

constexpr ButtonSet kButtonSets[6] = {
    {{L"OK", nullptr, nullptr}, {IDOK, 0, 0}, IDOK},
    {{L"OK", L"ｷｬﾝｾﾙ", nullptr}, {IDOK, IDCANCEL, 0}, IDCANCEL},
    {{L"失敗", L"再試行", L"無視"}, {IDABORT, IDRETRY, IDIGNORE}, 0},
    {{L"はい", L"いいえ", L"ｷｬﾝｾﾙ"}, {IDYES, IDNO, IDCANCEL}, IDCANCEL},
    {{L"はい", L"いいえ", nullptr}, {IDYES, IDNO, 0}, 0},
    {{L"再試行", L"ｷｬﾝｾﾙ", nullptr}, {IDRETRY, IDCANCEL, 0}, IDCANCEL},
};

constexpr UINT kButtonSetMask = 0x0F;
constexpr UINT kIconMask = 0xF0;

RECT ChildRect(HWND dialog, HWND child)
{
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

void MoveChild(HWND child, const RECT& r)
{
    SetWindowPos(child, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

// Sounds the platform beep of the type's icon and notes it in the transcript.
void Beep(UINT iconBits)
{
    MessageBeep(iconBits);
    wchar_t hex[16];
    wsprintfW(hex, L"%X", iconBits);
    speech::transcript::Write({L"beep", hex});
}

class CLumaMessageDlg : public win::Dialog {
public:
    UINT timeout = 0;
    UINT_PTR timerId = 0;
    std::array<std::string, 3> buttonCaptions; // code page 932, at most 15 bytes
    bool custom = false;                       // the captions above, when the first is set
    HICON icon = nullptr;
    std::wstring caption;
    std::wstring text;
    UINT type = 0;
    std::unique_ptr<CLumaControlAssist> assistant;

    int Run()
    {
        if ((type & kIconMask) != 0)
            Beep(type & kIconMask);
        INT_PTR result = DoModal(win::CurrentModule(), IDD_LUMA_MESSAGE, GetActiveWindow());
        return result < 0 ? 0 : static_cast<int>(result);
    }

protected:
    INT_PTR HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int notifyCode, HWND control) override;
    void OnDestroy() override;

private:
    int ButtonSetIndex() const { return static_cast<int>(type & kButtonSetMask); }
    void SetButtons();
    int ChooseDefaultButton() const;
    void Layout();
    void OnTimer();
};

INT_PTR CLumaMessageDlg::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_TIMER:
        if (wParam != kTimerId)
            return FALSE;
        OnTimer();
        return TRUE;
    default:
        return Dialog::HandleMessage(msg, wParam, lParam);
    }
}

BOOL CLumaMessageDlg::OnInitDialog()
{
    switch (type & kIconMask) {
    case MB_ICONHAND:
        icon = LoadIconW(nullptr, IDI_HAND);
        break;
    case MB_ICONQUESTION:
        icon = LoadIconW(nullptr, IDI_QUESTION);
        break;
    case MB_ICONEXCLAMATION:
        icon = LoadIconW(nullptr, IDI_EXCLAMATION);
        break;
    case MB_ICONASTERISK:
        icon = LoadIconW(nullptr, IDI_ASTERISK);
        break;
    default:
        icon = nullptr;
        break;
    }
    if (icon)
        SendDlgItemMessageW(hwnd(), IDC_LUMA_MSG_ICON, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);

    SetDlgItemTextW(hwnd(), IDC_LUMA_MSG_TEXT, text.c_str());
    if (!caption.empty())
        SetWindowTextW(hwnd(), caption.c_str());

    SetButtons();

    int defaultId = ChooseDefaultButton();
    SendMessageW(hwnd(), DM_SETDEFID, static_cast<WPARAM>(defaultId), 0);
    SendMessageW(hwnd(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(defaultId)), TRUE);

    Layout();
    win::CenterOn(hwnd(), GetWindow(hwnd(), GW_OWNER));

    assistant.reset();
    assistant = std::make_unique<CLumaControlAssist>();
    assistant->Attach(hwnd(), TRUE);

    if (timeout != 0)
        timerId = SetTimer(hwnd(), kTimerId, timeout, nullptr);
    return FALSE; // the focus is set
}

void CLumaMessageDlg::SetButtons()
{
    if (custom) {
        // An absent caption hides its button and every button after it.
        bool shown = true;
        for (int i = 0; i < 3; ++i) {
            shown = shown && !buttonCaptions[i].empty();
            if (shown)
                SetDlgItemTextW(hwnd(), kButtonIds[i], cp932::ToWide(buttonCaptions[i]).c_str());
            else
                ShowWindow(Item(kButtonIds[i]), SW_HIDE);
        }
        return;
    }
    const ButtonSet& set = kButtonSets[ButtonSetIndex()];
    for (int i = 0; i < 3; ++i) {
        if (set.captions[i])
            SetDlgItemTextW(hwnd(), kButtonIds[i], set.captions[i]);
        else
            ShowWindow(Item(kButtonIds[i]), SW_HIDE);
    }
}

int CLumaMessageDlg::ChooseDefaultButton() const
{
    int set = ButtonSetIndex();
    if (type & MB_DEFBUTTON2)
        return set == 0 ? IDC_LUMA_MSG_BUTTON1 : IDC_LUMA_MSG_BUTTON2;
    if ((type & MB_DEFBUTTON3) && (set == 2 || set == 3))
        return IDC_LUMA_MSG_BUTTON3;
    return IDC_LUMA_MSG_BUTTON1;
}

// Fits the text static to the text, growing the box with it, and centres
// the row of buttons under it.
void CLumaMessageDlg::Layout()
{
    HWND textStatic = Item(IDC_LUMA_MSG_TEXT);
    RECT textRect = ChildRect(hwnd(), textStatic);
    if ((type & kIconMask) == 0) {
        textRect.left = ChildRect(hwnd(), Item(IDC_LUMA_MSG_ICON)).left;
        MoveChild(textStatic, textRect);
    }

    std::vector<std::wstring> lines;
    for (std::size_t start = 0;;) {
        std::size_t end = text.find(L'\n', start);
        lines.push_back(text.substr(start, end == std::wstring::npos ? std::wstring::npos : end - start));
        if (end == std::wstring::npos)
            break;
        start = end + 1;
    }
    int widest = 0, lineHeight = 0;
    {
        win::WindowDC dc(textStatic);
        auto font = reinterpret_cast<HFONT>(SendMessageW(textStatic, WM_GETFONT, 0, 0));
        win::SelectObjectGuard select(dc.get(), font ? static_cast<HGDIOBJ>(font) : GetStockObject(SYSTEM_FONT));
        TEXTMETRICW metrics = {};
        GetTextMetricsW(dc.get(), &metrics);
        lineHeight = metrics.tmHeight;
        for (const std::wstring& line : lines) {
            SIZE size = {};
            GetTextExtentPoint32W(dc.get(), line.c_str(), static_cast<int>(line.size()), &size);
            widest = std::max(widest, static_cast<int>(size.cx));
        }
    }
    int extraWidth = std::max(0, widest - static_cast<int>(textRect.right - textRect.left));
    int extraHeight =
        std::max(0, lineHeight * static_cast<int>(lines.size()) - static_cast<int>(textRect.bottom - textRect.top));

    int set = ButtonSetIndex();
    if (extraWidth > 0 || extraHeight > 0) {
        textRect.right += extraWidth;
        textRect.bottom += extraHeight;
        MoveChild(textStatic, textRect);
        RECT box;
        GetWindowRect(hwnd(), &box);
        SetWindowPos(hwnd(), nullptr, 0, 0, box.right - box.left + extraWidth, box.bottom - box.top + extraHeight,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    } else if (set == 2 || set == 3) {
        return; // three-button rows keep their places
    }

    int lastButton = set == 0 ? 0 : (set == 2 || set == 3) ? 2 : 1;
    RECT first = ChildRect(hwnd(), Item(kButtonIds[0]));
    RECT last = ChildRect(hwnd(), Item(kButtonIds[lastButton]));
    RECT client;
    GetClientRect(hwnd(), &client);
    int groupWidth = last.right - first.left;
    int dx = (client.right - groupWidth) / 2 - first.left;
    for (int id : kButtonIds) {
        RECT r = ChildRect(hwnd(), Item(id));
        OffsetRect(&r, dx, extraHeight);
        MoveChild(Item(id), r);
    }
}

bool CLumaMessageDlg::OnCommand(int id, int, HWND)
{
    switch (id) {
    case IDC_LUMA_MSG_BUTTON1:
    case IDC_LUMA_MSG_BUTTON2:
    case IDC_LUMA_MSG_BUTTON3: {
        if (custom) {
            EndDialog(id);
            return true;
        }
        int result = kButtonSets[ButtonSetIndex()].results[id - IDC_LUMA_MSG_BUTTON1];
        if (result != 0)
            EndDialog(result);
        return true;
    }
    case IDCANCEL: // Escape or the close box
        if (custom) {
            for (int i = 0; i < 3; ++i) {
                std::wstring c = cp932::ToWide(buttonCaptions[i]);
                if (!c.empty() && (c == L"ｷｬﾝｾﾙ" || c == L"キャンセル")) {
                    EndDialog(kButtonIds[i]);
                    break;
                }
            }
        } else if (int result = kButtonSets[ButtonSetIndex()].escape; result != 0) {
            EndDialog(result);
        }
        return true;
    default:
        return true; // nothing else ends the box
    }
}

// The timeout presses the default button.
void CLumaMessageDlg::OnTimer()
{
    KillTimer(hwnd(), kTimerId);
    timerId = 0;
    LRESULT defId = SendMessageW(hwnd(), DM_GETDEFID, 0, 0);
    if (HIWORD(defId) != DC_HASDEFID)
        return;
    int id = LOWORD(defId);
    PostMessageW(hwnd(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(Item(id)));
}

void CLumaMessageDlg::OnDestroy()
{
    assistant.reset();
    if (timerId) {
        KillTimer(hwnd(), kTimerId);
        timerId = 0;
    }
}

} // namespace

int SpeakMessageBox(const char* text, const char* caption, UINT type, UINT timeoutMs)
{
    try {
        if (!text || (type & kButtonSetMask) > 5)
            return 0;
        CLumaMessageDlg dlg;
        dlg.text = cp932::ToWide(text);
        if (caption)
            dlg.caption = cp932::ToWide(caption);
        dlg.type = type;
        dlg.timeout = timeoutMs;
        return dlg.Run();
    } catch (...) {
        return 0;
    }
}

int SpeakMessageBoxEx(const char* text, const char* caption, const char* button1, const char* button2,
                      const char* button3, UINT type)
{
    try {
        if (!text || !button1)
            return 0;
        CLumaMessageDlg dlg;
        dlg.text = cp932::ToWide(text);
        if (caption)
            dlg.caption = cp932::ToWide(caption);
        const char* given[3] = {button1, button2, button2 ? button3 : nullptr};
        for (int i = 0; i < 3; ++i)
            dlg.buttonCaptions[i] = std::string(sjis::CutToBytes(sjis::FromCString(given[i]), kButtonCaptionBytes));
        // With a first caption the buttons show the captions up to the first
        // empty one. Without it the standard set for the number of captions
        // given applies, with its own captions and results.
        dlg.custom = !dlg.buttonCaptions[0].empty();
        std::size_t count = 0;
        if (dlg.custom)
            while (count < 3 && !dlg.buttonCaptions[count].empty())
                ++count;
        else
            count = 1 + (given[1] ? 1 : 0) + (given[2] ? 1 : 0);
        UINT set = count <= 1 ? 0 : count == 2 ? 1 : 3;
        dlg.type = (type & ~kButtonSetMask) | set;
        return dlg.Run();
    } catch (...) {
        return 0;
    }
}
