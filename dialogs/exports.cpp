// The eighteen exports of LUMADLG.dll.
//
// A handle is the address of a dialog object. Every export first looks the
// handle up among the live objects of its own family and never touches an
// address it did not hand out itself; a null, stale or foreign handle gets
// the function's failure value. Nothing thrown inside crosses this boundary.
#include "dialogs/lumadlg.h"

#include <memory>
#include <mutex>
#include <unordered_map>

#include "dialogs/file_dialog.h"
#include "dialogs/folder/folder_dialog.h"
#include "win/sjis.h"

namespace {

using lumadlg::CLumaFileDialog;
using lumadlg::CLumaFolderDialog;

// The live objects of one family, owned here from create to delete.
template <typename T>
class LiveObjects {
public:
    HLUMADLG Add(std::unique_ptr<T> object)
    {
        if (!object)
            return nullptr;
        HLUMADLG handle = object->Handle();
        std::lock_guard lock(mutex_);
        objects_.emplace(handle, std::move(object));
        return handle;
    }
    T* Find(HLUMADLG handle)
    {
        if (!handle)
            return nullptr;
        std::lock_guard lock(mutex_);
        auto it = objects_.find(handle);
        return it == objects_.end() ? nullptr : it->second.get();
    }
    // A running dialog is not destroyed from under its own window.
    bool Remove(HLUMADLG handle)
    {
        std::unique_ptr<T> doomed;
        {
            std::lock_guard lock(mutex_);
            auto it = objects_.find(handle);
            if (it == objects_.end() || it->second->IsRunning())
                return false;
            doomed = std::move(it->second);
            objects_.erase(it);
        }
        return true;
    }

private:
    std::mutex mutex_;
    std::unordered_map<HLUMADLG, std::unique_ptr<T>> objects_;
};

LiveObjects<CLumaFileDialog>& FileDialogs()
{
    static auto* objects = new LiveObjects<CLumaFileDialog>();
    return *objects;
}

LiveObjects<CLumaFolderDialog>& FolderDialogs()
{
    static auto* objects = new LiveObjects<CLumaFolderDialog>();
    return *objects;
}

// Runs f on the live object of the family, or returns `failure`.
template <typename T, typename R, typename F>
R WithObject(LiveObjects<T>& family, HLUMADLG handle, R failure, F&& f)
{
    try {
        T* object = family.Find(handle);
        return object ? f(*object) : failure;
    } catch (...) {
        return failure;
    }
}

} // namespace

extern "C" {

// ---------------------------------------------------------------- file dialog

HLUMADLG __stdcall FileDlg_Create(int openMode, const char* defaultExt, const char* fileName,
                                  const char* initialFolder, const char* filter, HWND parent)
{
    try {
        return FileDialogs().Add(
            CLumaFileDialog::Create(openMode, defaultExt, fileName, initialFolder, filter, parent));
    } catch (...) {
        return nullptr;
    }
}

int __stdcall FileDlg_Delete(HLUMADLG dialog)
{
    try {
        return FileDialogs().Remove(dialog) ? 1 : 0;
    } catch (...) {
        return 0;
    }
}

int __stdcall FileDlg_DoModal(HLUMADLG dialog)
{
    return WithObject(FileDialogs(), dialog, -1, [](CLumaFileDialog& d) { return d.Run(); });
}

int __stdcall FileDlg_GetExtendedStyle(HLUMADLG dialog, FileDlgExStyle* record)
{
    return WithObject(FileDialogs(), dialog, 0, [&](CLumaFileDialog& d) {
        if (!record)
            return 0;
        d.GetExtendedStyle(*record);
        return 1;
    });
}

int __stdcall FileDlg_SetExtendedStyle(HLUMADLG dialog, const FileDlgExStyle* record)
{
    return WithObject(FileDialogs(), dialog, 0,
                      [&](CLumaFileDialog& d) { return record ? d.SetExtendedStyle(*record) : 0; });
}

char* __stdcall FileDlg_GetPathName(HLUMADLG dialog, char* buffer, int bufferSize, unsigned index)
{
    try {
        sjis::CopyToBuffer({}, buffer, bufferSize);
        if (CLumaFileDialog* d = FileDialogs().Find(dialog))
            d->GetPathName(buffer, bufferSize, index);
    } catch (...) {
        sjis::CopyToBuffer({}, buffer, bufferSize);
    }
    return buffer;
}

int __stdcall FileDlg_GetSelectedCount(HLUMADLG dialog)
{
    return WithObject(FileDialogs(), dialog, -1, [](CLumaFileDialog& d) { return d.SelectedCount(); });
}

int __stdcall FileDlg_MessageWnd(HLUMADLG dialog, const char* text, const char* spokenText)
{
    return WithObject(FileDialogs(), dialog, 0,
                      [&](CLumaFileDialog& d) { return d.MessageWnd(text, spokenText); });
}

int __stdcall FileDlg_SetWindowText(HLUMADLG dialog, const char* text, int id)
{
    return WithObject(FileDialogs(), dialog, 0, [&](CLumaFileDialog& d) { return d.SetCaption(text, id); });
}

// ---------------------------------------------------------------- folder dialog

HLUMADLG __stdcall FolderDlg_Create(const char* initialFolder, HWND parent)
{
    try {
        return FolderDialogs().Add(CLumaFolderDialog::Create(initialFolder, parent));
    } catch (...) {
        return nullptr;
    }
}

int __stdcall FolderDlg_Delete(HLUMADLG dialog)
{
    try {
        return FolderDialogs().Remove(dialog) ? 1 : 0;
    } catch (...) {
        return 0;
    }
}

int __stdcall FolderDlg_DoModal(HLUMADLG dialog)
{
    return WithObject(FolderDialogs(), dialog, -1, [](CLumaFolderDialog& d) { return d.Run(); });
}

int __stdcall FolderDlg_EnableControl(HLUMADLG dialog, int id, int enable)
{
    return WithObject(FolderDialogs(), dialog, 0, [&](CLumaFolderDialog& d) { return d.EnableControl(id, enable); });
}

int __stdcall FolderDlg_GetExtendedStyle(HLUMADLG dialog, FolderDlgExStyle* record)
{
    return WithObject(FolderDialogs(), dialog, 0, [&](CLumaFolderDialog& d) {
        if (!record)
            return 0;
        d.GetExtendedStyle(*record);
        return 1;
    });
}

int __stdcall FolderDlg_SetExtendedStyle(HLUMADLG dialog, const FolderDlgExStyle* record)
{
    return WithObject(FolderDialogs(), dialog, 0,
                      [&](CLumaFolderDialog& d) { return record ? d.SetExtendedStyle(*record) : 0; });
}

char* __stdcall FolderDlg_GetPathName(HLUMADLG dialog, char* buffer, int bufferSize)
{
    try {
        sjis::CopyToBuffer({}, buffer, bufferSize);
        if (CLumaFolderDialog* d = FolderDialogs().Find(dialog))
            d->GetPathName(buffer, bufferSize);
    } catch (...) {
        sjis::CopyToBuffer({}, buffer, bufferSize);
    }
    return buffer;
}

int __stdcall FolderDlg_MessageWnd(HLUMADLG dialog, const char* text, const char* spokenText)
{
    return WithObject(FolderDialogs(), dialog, 0,
                      [&](CLumaFolderDialog& d) { return d.MessageWnd(text, spokenText); });
}

int __stdcall FolderDlg_SetWindowText(HLUMADLG dialog, const char* text, int id)
{
    return WithObject(FolderDialogs(), dialog, 0, [&](CLumaFolderDialog& d) { return d.SetCaption(text, id); });
}

} // extern "C"
