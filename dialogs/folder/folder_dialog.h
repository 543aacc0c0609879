// CLumaFolderDialog: the folder dialog object behind the FolderDlg_ exports.
// The object keeps the caller's initial folder, style, hook and captions
// between runs; Run() builds the window from template 145, runs it modally
// and leaves the chosen folder in the object. A second run starts in the
// folder the first one showed when it closed.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>

#include "dialogs/core/ex_style.h"
#include "dialogs/lumadlg.h"

#if !defined(_WIN64)
static_assert(sizeof(FolderDlgExStyle) == 20, "the folder dialog's style record is 20 bytes");
#endif

namespace lumadlg {

class FolderWindow;

class CLumaFolderDialog {
public:
    // initialFolder: a folder, "PERSONAL", "DRIVES" or empty/null (the
    // drives). Returns null when the object cannot be allocated.
    static std::unique_ptr<CLumaFolderDialog> Create(const char* initialFolder, HWND parent);
    // For the library's own use (the file dialog's copy): the initial
    // folder as it is, and the result read through Result() alone, so no
    // folder is refused for want of a code page 932 form.
    static std::unique_ptr<CLumaFolderDialog> CreateInLibrary(std::wstring initialFolder, HWND parent);
    ~CLumaFolderDialog();
    CLumaFolderDialog(const CLumaFolderDialog&) = delete;
    CLumaFolderDialog& operator=(const CLumaFolderDialog&) = delete;

    HLUMADLG Handle() { return reinterpret_cast<HLUMADLG>(this); }
    bool IsRunning() const { return window_ != nullptr; }

    // Runs the dialog modally: 1 OK, 2 cancel; -1 when no drive is usable,
    // the window cannot be created or the dialog runs already.
    int Run();
    // For ids 1, 2 and 1002 of the open window: enables or disables the
    // control and returns whether it was enabled before; else 0.
    int EnableControl(int id, int enable);
    void GetExtendedStyle(FolderDlgExStyle& record) const;
    // Returns the sum of 0x1, 0x2 and 0x10000 for the fields stored.
    int SetExtendedStyle(const FolderDlgExStyle& record);
    // Zero-fills the buffer, then copies the chosen folder, in a form that
    // names it in code page 932 (win::AnsiPath), cut to bufferSize - 1 bytes.
    void GetPathName(char* buffer, int bufferSize) const;
    // A guide message under the folder list while the window runs; else 0.
    int MessageWnd(const char* text, const char* spokenText);
    // Captions for one run: -1 title, 1 OK, 2 cancel, 1016 drive label,
    // 1017 folder label. Returns 1, or 0 for any other id.
    int SetCaption(const char* text, int id);

    const std::wstring& CurrentFolder() const { return currentFolder_; }
    const std::wstring& Result() const { return result_; }

private:
    friend class FolderWindow;
    CLumaFolderDialog() = default;

    HWND parent_ = nullptr;
    FolderStyleValues style_;
    std::wstring currentFolder_;
    std::wstring result_;
    // The result goes to a caller of the char* interface: OK refuses a
    // folder that code page 932 cannot name.
    bool handsOutAnsi_ = true;
    // Title, OK, cancel, drive label, folder label; empty optional: the
    // template's text.
    std::optional<std::wstring> captions_[5];
    FolderWindow* window_ = nullptr;
};

} // namespace lumadlg
