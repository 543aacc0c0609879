#include "win/dialog.h"

namespace win {

INT_PTR Dialog::DoModal(HINSTANCE instance, int templateId, HWND owner)
{
    return DialogBoxParamW(instance, MAKEINTRESOURCEW(templateId), owner, &Dialog::StaticProc,
                           reinterpret_cast<LPARAM>(this));
}

INT_PTR Dialog::DoModalIndirect(HINSTANCE instance, const DLGTEMPLATE* dialogTemplate, HWND owner)
{
    return DialogBoxIndirectParamW(instance, dialogTemplate, owner, &Dialog::StaticProc,
                                   reinterpret_cast<LPARAM>(this));
}

void Dialog::EndDialog(INT_PTR result)
{
    if (hwnd_)
        ::EndDialog(hwnd_, result);
}

void Dialog::SetMessageResult(LRESULT result)
{
    SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, result);
}

INT_PTR Dialog::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_INITDIALOG:
        return OnInitDialog();
    case WM_COMMAND: {
        int id = LOWORD(wParam);
        if (OnCommand(id, HIWORD(wParam), reinterpret_cast<HWND>(lParam)))
            return TRUE;
        if (id == IDOK) {
            OnOK();
            return TRUE;
        }
        if (id == IDCANCEL) {
            OnCancel();
            return TRUE;
        }
        return FALSE;
    }
    case WM_NOTIFY: {
        LRESULT result = 0;
        if (!OnNotify(reinterpret_cast<NMHDR*>(lParam), result))
            return FALSE;
        SetMessageResult(result);
        return TRUE;
    }
    case WM_DESTROY:
        OnDestroy();
        return FALSE;
    default:
        return FALSE;
    }
}

INT_PTR CALLBACK Dialog::StaticProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    Dialog* self = nullptr;
    if (msg == WM_INITDIALOG) {
        self = reinterpret_cast<Dialog*>(lParam);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
    } else {
        self = reinterpret_cast<Dialog*>(GetWindowLongPtrW(hwnd, DWLP_USER));
    }
    if (!self)
        return FALSE;

    INT_PTR result = FALSE;
    try {
        result = self->HandleMessage(msg, wParam, lParam);
    } catch (...) {
        result = FALSE;
    }
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, DWLP_USER, 0);
        self->hwnd_ = nullptr;
    }
    return result;
}

} // namespace win
