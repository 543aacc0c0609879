#include "game/name_entry.h"

#include "game/em_text.h"
#include "game/fonts.h"
#include "game/logic/layout.h"
#include "game/program_state.h"
#include "game/rules/rankings.h"
#include "game/voice.h"
#include "speech/transcript.h"
#include "win/cp932.h"
#include "win/handles.h"

namespace game {

namespace {

constexpr wchar_t kClassName[] = L"VemoNameEntry";
constexpr wchar_t kCaption[] = L"名前の入力";
constexpr wchar_t kLabel[] = L"【ベスト5】 あなたの名前は? ";
constexpr wchar_t kPrompt[] = L"ベストファイブ入賞　あなたの名前を入力してください";
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kExStyle = WS_EX_TOOLWINDOW;

constexpr int kClientWidth = 6660, kClientHeight = 1815;
constexpr layout::Twips kLabel1 = {120, 120, 6615, 495};
constexpr layout::Twips kText1 = {120, 840, 4455, 765};
constexpr layout::Twips kCommand1 = {4680, 840, 1815, 735};
constexpr double kLabelPoints = 21.75, kTextPoints = 36, kButtonPoints = 26.25;
constexpr int kOkId = 1;

// The text box is laid out for 36-point type in the classic gothic face,
// whose line is one em high. A face with a taller line (found on other
// systems) would have the lower part of its glyphs cut off by the box: the
// line is placed so that its em box is centred in the box. (The box is a
// one-line box of the multi-line kind, which alone lets its line be placed.)
void CentreEmBox(HWND box)
{
    RECT r;
    GetClientRect(box, &r);
    win::WindowDC dc(box);
    win::SelectObjectGuard font(dc.get(), reinterpret_cast<HGDIOBJ>(SendMessageW(box, WM_GETFONT, 0, 0)));
    TEXTMETRICW tm = {};
    GetTextMetricsW(dc.get(), &tm);
    r.top = (r.bottom - EmHeight(dc.get())) / 2 - EmOffset(dc.get());
    r.bottom = r.top + tm.tmHeight;
    SendMessageW(box, EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&r));
}

// The system beep, noted in the speech transcript as a plain beep.
void SystemBeep()
{
    speech::transcript::Write({L"beep", L"0"});
    MessageBeep(MB_OK);
}

} // namespace

NameEntry::~NameEntry()
{
    keysScope_.reset();
}

void NameEntry::ShowModal(HWND owner)
{
    HINSTANCE instance = GetModuleHandleW(nullptr);
    if (!RegisterClass(instance, kClassName, CS_HREDRAW | CS_VREDRAW, GetSysColorBrush(COLOR_BTNFACE)))
        return;
    const int dpi = ScreenDpi();
    RECT r = {0, 0, layout::ToPixels(kClientWidth, dpi), layout::ToPixels(kClientHeight, dpi)};
    AdjustWindowRectEx(&r, kStyle, FALSE, kExStyle);
    if (!Create(instance, kClassName, kCaption, kStyle, kExStyle, 0, 0, r.right - r.left, r.bottom - r.top, owner))
        return;
    Form_Load(owner);
    keysScope_.emplace(&keys_);
    win::RunModal(hwnd(), owner, [this] { return finished_; });
    keysScope_.reset();
}

void NameEntry::Form_Load(HWND owner)
{
    const int dpi = ScreenDpi();
    auto make = [&](const wchar_t* cls, const wchar_t* text, DWORD style, DWORD exStyle, const layout::Twips& t,
                    int id) {
        return CreateWindowExW(exStyle, cls, text, WS_CHILD | WS_VISIBLE | style, layout::ToPixels(t.left, dpi),
                               layout::ToPixels(t.top, dpi), layout::ToPixels(t.width, dpi),
                               layout::ToPixels(t.height, dpi), hwnd(), reinterpret_cast<HMENU>(INT_PTR{id}),
                               GetModuleHandleW(nullptr), nullptr);
    };
    label1_ = make(L"STATIC", kLabel, SS_LEFT | SS_NOPREFIX, 0, kLabel1, 0);
    text1_ = make(L"EDIT", L"", WS_TABSTOP | ES_MULTILINE | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, kText1, 0);
    command1_ = make(L"BUTTON", L"OK", WS_TABSTOP | BS_PUSHBUTTON, 0, kCommand1, kOkId);
    labelFont_ = MakeFont(FontPitch::Proportional, kLabelPoints);
    textFont_ = MakeFont(FontPitch::Fixed, kTextPoints);
    buttonFont_ = MakeFont(FontPitch::Proportional, kButtonPoints);
    SendMessageW(label1_, WM_SETFONT, reinterpret_cast<WPARAM>(labelFont_.get()), FALSE);
    SendMessageW(text1_, WM_SETFONT, reinterpret_cast<WPARAM>(textFont_.get()), FALSE);
    SendMessageW(command1_, WM_SETFONT, reinterpret_cast<WPARAM>(buttonFont_.get()), FALSE);
    CentreEmBox(text1_);
    clicks_.Attach(text1_);

    restoring_ = true;
    SetWindowTextW(text1_, L"");
    restoring_ = false;
    accepted_.clear();
    EnteredName.clear();
    win::CenterOn(hwnd(), owner);
}

void NameEntry::Text1_Change()
{
    if (restoring_)
        return;
    std::wstring text = win::GetText(text1_);
    // A name is one line (a pasted line break is refused like a long name).
    if (text.find_first_of(L"\r\n") == std::wstring::npos && cp932::ByteLength(text) <= rules::kNameBytes) {
        accepted_ = std::move(text);
        return;
    }
    DWORD caret = 0;
    SendMessageW(text1_, EM_GETSEL, reinterpret_cast<WPARAM>(&caret), 0);
    restoring_ = true;
    SetWindowTextW(text1_, accepted_.c_str());
    restoring_ = false;
    const DWORD length = static_cast<DWORD>(accepted_.size());
    const WPARAM position = caret < length ? caret : length;
    SendMessageW(text1_, EM_SETSEL, position, static_cast<LPARAM>(position));
    SystemBeep();
}

void NameEntry::Text1_GotFocus()
{
    voice_.StopSpeech();
    win::DoEvents();
    voice_.Speak(kPrompt);
}

void NameEntry::Accept()
{
    EnteredName = win::GetText(text1_);
    if (EnteredName.empty()) {
        SystemBeep();
        return;
    }
    finished_ = true;
}

LRESULT NameEntry::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE && !HIWORD(wParam) && text1_) {
            SetFocus(text1_);
            return 0;
        }
        break;
    case WM_COMMAND: {
        const auto control = reinterpret_cast<HWND>(lParam);
        if (control == text1_ && HIWORD(wParam) == EN_CHANGE)
            Text1_Change();
        else if (control == text1_ && HIWORD(wParam) == EN_SETFOCUS)
            Text1_GotFocus();
        else if (control == command1_ && HIWORD(wParam) == BN_CLICKED)
            Accept();
        return 0;
    }
    case WM_CTLCOLOREDIT:
        if (reinterpret_cast<HWND>(lParam) == text1_) {
            // Light on dark under the usual colour scheme.
            auto dc = reinterpret_cast<HDC>(wParam);
            SetTextColor(dc, GetSysColor(COLOR_WINDOW));
            SetBkColor(dc, GetSysColor(COLOR_WINDOWTEXT));
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOWTEXT));
        }
        break;
    case WM_CLOSE:
        // Refused, silently, until a name has been accepted.
        if (!EnteredName.empty())
            finished_ = true;
        return 0;
    default:
        break;
    }
    return DefaultProc(msg, wParam, lParam);
}

LRESULT NameEntry::TextBoxClicks::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = DefaultProc(msg, wParam, lParam);
    if (msg == WM_LBUTTONDBLCLK)
        owner_.Accept();
    return result;
}

bool NameEntry::Keys::PreTranslateMessage(MSG& msg)
{
    HWND window = owner_.hwnd();
    if (msg.message != WM_KEYDOWN || !window || !IsChild(window, msg.hwnd))
        return false;
    if (msg.wParam == VK_RETURN) {
        owner_.Accept();
        return true;
    }
    if (msg.wParam == VK_TAB) {
        SetFocus(msg.hwnd == owner_.text1_ ? owner_.command1_ : owner_.text1_);
        return true;
    }
    return false;
}

} // namespace game
