#include "game/text_window.h"

#include "game/fonts.h"
#include "win/message_loop.h"

namespace game {

namespace {

constexpr wchar_t kClassName[] = L"VemoTextWindow";
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kExStyle = WS_EX_TOOLWINDOW;
constexpr DWORD kTextStyle = WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL;
constexpr COLORREF kBack = RGB(0, 0, 0);
constexpr COLORREF kFore = RGB(255, 255, 255);
// Posted on the first activation, so that the announcement runs once the
// activation itself is over.
constexpr UINT kActivated = WM_APP + 1;

} // namespace

TextWindow::TextWindow(game::Voice& voice, const TextWindowLayout& layout) : voice_(voice), layout_(layout) {}

TextWindow::~TextWindow()
{
    escape_.Detach();
}

bool TextWindow::CreateWindowAndBox(HWND owner)
{
    HINSTANCE instance = GetModuleHandleW(nullptr);
    if (!RegisterClass(instance, kClassName, 0, nullptr))
        return false;
    int dpi = ScreenDpi();
    RECT r = {0, 0, layout::ToPixels(layout_.clientWidth, dpi), layout::ToPixels(layout_.clientHeight, dpi)};
    AdjustWindowRectEx(&r, kStyle, FALSE, kExStyle);
    if (!Create(instance, kClassName, layout_.caption, kStyle, kExStyle, 0, 0, r.right - r.left, r.bottom - r.top,
                owner))
        return false;

    const layout::Twips& t = layout_.text;
    text1_ = CreateWindowExW(0, L"EDIT", Text.c_str(), kTextStyle, layout::ToPixels(t.left, dpi),
                             layout::ToPixels(t.top, dpi), layout::ToPixels(t.width, dpi),
                             layout::ToPixels(t.height, dpi), hwnd(), nullptr, instance, nullptr);
    if (!text1_)
        return false;
    font_ = MakeFont(FontPitch::Fixed, layout_.points);
    SendMessageW(text1_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    black_.reset(CreateSolidBrush(kBack));
    escape_.Attach(text1_);
    win::CenterOn(hwnd(), owner);
    return true;
}

void TextWindow::ShowModal(HWND owner)
{
    activated_ = false;
    finished_ = false;
    if (!CreateWindowAndBox(owner)) {
        if (hwnd())
            DestroyWindow(hwnd());
        return;
    }
    win::RunModal(hwnd(), owner, [this] { return finished_; });
    text1_ = nullptr;
}

LRESULT TextWindow::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE) {
            SetFocus(text1_);
            if (!activated_) {
                activated_ = true;
                PostMessageW(hwnd(), kActivated, 0, 0);
            }
        }
        return 0;
    case kActivated:
        if (!finished_)
            Form_Activate();
        return 0;
    case WM_CLOSE:
        Finish();
        return 0;
    case WM_CTLCOLORSTATIC: // a read-only text box asks with this one
    case WM_CTLCOLOREDIT: {
        auto dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, kFore);
        SetBkColor(dc, kBack);
        return reinterpret_cast<LRESULT>(black_.get());
    }
    default:
        return DefaultProc(msg, wParam, lParam);
    }
}

LRESULT TextWindow::EscapeKey::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_KEYDOWN && wParam == VK_ESCAPE) {
        owner_.Text1_Escape();
        return 0;
    }
    if (msg == WM_CHAR && wParam == VK_ESCAPE)
        return 0;
    return DefaultProc(msg, wParam, lParam);
}

} // namespace game
