#include "dialogs/folder/folder_dialog.h"

#include <new>

#include "dialogs/activation.h"
#include "dialogs/drives.h"
#include "dialogs/folder/folder_resource.h"
#include "dialogs/folder/folder_window.h"
#include "win/cp932.h"
#include "win/module.h"
#include "win/path_names.h"
#include "win/sjis.h"

namespace lumadlg {

std::unique_ptr<CLumaFolderDialog> CLumaFolderDialog::Create(const char* initialFolder, HWND parent)
{
    std::unique_ptr<CLumaFolderDialog> dialog(new (std::nothrow) CLumaFolderDialog);
    if (!dialog)
        return nullptr;
    dialog->parent_ = parent;
    dialog->currentFolder_ = cp932::ToWide(initialFolder);
    return dialog;
}

std::unique_ptr<CLumaFolderDialog> CLumaFolderDialog::CreateInLibrary(std::wstring initialFolder, HWND parent)
{
    std::unique_ptr<CLumaFolderDialog> dialog = Create(nullptr, parent);
    if (dialog) {
        dialog->currentFolder_ = std::move(initialFolder);
        dialog->handsOutAnsi_ = false;
    }
    return dialog;
}

CLumaFolderDialog::~CLumaFolderDialog() = default;

int CLumaFolderDialog::Run()
{
    if (window_)
        return -1;
    if (FirstUsableDrive(style_.driveTypes).empty())
        return -1;
    ActivationScope scope;
    FolderWindow window(*this);
    window.ReadStartFolderAhead();
    window_ = &window;
    INT_PTR result = window.DoModal(win::CurrentModule(), IDD_LUMA_FOLDER, parent_);
    window_ = nullptr;
    return static_cast<int>(result);
}

int CLumaFolderDialog::EnableControl(int id, int enable)
{
    if (id != IDOK && id != IDCANCEL && id != IDC_LUMA_FOLDER_DRIVES)
        return 0;
    return window_ ? window_->EnableControl(id, enable) : 0;
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
    sjis::CopyToBuffer(win::AnsiPath(result_).value_or(std::string()), buffer, bufferSize);
}

int CLumaFolderDialog::MessageWnd(const char* text, const char* spokenText)
{
    return window_ ? window_->MessageWnd(text, spokenText) : 0;
}

int CLumaFolderDialog::SetCaption(const char* text, int id)
{
    static constexpr int kIds[5] = {-1, IDOK, IDCANCEL, IDC_LUMA_FOLDER_DRVLABEL, IDC_LUMA_FOLDER_DIRLABEL};
    for (int i = 0; i < 5; ++i) {
        if (kIds[i] == id) {
            captions_[i] = cp932::ToWide(text);
            return 1;
        }
    }
    return 0;
}

} // namespace lumadlg
