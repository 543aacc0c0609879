// CLumaFileDialog: what the list says (the entry the focus is on, the list
// on entering it, the details asked for, the current folder) and its help
// lines in the status bar.
#include "dialogs/file_dialog.h"

#include "dialogs/core/file_op_rules.h"
#include "dialogs/core/format.h"
#include "dialogs/local_time.h"
#include "dialogs/resource.h"
#include "toolkit/reader.h"
#include "win/cp932.h"

namespace lumadlg {

namespace {

const wchar_t* kReadingHelp = L"サイズ読上げ[Alt + F1] 種類読上げ[Alt + F2] 更新日時読上げ[Alt + F3] 整列[Shift + F1]";

} // namespace

void CLumaFileDialog::OnListStateChanged(const NMLISTVIEW& change)
{
    // Any change of the focused entry's state (the focus arriving, or its
    // selection changing) reads it, except the states a sort puts back.
    if (change.iItem >= 0 && (change.uChanged & LVIF_STATE) && (change.uNewState & LVIS_FOCUSED) &&
        !restoringStates_) {
        std::wstring text = cp932::CutToBytes(ItemText(change.iItem, 0), 260);
        if (!text.empty())
            reader::SpeakEx(text);
    }
}

void CLumaFileDialog::OnListFocus()
{
    int index = -1;
    if (SendMessageW(list_, LVM_GETSELECTEDCOUNT, 0, 0) == 0) {
        int count = entries_.Count();
        if (count > 0) {
            index = firstFileIndex_ < count ? firstFileIndex_
                                            : static_cast<int>(SendMessageW(list_, LVM_GETTOPINDEX, 0, 0));
            SelectAndFocus(index);
            reader::Stop();
        }
    } else {
        index = FocusedIndex();
    }
    reader::SpeakEx(L"一覧 " + ItemText(index, 0));
    ShowOperationsHelp();
}

// ---------------------------------------------------------------- spoken details

void CLumaFileDialog::SpeakDetail(int command)
{
    if (driveListMode_)
        return;
    FileItem* item = FocusedItem();
    if (!item)
        return;
    if (item->IsSpecial()) {
        reader::Speak(item->name, 1);
        return;
    }
    std::wstring text;
    switch (command) {
    case IDM_SPEAKSIZE:
        text = item->IsFile() ? FormatSize(item->size) : L"選択されているアイテムは フォルダです";
        break;
    case IDM_SPEAKTYPE:
        // The type is looked up when its column is drawn; the list may not
        // have been drawn yet.
        text = TypeNameOf(*item);
        break;
    case IDM_SPEAKDATE:
        text = FormatSpokenDate(LocalTimeOf(item->lastWrite));
        break;
    }
    if (!text.empty())
        reader::SpeakEx(text);
}

void CLumaFileDialog::SpeakCurrentFolder()
{
    reader::SpeakEx(driveListMode_ ? std::wstring(kMyComputer) : currentFolder_);
}

// ---------------------------------------------------------------- help lines

void CLumaFileDialog::ShowReadingHelp()
{
    if (status_)
        SendMessageW(status_, SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(kReadingHelp));
}

void CLumaFileDialog::ShowOperationsHelp()
{
    std::wstring help = OperationsHelp(style_.disabledOps);
    if (!help.empty() && status_)
        SendMessageW(status_, SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(help.c_str()));
}

} // namespace lumadlg
