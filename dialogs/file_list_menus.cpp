// CLumaFileDialog: the list's keys and menus: the application key's menu,
// the right click's, and the menus of the file-operation and reading
// buttons.
#include "dialogs/file_dialog.h"

#include "dialogs/core/file_op_rules.h"
#include "dialogs/core/paths.h"
#include "dialogs/name_ranks.h"
#include "dialogs/resource.h"
#include "toolkit/reader.h"
#include "win/handles.h"

namespace lumadlg {

namespace {

POINT ButtonCentre(HWND button)
{
    RECT r = {};
    GetWindowRect(button, &r);
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

} // namespace

void CLumaFileDialog::OnListKey(WORD key)
{
    bool ctrl = (GetKeyState(VK_CONTROL) & 0x8000) != 0;
    switch (key) {
    case VK_APPS:
        ShowKeyMenu();
        break;
    case VK_BACK:
        if (!driveListMode_)
            GoUpFolder();
        break;
    case 'C':
    case VK_INSERT:
    case VK_DELETE:
    case VK_F2:
        OnFileOpKey(key, ctrl);
        break;
    default:
        break;
    }
}

void CLumaFileDialog::AppendFileOpItems(HMENU menu, const FileItem& item) const
{
    for (const MenuItem& entry : FileOpItems(style_.disabledOps, item))
        AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(entry.command), entry.text.c_str());
}

void CLumaFileDialog::TrackMenuAt(HMENU menu, POINT screen)
{
    if (GetMenuItemCount(menu) <= 0)
        return;
    UINT command = TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RETURNCMD, screen.x,
                                  screen.y, 0, hwnd(), nullptr);
    if (command)
        SendMessageW(hwnd(), WM_COMMAND, MAKEWPARAM(command, 0), 0);
}

void CLumaFileDialog::ShowKeyMenu()
{
    if (driveListMode_)
        return;
    int index = FocusedIndex();
    FileItem* item = ItemAt(index);
    if (!item)
        return;
    win::UniqueMenu menu(CreatePopupMenu());
    if (!item->IsSpecial()) {
        AppendFileOpItems(menu.get(), *item);
        if (MayCreateFolder(style_.disabledOps))
            AppendMenuW(menu.get(), MF_STRING, IDM_NEWFOLDER, L"フォルダの作成(&F)\tCtrl + N");
        if (GetMenuItemCount(menu.get()) > 0)
            AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
        AppendMenuW(menu.get(), MF_STRING, IDM_SPEAKSIZE, L"サイズの読み上げ(&Z)\tAlt + F1");
        AppendMenuW(menu.get(), MF_STRING, IDM_SPEAKTYPE, L"種類の読み上げ(&T)\tAlt + F2");
        AppendMenuW(menu.get(), MF_STRING, IDM_SPEAKDATE, L"更新日時の読み上げ(&U)\tAlt + F3");
        AppendMenuW(menu.get(), MF_STRING, IDM_SPEAKFOLDER, L"現在のフォルダの読み上げ(&L)\tAlt + F5");
    } else if (MayCreateFolder(style_.disabledOps)) {
        AppendMenuW(menu.get(), MF_STRING, IDM_NEWFOLDER, L"フォルダの作成(&F)\tCtrl + N");
    }
    if (GetMenuItemCount(menu.get()) <= 0)
        return;
    HMENU sortMenu = CreatePopupMenu();
    AppendMenuW(sortMenu, MF_STRING, IDM_SORTNAME, L"名前順(&N)");
    AppendMenuW(sortMenu, MF_STRING, IDM_SORTSIZE, L"サイズ順(&Z)");
    AppendMenuW(sortMenu, MF_STRING, IDM_SORTTYPE, L"種類順(&T)");
    AppendMenuW(sortMenu, MF_STRING, IDM_SORTDATE, L"日時順(&D)");
    AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu.get(), MF_POPUP, reinterpret_cast<UINT_PTR>(sortMenu), L"並び順の切替(&I)");

    RECT rect = {LVIR_BOUNDS};
    SendMessageW(list_, LVM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&rect));
    POINT at{rect.left, rect.top};
    ClientToScreen(list_, &at);
    reader::Speak(L"メニューオープン", 0);
    TrackMenuAt(menu.get(), at);
}

void CLumaFileDialog::ShowMouseMenu(POINT screen)
{
    if (driveListMode_)
        return;
    FileItem* item = FocusedItem();
    if (!item || item->IsSpecial())
        return;
    win::UniqueMenu menu(CreatePopupMenu());
    AppendFileOpItems(menu.get(), *item);
    if (item->IsFile() && CompareNames(ExtensionOf(item->name), L".lnk", LOCALE_USER_DEFAULT) == 0) {
        if (GetMenuItemCount(menu.get()) > 0)
            AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
        AppendMenuW(menu.get(), MF_STRING, IDM_OPENSHORTCUT, L"ショートカットを開く(&L)");
    }
    TrackMenuAt(menu.get(), screen);
}

void CLumaFileDialog::ShowFileOpsMenu()
{
    if (driveListMode_)
        return;
    FileItem* item = FocusedItem();
    if (!item || item->IsSpecial()) {
        reader::Speak(L"アイテムを 選択してください", 0);
        return;
    }
    win::UniqueMenu menu(CreatePopupMenu());
    AppendFileOpItems(menu.get(), *item);
    if (GetMenuItemCount(menu.get()) <= 0)
        return;
    reader::Speak(L"メニューオープン", 0);
    TrackMenuAt(menu.get(), ButtonCentre(Item(IDC_FILEOPS)));
}

void CLumaFileDialog::ShowReadingMenu()
{
    if (driveListMode_)
        return;
    win::UniqueMenu menu(CreatePopupMenu());
    if (FocusedItem()) {
        AppendMenuW(menu.get(), MF_STRING, IDM_SPEAKSIZE, L"サイズの読み上げ(&Z)\tAlt + F1");
        AppendMenuW(menu.get(), MF_STRING, IDM_SPEAKTYPE, L"種類の読み上げ(&T)\tAlt + F2");
        AppendMenuW(menu.get(), MF_STRING, IDM_SPEAKDATE, L"更新日時の読み上げ(&U)\tAlt + F3");
    }
    AppendMenuW(menu.get(), MF_STRING, IDM_SPEAKFOLDER, L"現在のフォルダの読み上げ(&L)\tAlt + F5");
    reader::Speak(L"メニューオープン", 0);
    TrackMenuAt(menu.get(), ButtonCentre(Item(IDC_READ)));
}

} // namespace lumadlg
