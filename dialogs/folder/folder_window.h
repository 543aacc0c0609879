// The folder dialog's window for one run: template 145 with its drive list
// box, folder list, icon buttons and status line, driven by the object
// CLumaFolderDialog that owns the settings and the result.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "dialogs/drives.h"
#include "dialogs/folder/folder_dialog.h"
#include "dialogs/folder_reading.h"
#include "dialogs/shell_info_cache.h"
#include "dialogs/folder/folder_text.h"
#include "toolkit/control_assist.h"
#include "win/dialog.h"
#include "win/handles.h"
#include "win/subclass.h"

namespace lumadlg {

class FolderWindow : public win::Dialog {
public:
    explicit FolderWindow(CLumaFolderDialog& owner);
    ~FolderWindow() override;

    int EnableControl(int id, int enable);
    int MessageWnd(const char* text, const char* spokenText);

    // Opens the focused entry of the folder list (the Enter handler, a
    // double-click, OK on a navigation entry).
    void OpenFocused();
    // Starts reading the start folder before the window exists; its first
    // listing takes the reading when it lists that folder.
    void ReadStartFolderAhead();

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int notifyCode, HWND control) override;
    bool OnNotify(NMHDR* header, LRESULT& result) override;
    void OnOK() override;
    void OnDestroy() override;

private:
    struct Entry {
        std::wstring text;
        EntryKind kind;
        int icon = -1; // drives: their small icon
    };

    // Alt+F1 and Alt+F2 reach the folder list as system keys.
    class ListKeys : public win::Subclass {
    public:
        explicit ListKeys(FolderWindow& window) : window_(window) {}

    protected:
        LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

    private:
        FolderWindow& window_;
    };

    // The current folder's text while the list shows the drives, and the
    // status line's then.
    static constexpr wchar_t kDrives[] = L"DRIVES";
    static constexpr wchar_t kMyComputer[] = L"マイ コンピュータ";
    // Drive letters compared in lower case.
    static wchar_t Lower(wchar_t c) { return (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c - L'A' + L'a') : c; }

    bool NoCreateFolder() const;
    bool ShowHidden() const;
    bool HideReadOnly() const;
    // Which entries the two settings above leave out.
    VisibilityRules Rules() const;
    std::wstring StartFolder();
    bool IsStartFolderUsable(const std::wstring& folder);
    void FillDriveBox(std::wstring& start);
    void SetUpList();

    FolderQuery QueryFor(const std::wstring& folder) const;
    int ListFolder(const std::wstring& path, const std::wstring& select);
    int ListDrives(const std::wstring& select);
    void ClearList();
    // Gives the owner-data list the number of entries.
    void ShowEntries();
    void SelectAndFocus(int index);
    void FitColumn();
    void SetStatus(const std::wstring& text);
    void EnableButtons(bool enable);
    int FocusedIndex() const;
    int FindEntry(const std::wstring& text) const;
    int IconOf(const Entry& entry);
    void SelectDriveInBox(wchar_t letter);

    void GoUp(bool fromButton);
    void ReadAloud(int command);
    void ShowReadMenu();
    void ShowListMenu();
    void TrackMenu(HMENU menu, POINT screenPoint);
    bool NewFolder();
    void OnListKey(WORD key);
    void OnItemChanged(const NMLISTVIEW& change);
    void OnDriveBoxSelected();
    void NotReadyGuide(int anchorId);
    void ReleaseSpace();

    CLumaFolderDialog& owner_;
    HWND list_ = nullptr;
    HWND drives_ = nullptr;
    HWND status_ = nullptr;
    std::unique_ptr<CLumaControlAssist> assist_;
    std::vector<std::unique_ptr<Entry>> entries_;
    ShellInfoCache shellInfo_;
    std::unique_ptr<FolderReading> readingAhead_;
    win::UniqueIcon icons_[3];
    ListKeys listKeys_{*this};
    bool drivesMode_ = false;
    int driveIndex_ = -1;
};

} // namespace lumadlg
