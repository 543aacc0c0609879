#include "game/quiz_window.h"

#include <windowsx.h>

#include "game/fonts.h"
#include "game/logic/texts.h"
#include "game/menu.h"
#include "game/program_state.h"
#include "game/timing.h"
#include "win/registry.h"

namespace game {

namespace {

constexpr wchar_t kClassName[] = L"VemoQuizWindow";
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

constexpr UINT kTimerInterval[] = {0, 1000, 100}; // by TimerId

} // namespace

QuizWindow::QuizWindow() = default;

QuizWindow::~QuizWindow()
{
    accelScope_.reset();
    tabScope_.reset();
}

bool QuizWindow::Load(HINSTANCE instance)
{
    HICON icon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    if (!RegisterClass(instance, kClassName, CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS, nullptr, icon))
        return false;
    menu_ = BuildMenuBar();
    dpi_ = ScreenDpi();
    RECT r = {0, 0, layout::ToPixels(layout::kClientWidth, dpi_), layout::ToPixels(layout::kClientHeight, dpi_)};
    AdjustWindowRectEx(&r, kStyle, TRUE, 0);
    if (!Create(instance, kClassName, texts::kTitle, kStyle, 0, CW_USEDEFAULT, CW_USEDEFAULT, r.right - r.left,
                r.bottom - r.top, nullptr, menu_.get()))
        return false;
    win::CenterOn(hwnd(), nullptr);
    answerList_.Attach(selA_);
    accel_ = BuildAccelerators();
    accelFilter_.emplace(hwnd(), accel_.get());
    accelScope_.emplace(&*accelFilter_);
    tabScope_.emplace(&tabFilter_);
    Form_Load();
    return true;
}

void QuizWindow::Show()
{
    ShowWindow(hwnd(), SW_SHOWNORMAL);
    SetForegroundWindow(hwnd());
    UpdateWindow(hwnd());
}

void QuizWindow::Unload()
{
    if (unloaded_ || !hwnd())
        return;
    Form_Unload();
    unloaded_ = true;
    accelScope_.reset();
    tabScope_.reset();
    DestroyWindow(hwnd());
}

void QuizWindow::Form_Load()
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    Random = quiz::MakeSeededRandom(now.wSecond);

    Closing = false;
    Playing = false;
    QuizLoaded = false;
    SpeedMode = false;

    // Nothing can be played, cancelled, re-read or looked up before a quiz
    // is loaded.
    ApplyMenuState(MenuState::NoQuiz);

    Voice = std::make_unique<game::Voice>();

    SetWindowTextW(textQ_, L"");
    SendMessageW(selA_, LB_RESETCONTENT, 0, 0);

    Voice->SetMode(65);

    Mes1Disp(0);
    Mes2DispS(L"");

    SetStyle(ParseViewStyle(win::ReadUserValueText(kSettingsKey, kViewStyleValue)));
}

void QuizWindow::Form_Activate()
{
    Voice->SetMode(65);
    Voice->StopSpeech();
    if (!Playing && !QuizLoaded) {
        Voice->Speak(texts::kOpenHint);
        Voice->WaitSpeech();
    }
}

void QuizWindow::Form_Unload()
{
    Closing = true;
    Answering = false;
    QuizAbort = true;
    QLineOn = false;
    EnableTimer(TimerQLine, false);

    Voice->StopSpeech();
    Voice->Speak(texts::kFarewell);
    Voice->WaitSpeech();
}

void QuizWindow::CancelAndWait()
{
    Voice->StopSpeech();
    for (int i = EventRounds(1001); i > 0; --i)
        win::DoEvents();
}

void QuizWindow::EnableTimer(TimerId timer, bool on)
{
    if (!hwnd())
        return;
    if (on)
        SetTimer(hwnd(), timer, TimerMs(kTimerInterval[timer]), nullptr);
    else
        KillTimer(hwnd(), timer);
}

void QuizWindow::EnableCommand(int id, bool enabled)
{
    EnableMenuItem(menu_.get(), static_cast<UINT>(id), MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

bool QuizWindow::CommandIsEnabled(int id) const
{
    UINT state = GetMenuState(menu_.get(), static_cast<UINT>(id), MF_BYCOMMAND);
    return state != static_cast<UINT>(-1) && !(state & (MF_GRAYED | MF_DISABLED));
}

void QuizWindow::ApplyMenuState(MenuState state)
{
    for (int id : StateCommands())
        EnableCommand(id, CommandEnabled(id, state));
}

void QuizWindow::OnCommand(int id, int notifyCode, HWND control)
{
    if (control) {
        if (control == textQ_ && notifyCode == EN_SETFOCUS)
            TextQ_GotFocus();
        else if (control == textQ_ && notifyCode == EN_KILLFOCUS)
            TextQ_LostFocus();
        return;
    }
    // A command of a disabled item does nothing, however it arrives.
    if (!FindCommand(id) || !CommandIsEnabled(id))
        return;
    switch (id) {
    case mnuFileOpen:
        mnuFileOpen_Click();
        break;
    case mnuFileQuit:
        mnuFileQuit_Click();
        break;
    case mnuQuizeEasy:
        mnuQuizeEasy_Click();
        break;
    case mnuQuizeSpeed:
        mnuQuizeSpeed_Click();
        break;
    case mnuQuizeCancel:
        mnuQuizeCancel_Click();
        break;
    case mnuQuizeRevoice:
        mnuQuizeRevoice_Click();
        break;
    case mnuQuizeCheck:
        mnuQuizeCheck_Click();
        break;
    case mnuToolInfo:
        mnuToolInfo_Click();
        break;
    case mnuToolRank:
        mnuToolRank_Click();
        break;
    case mnuToolDownload1:
        mnuToolDownload1_Click();
        break;
    case mnuToolDownload2:
        mnuToolDownload2_Click();
        break;
    case mnuHelpDoc:
        mnuHelpDoc_Click();
        break;
    case mnuHelpVersion:
        mnuHelpVersion_Click();
        break;
    case mnuViewStyleID0:
    case mnuViewStyleID1:
    case mnuViewStyleID2:
    case mnuViewStyleID3:
        SetStyle(id - mnuViewStyleID0);
        break;
    default:
        break;
    }
}

void QuizWindow::mnuFileQuit_Click()
{
    Closing = true;
    win::DoEvents();
    Unload();
}

void QuizWindow::mnuQuizeCancel_Click()
{
    QuizAbort = true;
}

void QuizWindow::mnuQuizeRevoice_Click()
{
    Voice->StopSpeech();
    Voice->Speak(win::GetText(textQ_));
}

void QuizWindow::TextQ_GotFocus()
{
    if (Answering)
        Voice->Speak(texts::kQuestionBoxEntered);
    else
        SetFocus(selA_);
}

void QuizWindow::TextQ_LostFocus()
{
    if (Answering)
        Voice->Speak(texts::kQuestionBoxLeft);
}

bool QuizWindow::TabFilter::PreTranslateMessage(MSG& msg)
{
    HWND window = owner_.hwnd();
    if (msg.message != WM_KEYDOWN || msg.wParam != VK_TAB || !window || !IsChild(window, msg.hwnd))
        return false;
    if (!IsWindowEnabled(window))
        return false;
    bool back = GetKeyState(VK_SHIFT) < 0;
    HWND next = GetNextDlgTabItem(window, msg.hwnd, back);
    if (next)
        SetFocus(next);
    return true;
}

LRESULT QuizWindow::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_CREATE:
        CreateControls();
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            HWND focus = GetFocus();
            if (focus && IsChild(hwnd(), focus))
                lastFocus_ = focus;
            return 0;
        }
        if (!HIWORD(wParam)) {
            // The window's own step first: it stops speech, so the control
            // that takes the focus afterwards is heard in full.
            if (IsWindowVisible(hwnd()) && !unloaded_)
                Form_Activate();
            SetFocus(lastFocus_ && IsWindow(lastFocus_) ? lastFocus_ : selA_);
        }
        return 0;
    case WM_COMMAND:
        OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
        return 0;
    case WM_CLOSE:
        Unload();
        return 0;
    case WM_LBUTTONDBLCLK:
        Label3_DblClick(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
    case WM_TIMER:
        if (wParam == TimerQLine)
            TimerQLine_Timer();
        else if (wParam == TimeUp)
            TimeUp_Timer();
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        Paint(win::PaintDC(hwnd()).get());
        return 0;
    case WM_DRAWITEM:
        DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
        return ControlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    default:
        return DefaultProc(msg, wParam, lParam);
    }
}

} // namespace game
