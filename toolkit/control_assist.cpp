#include "toolkit/control_assist.h"

#include "speech/transcript.h"
#include "toolkit/guide_window.h"
#include "toolkit/reader.h"
#include "toolkit/wrappers.h"
#include "win/cp932.h"
#include "win/registry.h"
#include "win/window.h"

#include <commctrl.h>

#include <string>

namespace {

constexpr const wchar_t* kSettingsKey = L"Software\\VXN\\System Global\\Settings";
constexpr const wchar_t* kWindowOperation = L"WindowOperation";

// The title of the plain message box that stands in for a guide window.
constexpr const wchar_t* kPlainGuideTitle = L"ﾒｯｾｰｼﾞ";

std::wstring ClassName(HWND hwnd)
{
    wchar_t name[64] = {};
    GetClassNameW(hwnd, name, 64);
    return name;
}

bool IsClass(const std::wstring& name, const wchar_t* expected)
{
    return CompareStringOrdinal(name.c_str(), -1, expected, -1, TRUE) == CSTR_EQUAL;
}

template <typename Wrapper>
Wrapper* FindById(const std::vector<std::unique_ptr<Wrapper>>& list, int id)
{
    for (const auto& w : list)
        if (w && w->hwnd() && w->Id() == id)
            return w.get();
    return nullptr;
}

} // namespace

CLumaControlAssist::CLumaControlAssist() = default;

CLumaControlAssist::~CLumaControlAssist()
{
    CloseGuide();
    if (dialog_)
        Detach();
}

BOOL CLumaControlAssist::IsWindowOperationOn()
{
    // Only a key that opens with full access counts, as for the maker's
    // other programs that share the setting.
    win::RegKey key = win::RegKey::Open(HKEY_CURRENT_USER, kSettingsKey, KEY_ALL_ACCESS);
    if (!key)
        return FALSE;
    DWORD value = 0;
    DWORD size = sizeof value;
    if (!key.ReadBytes(kWindowOperation, &value, &size) || size != sizeof value)
        return FALSE;
    return value == 1 ? TRUE : FALSE;
}

template <typename Wrapper>
bool CLumaControlAssist::TakeOver(std::vector<std::unique_ptr<Wrapper>>& list, HWND control)
{
    auto wrapper = std::make_unique<Wrapper>(this);
    if (!wrapper->TakeOver(control))
        return false;
    list.push_back(std::move(wrapper));
    return true;
}

BOOL CLumaControlAssist::Attach(HWND dialog, BOOL readSetting)
{
    operationOn_ = readSetting ? IsWindowOperationOn() : TRUE;
    HWND child = dialog ? GetWindow(dialog, GW_CHILD) : nullptr;
    if (!child) {
        operationOn_ = FALSE;
        return FALSE;
    }
    int count = 0;
    for (; child; child = GetWindow(child, GW_HWNDNEXT)) {
        std::wstring name = ClassName(child);
        LONG_PTR style = GetWindowLongPtrW(child, GWL_STYLE);
        bool taken = false;
        if (IsClass(name, WC_BUTTONW)) {
            if (!operationOn_)
                continue;
            switch (style & 0xFF) {
            case BS_PUSHBUTTON:
            case BS_DEFPUSHBUTTON:
            case BS_ICON:
                taken = TakeOver(pushButtons_, child);
                break;
            case BS_AUTOCHECKBOX:
                taken = TakeOver(checkBoxes_, child);
                break;
            case BS_AUTORADIOBUTTON:
                taken = TakeOver(radioButtons_, child);
                break;
            default:
                break;
            }
        } else if (IsClass(name, WC_COMBOBOXW)) {
            switch (style & 3) {
            case CBS_SIMPLE:
            case CBS_DROPDOWN:
                taken = TakeOver(editCombos_, child);
                break;
            case CBS_DROPDOWNLIST:
                taken = TakeOver(dropListCombos_, child);
                break;
            default:
                break;
            }
        } else if (IsClass(name, WC_LISTVIEWW)) {
            if (operationOn_)
                taken = TakeOver(listViews_, child);
        } else if (IsClass(name, WC_LISTBOXW)) {
            taken = TakeOver(listBoxes_, child);
        } else if (IsClass(name, WC_EDITW)) {
            if (operationOn_ && !(style & ES_MULTILINE))
                taken = TakeOver(edits_, child);
        } else if (IsClass(name, UPDOWN_CLASSW)) {
            // An up-down control with arrow keys lends them to its buddy
            // edit while Ctrl is held.
            if (operationOn_ && (style & UDS_ARROWKEYS)) {
                auto buddy = reinterpret_cast<HWND>(SendMessageW(child, UDM_GETBUDDY, 0, 0));
                if (buddy)
                    if (CLumaEdit* edit = FindById(edits_, GetDlgCtrlID(buddy)))
                        edit->SetSpin(true);
            }
        }
        if (taken)
            ++count;
    }
    dialog_ = dialog;
    if (count == 0)
        operationOn_ = FALSE;
    return operationOn_;
}

int CLumaControlAssist::Detach()
{
    // Each wrapper gives its control back when it is deleted.
    editCombos_.clear();
    listBoxes_.clear();
    checkBoxes_.clear();
    radioButtons_.clear();
    listViews_.clear();
    edits_.clear();
    dropListCombos_.clear();
    pushButtons_.clear();
    dialog_ = nullptr;
    return 1;
}

int CLumaControlAssist::SetListEnterHandler(int id, LumaEnterHandler handler, int data)
{
    CLumaListView* list = FindById(listViews_, id);
    if (!list)
        return 0;
    list->SetEnterHandler(handler, data);
    return 1;
}

int CLumaControlAssist::SetEditEnterHandler(int id, LumaEnterHandler handler, int data)
{
    CLumaEdit* edit = FindById(edits_, id);
    if (!edit)
        return 0;
    edit->SetEnterHandler(handler, data);
    return 1;
}

int CLumaControlAssist::ShowGuide(HWND anchor, const char* text, const char* spokenText)
{
    CloseGuide();
    if (!operationOn_ || !dialog_) {
        HWND owner = dialog_ ? dialog_ : (anchor ? GetAncestor(anchor, GA_ROOT) : GetActiveWindow());
        return MessageBoxW(owner, cp932::ToWide(text).c_str(), kPlainGuideTitle, MB_OK);
    }
    MessageBeep(MB_ICONEXCLAMATION);
    speech::transcript::Write({L"beep", L"30"});
    auto guide = std::make_unique<CLumaGuideWnd>();
    if (guide->Show(dialog_, anchor, sjis::FromCString(text)))
        guide_ = std::move(guide);
    if (!spokenText)
        return 0;
    return ReaderSpeak(spokenText, 1);
}

int CLumaControlAssist::ShowGuideAt(int id, const char* text, const char* spokenText)
{
    if (operationOn_ && dialog_) {
        HWND control = GetDlgItem(dialog_, id);
        return control ? ShowGuide(control, text, spokenText) : 0;
    }
    return ShowGuide(nullptr, text, spokenText);
}

void CLumaControlAssist::CloseGuide()
{
    if (!guide_)
        return;
    // Taken out first: closing runs window messages that may ask again.
    std::unique_ptr<CLumaGuideWnd> guide = std::move(guide_);
    guide->Close();
}

HWND CLumaControlAssist::GuideWindow() const
{
    return guide_ ? guide_->hwnd() : nullptr;
}
