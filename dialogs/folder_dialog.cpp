#include "dialogs/folder_dialog.h"

#include <new>

#include "win/cp932.h"
#include "win/sjis.h"

namespace lumadlg {

std::unique_ptr<CLumaFolderDialog> CLumaFolderDialog::Create(const char* initialFolder, HWND parent)
{
    std::unique_ptr<CLumaFolderDialog> d(new (std::nothrow) CLumaFolderDialog);
    if (!d)
        return nullptr;
    d->parent_ = parent;
    d->currentFolder_ = cp932::ToWide(initialFolder);
    return d;
}

int CLumaFolderDialog::Run()
{
    return -1;
}

int CLumaFolderDialog::EnableControl(int id, int enable)
{
    if (id != IDOK && id != IDCANCEL && id != 1002)
        return 0;
    HWND control = window_ ? GetDlgItem(window_, id) : nullptr;
    if (!control)
        return 0;
    BOOL wasEnabled = IsWindowEnabled(control);
    if (wasEnabled != (enable != 0))
        EnableWindow(control, enable != 0);
    return wasEnabled ? 1 : 0;
}

void CLumaFolderDialog::GetExtendedStyle(FolderDlgExStyle& record) const
{
    FolderStyleValues values{record.style, record.driveTypes, reinterpret_cast<std::uintptr_t>(record.folderHook)};
    LoadFolderStyle(style_, record.mask, values);
    record.style = values.style;
    record.driveTypes = values.driveTypes;
    record.folderHook = reinterpret_cast<FolderDlgHook>(values.folderHook);
}

int CLumaFolderDialog::SetExtendedStyle(const FolderDlgExStyle& record)
{
    FolderStyleValues values{record.style, record.driveTypes, reinterpret_cast<std::uintptr_t>(record.folderHook)};
    return static_cast<int>(StoreFolderStyle(style_, record.mask, values));
}

void CLumaFolderDialog::GetPathName(char* buffer, int bufferSize) const
{
    sjis::CopyToBuffer(cp932::FromWide(result_), buffer, bufferSize);
}

int CLumaFolderDialog::MessageWnd(const char*, const char*)
{
    return 0; // only while the window runs
}

int CLumaFolderDialog::SetCaption(const char* text, int id)
{
    switch (id) {
    case -1:
    case IDOK:
    case IDCANCEL:
    case 1016:
    case 1017:
        captions_[id] = cp932::ToWide(text);
        return 1;
    default:
        return 0;
    }
}

} // namespace lumadlg
