#include "folder_driver.h"

#include <commctrl.h>

#include "win/window.h"

#include <gtest/gtest.h>

namespace foldertest {

namespace {

thread_local Driver* t_driver = nullptr;

constexpr UINT kRunPending = WM_APP + 1;
constexpr UINT kMarker = WM_APP + 2;
constexpr UINT_PTR kWatchdog = 1;
constexpr wchar_t kClassName[] = L"FolderTestDriver";

BOOL CALLBACK CancelWindow(HWND window, LPARAM)
{
    PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
    return TRUE;
}

} // namespace

bool IsFolderDialog(HWND window)
{
    HWND list = GetDlgItem(window, 1029);
    wchar_t name[64] = {};
    return list && GetClassNameW(list, name, 64) && lstrcmpiW(name, WC_LISTVIEWW) == 0;
}

Driver::Driver(UINT timeoutMs, std::function<bool(HWND)> isMain) : timeoutMs_(timeoutMs), isMain_(std::move(isMain))
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kClassName;
    RegisterClassW(&wc);
    window_ = CreateWindowW(kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
    hook_ = SetWindowsHookExW(WH_CALLWNDPROCRET, ShowProc, nullptr, GetCurrentThreadId());
    t_driver = this;
}

Driver::~Driver()
{
    if (hook_)
        UnhookWindowsHookEx(hook_);
    if (window_)
        DestroyWindow(window_);
    t_driver = nullptr;
}

int Driver::Run(const std::function<int()>& call, std::function<void(HWND)> script)
{
    script_ = std::move(script);
    scriptRan_ = false;
    folderDialog_ = nullptr;
    SetTimer(window_, kWatchdog, timeoutMs_, nullptr);
    int result = call();
    KillTimer(window_, kWatchdog);
    return result;
}

void Driver::Answer(std::wstring title, std::function<void(HWND)> answer)
{
    answers_.emplace_back(std::move(title), std::move(answer));
}

LRESULT CALLBACK Driver::ShowProc(int code, WPARAM wParam, LPARAM lParam)
{
    const auto* message = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (code == HC_ACTION && t_driver && message->message == WM_SHOWWINDOW && message->wParam &&
        !(GetWindowLongW(message->hwnd, GWL_STYLE) & WS_CHILD))
        t_driver->OnShow(message->hwnd);
    if (code == HC_ACTION && t_driver && message->message == WM_INITMENUPOPUP)
        t_driver->OnMenu(reinterpret_cast<HMENU>(message->wParam));
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void Driver::OnShow(HWND window)
{
    if (isMain_(window) && (folderDialog_ == window || (!scriptRan_ && script_))) {
        if (folderDialog_ == window)
            return;
        folderDialog_ = window;
        pending_.push_back([this](HWND dialog) {
            scriptRan_ = true;
            auto script = std::move(script_);
            script_ = nullptr;
            script(dialog);
        });
    } else {
        std::wstring title = win::GetText(window);
        if (answers_.empty() || answers_.front().first != title) {
            wchar_t name[16] = {};
            if (!GetClassNameW(window, name, 16) || lstrcmpW(name, L"#32770") != 0)
                return;
            unanswered_.push_back(title);
            // The last button of a message box is its most cautious one
            // ("いいえ", "ｷｬﾝｾﾙ"); any other dialog is cancelled.
            pending_.push_back([](HWND box) {
                for (int id : {9007, 9006, 9005}) {
                    HWND button = GetDlgItem(box, id);
                    if (button && IsWindowVisible(button)) {
                        PostMessageW(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
                        return;
                    }
                }
                PostMessageW(box, WM_COMMAND, IDCANCEL, 0);
            });
        } else {
            pending_.push_back(std::move(answers_.front().second));
            answers_.pop_front();
        }
    }
    PostMessageW(window_, kRunPending, 0, reinterpret_cast<LPARAM>(window));
}

void Driver::OnMenu(HMENU menu)
{
    std::vector<std::wstring> items;
    int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        wchar_t text[128] = {};
        GetMenuStringW(menu, static_cast<UINT>(i), text, 128, MF_BYPOSITION);
        items.push_back(std::to_wstring(GetMenuItemID(menu, i)) + L" " + text);
    }
    menus_.push_back(std::move(items));
    // The menu's own loop dispatches this, and the menu closes.
    pending_.push_back([](HWND) { EndMenu(); });
    PostMessageW(window_, kRunPending, 0, 0);
}

LRESULT CALLBACK Driver::WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    Driver* driver = t_driver;
    if (driver && msg == kRunPending && !driver->pending_.empty()) {
        auto action = std::move(driver->pending_.front());
        driver->pending_.erase(driver->pending_.begin());
        action(reinterpret_cast<HWND>(lParam));
        return 0;
    }
    if (driver && msg == kMarker) {
        driver->marker_ = true;
        return 0;
    }
    if (driver && msg == WM_TIMER && wParam == kWatchdog) {
        driver->timedOut_ = true;
        KillTimer(hwnd, kWatchdog);
        EnumThreadWindows(GetCurrentThreadId(), CancelWindow, 0);
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

void Driver::Settle()
{
    marker_ = false;
    PostMessageW(window_, kMarker, 0, 0);
    while (!marker_ && !timedOut_) {
        MSG msg;
        if (GetMessageW(&msg, nullptr, 0, 0) <= 0) {
            PostQuitMessage(0);
            return;
        }
        HWND root = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
        wchar_t name[16] = {};
        if (root && GetClassNameW(root, name, 16) && lstrcmpW(name, L"#32770") == 0 && IsDialogMessageW(root, &msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

void Press(Driver& driver, WORD vk, bool ctrl)
{
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    BYTE saved = keys[VK_CONTROL];
    if (ctrl) {
        keys[VK_CONTROL] = 0x80;
        SetKeyboardState(keys);
    }
    HWND focus = GetFocus();
    PostMessageW(focus, WM_KEYDOWN, vk, 1);
    PostMessageW(focus, WM_KEYUP, vk, 0xC0000001);
    driver.Settle();
    if (ctrl) {
        GetKeyboardState(keys);
        keys[VK_CONTROL] = saved;
        SetKeyboardState(keys);
    }
}

void PressAlt(Driver& driver, WORD vk)
{
    HWND focus = GetFocus();
    PostMessageW(focus, WM_SYSKEYDOWN, vk, 1 | (1 << 29));
    PostMessageW(focus, WM_SYSKEYUP, vk, 0xC0000001 | (1 << 29));
    driver.Settle();
}

void Command(Driver& driver, HWND dialog, int id)
{
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
    driver.Settle();
}

std::vector<std::wstring> ListTexts(HWND dialog)
{
    HWND list = GetDlgItem(dialog, 1029);
    std::vector<std::wstring> texts;
    int count = ListView_GetItemCount(list);
    for (int i = 0; i < count; ++i) {
        wchar_t text[300] = {};
        ListView_GetItemText(list, i, 0, text, 300);
        texts.emplace_back(text);
    }
    return texts;
}

int FocusedItem(HWND dialog) { return ListView_GetNextItem(GetDlgItem(dialog, 1029), -1, LVNI_FOCUSED); }

std::wstring FocusedText(HWND dialog)
{
    int index = FocusedItem(dialog);
    if (index < 0)
        return L"";
    return ListTexts(dialog)[static_cast<std::size_t>(index)];
}

std::wstring StatusText(HWND dialog)
{
    HWND status = GetDlgItem(dialog, 1005);
    wchar_t text[600] = {};
    SendMessageW(status, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text));
    return text;
}

bool IsEnabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE; }

bool FocusEntry(HWND dialog, const std::wstring& text)
{
    std::vector<std::wstring> texts = ListTexts(dialog);
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (texts[i] == text) {
            HWND list = GetDlgItem(dialog, 1029);
            ListView_SetItemState(list, static_cast<int>(i), LVIS_FOCUSED | LVIS_SELECTED,
                                  LVIS_FOCUSED | LVIS_SELECTED);
            return true;
        }
    }
    return false;
}

std::function<void(HWND)> TypeAndOk(std::wstring text)
{
    return [text](HWND box) {
        HWND edit = FindWindowExW(box, nullptr, L"Edit", nullptr);
        SetWindowTextW(edit, text.c_str());
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    };
}

std::wstring BoxMessage(HWND box)
{
    std::wstring longest;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t name[16] = {};
        GetClassNameW(child, name, 16);
        std::wstring text = win::GetText(child);
        if (lstrcmpiW(name, L"Static") == 0 && text.size() > longest.size())
            longest = text;
    }
    return longest;
}

std::function<void(HWND)> PressFirstButton(std::vector<std::wstring>* texts)
{
    return [texts](HWND box) {
        if (texts)
            texts->push_back(BoxMessage(box));
        PostMessageW(box, WM_COMMAND, MAKEWPARAM(9005, BN_CLICKED), 0);
    };
}

std::function<void(HWND)> PressButton(std::wstring caption, std::vector<std::wstring>* texts)
{
    return [caption, texts](HWND box) {
        if (texts)
            texts->push_back(BoxMessage(box));
        for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            if (IsWindowVisible(child) && win::GetText(child) == caption) {
                PostMessageW(box, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(child), BN_CLICKED),
                             reinterpret_cast<LPARAM>(child));
                return;
            }
        }
        ADD_FAILURE() << "no button of that caption";
        PostMessageW(box, WM_COMMAND, IDCANCEL, 0);
    };
}

} // namespace foldertest
