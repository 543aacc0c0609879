// CLumaFolderDialog: the folder dialog object behind the FolderDlg_
// exports. The object keeps the caller's settings, captions and the chosen
// folder; its window is not built yet, so a run reports that no dialog ran.
#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <string>

#include "dialogs/core/ex_style.h"
#include "dialogs/lumadlg.h"

namespace lumadlg {

class CLumaFolderDialog {
public:
    static std::unique_ptr<CLumaFolderDialog> Create(const char* initialFolder, HWND parent);

    HLUMADLG Handle() { return reinterpret_cast<HLUMADLG>(this); }
    bool IsRunning() const { return window_ != nullptr; }

    // -1: the dialog could not run.
    int Run();
    // For ids 1, 2 and 1002 of the open window: enables or disables the
    // control and returns whether it was enabled before; else 0.
    int EnableControl(int id, int enable);
    void GetExtendedStyle(FolderDlgExStyle& record) const;
    int SetExtendedStyle(const FolderDlgExStyle& record);
    void GetPathName(char* buffer, int bufferSize) const;
    int MessageWnd(const char* text, const char* spokenText);
    int SetCaption(const char* text, int id);

    const std::wstring& InitialFolder() const { return currentFolder_; }

private:
    CLumaFolderDialog() = default;

    HWND parent_ = nullptr;
    HWND window_ = nullptr;
    FolderStyleValues style_;
    std::map<int, std::wstring> captions_;
    std::wstring currentFolder_;
    std::wstring result_;
};

} // namespace lumadlg
