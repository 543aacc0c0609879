// CLumaFileDialog: the drive box and the file-type box.
#include "dialogs/file_dialog.h"

#include "dialogs/resource.h"

namespace lumadlg {

void CLumaFileDialog::FillDriveBox()
{
    HWND box = Item(IDC_DRIVES);
    wchar_t preferred = 0;
    if (!currentFolder_.empty()) {
        wchar_t letter = currentFolder_[0];
        std::wstring root = std::wstring(1, letter) + L":\\";
        if (lumadlg::IsDriveOffered(root, style_.driveTypes) && lumadlg::IsDriveReady(letter))
            preferred = static_cast<wchar_t>(towupper(letter));
    }
    int selected = -1;
    int firstReady = -1;
    for (const std::wstring& root : LogicalDriveRoots()) {
        if (!lumadlg::IsDriveOffered(root, style_.driveTypes))
            continue;
        std::wstring name = DriveDisplayName(root);
        LRESULT index = SendMessageW(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
        if (index < 0)
            break;
        wchar_t letter = static_cast<wchar_t>(towupper(DriveLetterOfDisplayName(name)));
        if (preferred && letter == preferred && selected < 0)
            selected = static_cast<int>(index);
        if (firstReady < 0 && !preferred && lumadlg::IsDriveReady(letter))
            firstReady = static_cast<int>(index);
    }
    if (selected < 0 && firstReady >= 0) {
        selected = firstReady;
        wchar_t text[MAX_PATH] = {};
        if (SendMessageW(box, CB_GETLBTEXTLEN, selected, 0) < MAX_PATH)
            SendMessageW(box, CB_GETLBTEXT, selected, reinterpret_cast<LPARAM>(text));
        currentFolder_ = std::wstring(1, DriveLetterOfDisplayName(text)) + L":\\";
    }
    SendMessageW(box, CB_SETCURSEL, selected, 0);
    rememberedDrive_ = selected;
}

void CLumaFileDialog::FillTypeBox()
{
    HWND box = Item(IDC_TYPES);
    for (const auto& [caption, pattern] : filters_)
        if (!caption.empty())
            SendMessageW(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(caption.c_str()));
    SendMessageW(box, CB_SETCURSEL, 0, 0);
}

bool BoxChoice::IsConfirmed(HWND box, int notifyCode)
{
    switch (notifyCode) {
    case CBN_SELENDOK:
        endOkSeen_ = true;
        return true;
    case CBN_SELCHANGE:
        if (SendMessageW(box, CB_GETDROPPEDSTATE, 0, 0))
            return false;
        if (endOkSeen_) { // the same move, already taken
            endOkSeen_ = false;
            return false;
        }
        return true;
    default:
        endOkSeen_ = false;
        return false;
    }
}

void CLumaFileDialog::OnDriveBoxCommand(int notifyCode)
{
    HWND box = Item(IDC_DRIVES);
    int selection = static_cast<int>(SendMessageW(box, CB_GETCURSEL, 0, 0));
    if (notifyCode == CBN_SETFOCUS) {
        rememberedDrive_ = selection;
        return;
    }
    if (notifyCode == CBN_KILLFOCUS) {
        if (selection != rememberedDrive_)
            SendMessageW(box, CB_SETCURSEL, rememberedDrive_, 0);
        return;
    }
    if (!driveChoice_.IsConfirmed(box, notifyCode) || selection < 0)
        return;
    wchar_t text[MAX_PATH] = {};
    if (SendMessageW(box, CB_GETLBTEXTLEN, selection, 0) >= MAX_PATH)
        return;
    SendMessageW(box, CB_GETLBTEXT, selection, reinterpret_cast<LPARAM>(text));
    wchar_t letter = DriveLetterOfDisplayName(text);
    if (!letter)
        return;
    if (lumadlg::IsDriveReady(letter)) {
        if (ListAndEnter(std::wstring(1, letter) + L":\\", CurrentFilter(), L""))
            rememberedDrive_ = selection;
    } else {
        const wchar_t* notReady = L"ドライブの準備ができていません";
        ShowGuideUnder(IDC_DRIVES, notReady, notReady);
    }
}

void CLumaFileDialog::OnTypeBoxCommand(int notifyCode)
{
    HWND box = Item(IDC_TYPES);
    if (!typeChoice_.IsConfirmed(box, notifyCode))
        return;
    typedFilter_.clear();
    if (driveListMode_)
        return;
    std::wstring filter = CurrentFilter();
    if (filter.empty())
        return;
    ListAndEnter(currentFolder_, filter, L"");
    SetFocus(list_);
}

int CLumaFileDialog::SelectDriveInBox(wchar_t letter)
{
    HWND box = Item(IDC_DRIVES);
    wchar_t wanted = static_cast<wchar_t>(towupper(letter));
    auto letterAt = [&](int index) -> wchar_t {
        wchar_t text[MAX_PATH] = {};
        if (SendMessageW(box, CB_GETLBTEXTLEN, index, 0) >= MAX_PATH)
            return 0;
        SendMessageW(box, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text));
        return static_cast<wchar_t>(towupper(DriveLetterOfDisplayName(text)));
    };
    int current = static_cast<int>(SendMessageW(box, CB_GETCURSEL, 0, 0));
    if (current >= 0 && letterAt(current) == wanted)
        return current;
    int count = static_cast<int>(SendMessageW(box, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        if (letterAt(i) == wanted) {
            SendMessageW(box, CB_SETCURSEL, i, 0);
            rememberedDrive_ = i;
            return i;
        }
    }
    return -1;
}

std::wstring CLumaFileDialog::FirstFilter() const
{
    return filters_.empty() || filters_[0].second.empty() ? L"*.*" : filters_[0].second;
}

std::wstring CLumaFileDialog::CurrentFilter() const
{
    if (!typedFilter_.empty())
        return typedFilter_;
    if (!hwnd())
        return {};
    int selection = static_cast<int>(SendDlgItemMessageW(hwnd(), IDC_TYPES, CB_GETCURSEL, 0, 0));
    // The box holds the non-empty captions in order; find the pattern of the
    // selected one.
    int index = -1;
    for (const auto& [caption, pattern] : filters_) {
        if (caption.empty())
            continue;
        if (++index == selection)
            return pattern;
    }
    return {};
}

} // namespace lumadlg
