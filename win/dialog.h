// Base class for modal dialogs built from a dialog template.
//
// DoModal runs the template of the module that owns the resources (a DLL
// passes its own HINSTANCE). The static dialog procedure keeps `this` in
// DWLP_USER and hands every message to HandleMessage, the class's message
// switch; the default switch calls the virtual handlers below. Nothing thrown
// in a handler escapes into the system.
#pragma once

#include <windows.h>

namespace win {

class Dialog {
public:
    Dialog() = default;
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;
    virtual ~Dialog() = default;

    // Runs the dialog modally. Returns the value given to EndDialog, or -1
    // when the dialog could not be created.
    INT_PTR DoModal(HINSTANCE instance, int templateId, HWND owner);
    // The same from an in-memory template.
    INT_PTR DoModalIndirect(HINSTANCE instance, const DLGTEMPLATE* dialogTemplate, HWND owner);

    HWND hwnd() const { return hwnd_; }
    HWND Item(int id) const { return GetDlgItem(hwnd_, id); }
    void EndDialog(INT_PTR result);

protected:
    // The message switch. Return TRUE when the message was handled (with a
    // result set by SetMessageResult where the message has one).
    virtual INT_PTR HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);

    // Return TRUE to let the system give the focus to the first control.
    virtual BOOL OnInitDialog() { return TRUE; }
    // Return true when the command was handled. IDOK and IDCANCEL reach
    // OnOK and OnCancel when this returns false.
    virtual bool OnCommand(int id, int notifyCode, HWND control) { return false; }
    // Return true when handled; `result` becomes the notification's result.
    virtual bool OnNotify(NMHDR* header, LRESULT& result) { return false; }
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }
    virtual void OnDestroy() {}

    void SetMessageResult(LRESULT result);

private:
    static INT_PTR CALLBACK StaticProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    HWND hwnd_ = nullptr;
};

} // namespace win
