// CLumaFileDialog: the object and its run. The window's own code is in
// file_dialog_window.cpp and the files it names.
#include "dialogs/file_dialog.h"

#include <new>

#include "dialogs/activation.h"
#include "dialogs/core/filter.h"
#include "dialogs/resource.h"
#include "toolkit/control_assist.h"
#include "win/cp932.h"
#include "win/module.h"

namespace lumadlg {

namespace {

std::wstring WideCut(const char* text, std::size_t maxBytes)
{
    return cp932::ToWide(sjis::CutToBytes(sjis::FromCString(text), maxBytes));
}

} // namespace

// ---------------------------------------------------------------- object

std::unique_ptr<CLumaFileDialog> CLumaFileDialog::Create(int openMode, const char* defaultExt,
                                                         const char* fileName, const char* initialFolder,
                                                         const char* filter, HWND parent)
{
    std::unique_ptr<CLumaFileDialog> d(new (std::nothrow) CLumaFileDialog);
    if (!d)
        return nullptr;
    d->openMode_ = openMode != 0;
    d->style_.style = d->openMode_ ? kFileMustExist : kOverwritePrompt;
    d->defaultExt_ = WideCut(defaultExt, 256);
    d->initialName_ = WideCut(fileName, 260);
    d->parent_ = parent;
    if (initialFolder && *initialFolder) {
        d->currentFolder_ = cp932::ToWide(initialFolder);
    } else {
        wchar_t buffer[MAX_PATH + 1] = {};
        DWORD n = GetCurrentDirectoryW(MAX_PATH + 1, buffer);
        if (n > 0 && n <= MAX_PATH)
            d->currentFolder_ = cp932::CutToBytes(buffer, 260);
    }
    for (const FilterEntry& e : ParseFilter(sjis::FromCString(filter)))
        d->filters_.emplace_back(cp932::ToWide(e.caption), cp932::ToWide(e.pattern));
    return d;
}

void CLumaFileDialog::GetExtendedStyle(FileDlgExStyle& record) const
{
    FileStyleValues values{record.style, record.driveTypes, record.disabledOps,
                           reinterpret_cast<std::uintptr_t>(record.acceptHook)};
    LoadFileStyle(style_, record.mask, values);
    record.style = values.style;
    record.driveTypes = values.driveTypes;
    record.disabledOps = values.disabledOps;
    record.acceptHook = reinterpret_cast<FileDlgAcceptHook>(values.acceptHook);
}

int CLumaFileDialog::SetExtendedStyle(const FileDlgExStyle& record)
{
    FileStyleValues values{record.style, record.driveTypes, record.disabledOps,
                           reinterpret_cast<std::uintptr_t>(record.acceptHook)};
    return static_cast<int>(StoreFileStyle(style_, record.mask, values));
}

void CLumaFileDialog::GetPathName(char* buffer, int bufferSize, unsigned index) const
{
    if (!buffer || bufferSize < 1)
        return;
    sjis::CopyToBuffer(index < chosen_.size() ? chosen_[index] : std::string(), buffer, bufferSize);
}

int CLumaFileDialog::MessageWnd(const char* text, const char* spokenText)
{
    if (!IsRunning() || !assistant_)
        return 0;
    return assistant_->ShowGuideAt(IDC_NAME, text ? text : "", spokenText);
}

int CLumaFileDialog::SetCaption(const char* text, int id)
{
    switch (id) {
    case -1:
    case IDOK:
    case IDC_DRIVELABEL:
    case IDC_FOLDERLABEL:
    case IDC_NAMELABEL:
    case IDC_TYPELABEL:
        captions_[id] = cp932::ToWide(text);
        return 1;
    default:
        return 0;
    }
}
// ---------------------------------------------------------------- run

int CLumaFileDialog::Run()
{
    if (IsRunning())
        return -1; // the object's window is already open further up the stack
    if (FirstUsableDrive(style_.driveTypes).empty())
        return -1;
    // The first folder is read while the window is being made; the first
    // listing takes the reading when it lists that folder.
    if (!currentFolder_.empty())
        readingAhead_ = std::make_unique<FolderReading>(QueryFor(currentFolder_, FirstFilter()));
    ActivationScope scope;
    INT_PTR result = DoModal(win::CurrentModule(), IDD_FILEDIALOG, parent_);
    readingAhead_.reset();
    if (result == IDOK)
        return 1;
    if (result == IDCANCEL)
        return 2;
    return -1;
}

} // namespace lumadlg
