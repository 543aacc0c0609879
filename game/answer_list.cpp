#include "game/answer_list.h"

#include <string>

#include "game/quiz_window.h"
#include "game/rules/play.h"
#include "win/message_loop.h"
#include "win/window.h"

namespace game {

namespace {

bool ShiftHeld()
{
    return GetKeyState(VK_SHIFT) < 0;
}

bool IsRepeat(LPARAM lParam)
{
    return (lParam & (1 << 30)) != 0;
}

std::wstring ListText(HWND list, int index)
{
    LRESULT length = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length <= 0)
        return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    LRESULT got = SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(got > 0 ? static_cast<size_t>(got) : 0);
    return text;
}

} // namespace

LRESULT AnswerList::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_KEYDOWN:
        if (owner_.Answering)
            return SelA_KeyDown(wParam, lParam);
        break;
    case WM_CHAR:
        // Typed characters would select by their first letter: Space is a
        // move down and a shifted key a re-reading, nothing else.
        if (owner_.Answering && (wParam == L' ' || ShiftHeld()))
            return 0;
        break;
    case WM_LBUTTONDBLCLK: {
        LRESULT result = DefaultProc(msg, wParam, lParam);
        SelA_DblClick();
        return result;
    }
    case WM_SETFOCUS: {
        LRESULT result = DefaultProc(msg, wParam, lParam);
        SelA_GotFocus();
        return result;
    }
    default:
        break;
    }
    return DefaultProc(msg, wParam, lParam);
}

LRESULT AnswerList::SelA_KeyDown(WPARAM key, LPARAM lParam)
{
    if (ShiftHeld()) {
        // Holding Shift down repeats its key; the question is read once.
        if (key == VK_SHIFT && IsRepeat(lParam))
            return 0;
        owner_.Voice->StopSpeech();
        owner_.Voice->Speak(win::GetText(owner_.TextQ()));
        return 0;
    }
    if (key == VK_RETURN) {
        owner_.Answering = false;
        return 0;
    }
    if (key == VK_SPACE)
        key = VK_DOWN;
    if (key == VK_DOWN || key == VK_UP) {
        const int count = static_cast<int>(SendMessageW(hwnd(), LB_GETCOUNT, 0, 0));
        const int position = static_cast<int>(SendMessageW(hwnd(), LB_GETCURSEL, 0, 0));
        const auto wrapped = rules::WrapSelection(key == VK_DOWN ? rules::ChoiceKey::Down : rules::ChoiceKey::Up,
                                                  position, count);
        if (count > 0 && wrapped) {
            SendMessageW(hwnd(), LB_SETCURSEL, static_cast<WPARAM>(*wrapped), 0);
            for (const rules::Cue& cue : rules::kWrapCues)
                owner_.Voice->Sound(cue.a, cue.b, cue.c);
            return 0;
        }
    }
    return DefaultProc(WM_KEYDOWN, key, lParam);
}

void AnswerList::SelA_DblClick()
{
    if (owner_.Answering)
        owner_.Answering = false;
}

void AnswerList::SelA_GotFocus()
{
    if (!owner_.Answering || SendMessageW(hwnd(), LB_GETCOUNT, 0, 0) <= 0)
        return;
    owner_.Voice->StopSpeech();
    win::DoEvents();
    const int position = static_cast<int>(SendMessageW(hwnd(), LB_GETCURSEL, 0, 0));
    if (position < 0)
        return;
    owner_.Voice->Speak(ListText(hwnd(), position));
}

} // namespace game
