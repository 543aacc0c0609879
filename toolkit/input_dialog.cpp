// The speaking input box (template 101): a one-line entry, trimmed of blanks,
// that refuses an empty entry with a guide message when text is required.
#include "toolkit/message_box.h"

#include "toolkit/control_assist.h"
#include "toolkit/resource.h"
#include "win/cp932.h"
#include "win/dialog.h"
#include "win/module.h"
#include "win/sjis.h"
#include "win/window.h"

#include <memory>
#include <string>

namespace {

// Blanks trimmed from an entry: the space and the control characters tab to
// carriage return. The full-width space is text.
bool IsBlank(wchar_t c)
{
    return c == L' ' || (c >= L'\t' && c <= L'\r');
}

std::wstring Trim(const std::wstring& s)
{
    std::size_t begin = 0, end = s.size();
    while (begin < end && IsBlank(s[begin]))
        ++begin;
    while (end > begin && IsBlank(s[end - 1]))
        --end;
    return s.substr(begin, end - begin);
}

class CLumaInputDlg : public win::Dialog {
public:
    int requireText = 1;
    std::unique_ptr<CLumaControlAssist> assistant;
    std::wstring text;
    std::wstring caption;
    std::wstring prompt;

    INT_PTR Run() { return DoModal(win::CurrentModule(), IDD_LUMA_INPUT, GetActiveWindow()); }

protected:
    INT_PTR HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override
    {
        INT_PTR result = Dialog::HandleMessage(msg, wParam, lParam);
        if (msg == WM_NCDESTROY)
            assistant.reset(); // after the window and its controls are gone
        return result;
    }

    BOOL OnInitDialog() override
    {
        if (!caption.empty())
            SetWindowTextW(hwnd(), caption.c_str());
        SetDlgItemTextW(hwnd(), IDC_LUMA_INPUT_PROMPT, prompt.c_str());
        if (!text.empty()) {
            SetDlgItemTextW(hwnd(), IDC_LUMA_INPUT_EDIT, text.c_str());
            text.clear();
        }
        win::CenterOn(hwnd(), GetWindow(hwnd(), GW_OWNER));
        assistant.reset();
        assistant = std::make_unique<CLumaControlAssist>();
        assistant->Attach(hwnd(), TRUE);
        return TRUE; // the focus goes to the first tab stop, the edit box
    }

    void OnOK() override
    {
        std::wstring entry = Trim(win::GetText(Item(IDC_LUMA_INPUT_EDIT)));
        if (!requireText || !entry.empty()) {
            text = entry;
            EndDialog(IDOK);
            return;
        }
        if (assistant) {
            static const std::string kNothingEntered = cp932::FromWide(L"何も入力されていません");
            assistant->ShowGuideAt(IDC_LUMA_INPUT_EDIT, kNothingEntered.c_str(), kNothingEntered.c_str());
        }
    }

    void OnCancel() override { EndDialog(IDCANCEL); }
};

} // namespace

int SpeakInputBox(const char* prompt, const char* caption, const char* initialText, char* buffer, int bufferSize,
                  int requireText)
{
    try {
        if (!buffer || bufferSize <= 0)
            return 0;
        CLumaInputDlg dlg;
        dlg.prompt = cp932::ToWide(prompt);
        dlg.caption = cp932::ToWide(caption);
        dlg.text = cp932::ToWide(initialText);
        dlg.requireText = requireText;
        INT_PTR result = dlg.Run();
        if (result == IDOK) {
            sjis::CopyToBuffer(cp932::FromWide(dlg.text), buffer, bufferSize);
            return 1;
        }
        return result == IDCANCEL ? 2 : 0;
    } catch (...) {
        return 0;
    }
}
