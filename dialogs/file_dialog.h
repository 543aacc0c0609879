// CLumaFileDialog: the file open/save dialog behind the FileDlg_ exports.
//
// The object lives from FileDlg_Create to FileDlg_Delete and keeps the
// caller's settings and the chosen paths; the window exists only inside
// Run(). The class is split over several files by subject:
//   file_dialog.cpp         the object and its run;
//   file_dialog_window.cpp  initialisation, commands, OK, cancel, going up;
//   file_dialog_boxes.cpp   the drive box and the file-type box;
//   file_list.cpp           listing a folder or the drives into the list;
//   file_list_sort.cpp      sorting the list;
//   file_list_view.cpp      the list control: columns, texts, icons, search;
//   file_list_speech.cpp    what the list says, and its help lines;
//   file_list_menus.cpp     the list's keys and menus;
//   name_box.cpp            typed names, activating entries and accepting files;
//   file_ops.cpp            creating, renaming, deleting and copying entries.
// A listing flows one way: the folder is read (folder_reading.h) into an
// entry table (core/entry_table.h) in the order of the names' sort keys
// (name_ranks.h, core/sort.h), which the list control shows (an owner-data
// list: it asks for texts and icons of the rows it draws).
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "dialogs/core/entry_table.h"
#include "dialogs/core/ex_style.h"
#include "dialogs/core/file_item.h"
#include "dialogs/core/typed_name.h"
#include "dialogs/drives.h"
#include "dialogs/folder_reading.h"
#include "dialogs/lumadlg.h"
#include "dialogs/shell_info_cache.h"
#include "win/dialog.h"

class CLumaControlAssist;

namespace lumadlg {

// The dialog's private messages.
inline constexpr UINT UM_ACTIVATEITEM = WM_USER + 100; // wParam: list index
inline constexpr UINT UM_TYPEDNAME = WM_USER + 101;    // wParam: const wchar_t* text, or 0

// Shown in the current-folder line and kept as the current folder while the
// list shows the drives.
inline constexpr const wchar_t* kMyComputer = L"ﾏｲ ｺﾝﾋﾟｭｰﾀ";

// Tells the confirmed choices of a drop-down list box from its other
// notifications: Enter or a click in the open list, or a keyboard move while
// the list is closed. Such a move reports a confirmed end of selection and
// then a change; the change is no second choice.
class BoxChoice {
public:
    bool IsConfirmed(HWND box, int notifyCode);

private:
    bool endOkSeen_ = false;
};

class CLumaFileDialog : public win::Dialog, private TypedNameEnv {
public:
    // Null strings count as empty. Returns null when out of memory.
    static std::unique_ptr<CLumaFileDialog> Create(int openMode, const char* defaultExt, const char* fileName,
                                                   const char* initialFolder, const char* filter, HWND parent);
    ~CLumaFileDialog() override;

    HLUMADLG Handle() { return reinterpret_cast<HLUMADLG>(this); }
    bool IsRunning() const { return hwnd() != nullptr; }

    // 1 OK, 2 cancel, -1 no usable drive or no window.
    int Run();
    void GetExtendedStyle(FileDlgExStyle& record) const;
    int SetExtendedStyle(const FileDlgExStyle& record);
    // Zero-fills the buffer, then copies chosen path `index` cut to size - 1.
    void GetPathName(char* buffer, int bufferSize, unsigned index) const;
    int SelectedCount() const { return static_cast<int>(chosen_.size()); }
    // A guide message under the name box while the dialog runs; else 0.
    int MessageWnd(const char* text, const char* spokenText);
    // 1 when the id is one of the six captions.
    int SetCaption(const char* text, int id);

    // The settings a caller can read back, for tests of the object.
    const std::vector<std::pair<std::wstring, std::wstring>>& Filters() const { return filters_; }

private:
    CLumaFileDialog() = default;

    // --- win::Dialog ---
    INT_PTR HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int notifyCode, HWND control) override;
    bool OnNotify(NMHDR* header, LRESULT& result) override;
    void OnOK() override;
    void OnCancel() override;
    void OnDestroy() override;

    // --- file_dialog_window.cpp: initialisation, commands, OK, cancel, up ---
    // IsFolderUsable for the folder the dialog starts in.
    bool IsStartFolderUsable();
    void ApplyCaptions();
    void SetButtonIcons();
    void AttachAssistant();
    bool GoUpFolder();
    void EndWithResult(int result);
    void ShowGuideUnder(int controlId, const std::wstring& text, const std::wstring& spoken);
    VisibilityRules Rules() const;
    static BOOL ListEnterHandler(HWND control, int data);
    static BOOL EditEnterHandler(HWND control, int data);
    static LRESULT CALLBACK AcceleratorHook(int code, WPARAM wParam, LPARAM lParam);

    // --- file_dialog_boxes.cpp: the drive box and the file-type box ---
    void FillDriveBox();
    void FillTypeBox();
    void OnDriveBoxCommand(int notifyCode);
    void OnTypeBoxCommand(int notifyCode);
    int SelectDriveInBox(wchar_t letter);
    std::wstring CurrentFilter() const;
    // The pattern of the first file type, or "*.*": the first listing's.
    std::wstring FirstFilter() const;

    // --- file_list.cpp: listing ---
    // What a listing of the folder with the filter reads.
    FolderQuery QueryFor(const std::wstring& folder, const std::wstring& filter) const;
    void ClearList();
    std::uint32_t ListFolder(const std::wstring& folder, const std::wstring& filter, const std::wstring& select);
    int ShowDriveList(const std::wstring& folder);
    // ListFolder and, on success, make the folder current and keep its first-file index.
    bool ListAndEnter(const std::wstring& folder, const std::wstring& filter, const std::wstring& select);
    bool ShowDrivesAndEnter();
    void UpdateButtonsAfterListing();
    void PostSpaceKeyUp();

    // --- file_list_sort.cpp: sorting ---
    bool SortList(unsigned key);
    void NextSortOrder();
    // The rank of each file's type name among the listing's type names.
    std::vector<std::uint32_t> TypeRanks();
    // The selected and focused entries, kept by record over a sort.
    struct ListStates {
        std::vector<int> selectedIndexes; // where they stood
        std::vector<std::uint32_t> selectedRecords;
        int focusedRecord = -1;
    };
    ListStates SaveListStates() const;
    // Selects and focuses the same entries at their new places.
    void RestoreListStates(const ListStates& states);

    // --- file_list_view.cpp: the list control ---
    void SetUpList();
    void InsertFolderColumns();
    void InsertDriveColumns();
    FileItem* ItemAt(int index) const;
    int FocusedIndex() const;
    FileItem* FocusedItem() const { return ItemAt(FocusedIndex()); }
    std::wstring ItemText(int index, int column);
    std::wstring ColumnZeroText(const FileItem& item) const;
    const std::wstring& TypeNameOf(const FileItem& item);
    int IconOf(int index);
    int FindItemByText(const std::wstring& text) const;
    // The list indexes of the selected entries, in list order.
    std::vector<int> SelectedIndexes() const;
    // Takes the selection off the entries at `selected` (SelectedIndexes)
    // and the focus off the focused one.
    void ClearListStates(const std::vector<int>& selected);
    void SelectAndFocus(int index);
    void FocusFirstFileOrTop();
    bool OnListNotify(NMHDR* header, LRESULT& result);

    // --- file_list_speech.cpp: what the list says, help lines ---
    void OnListStateChanged(const NMLISTVIEW& change);
    void OnListFocus();
    void SpeakDetail(int command);
    void SpeakCurrentFolder();
    void ShowReadingHelp();
    void ShowOperationsHelp();

    // --- file_list_menus.cpp: keys and menus of the list ---
    void OnListKey(WORD key);
    void AppendFileOpItems(HMENU menu, const FileItem& item) const;
    void ShowKeyMenu();
    void ShowMouseMenu(POINT screen);
    void ShowFileOpsMenu();
    void ShowReadingMenu();
    void TrackMenuAt(HMENU menu, POINT screen);

    // --- file_ops.cpp: the file operations ---
    // Commands 1103 to 1108 and button 1014, each only when the caller left
    // it to the user for the focused entry.
    void OnFileOpCommand(int command);
    // Ctrl+C, Ctrl+Insert, Delete and F2 in the list.
    void OnFileOpKey(WORD key, bool ctrl);
    bool CreateFolder();
    bool RenameEntry();
    bool DeleteEntries();
    bool CopyFiles();
    // Copies of the selected records, in list order.
    std::vector<FileItem> SelectedEntries() const;
    // Lists the current folder again with the current filter.
    bool Relist(const std::wstring& select);

    // --- name_box.cpp: typed names and acceptance ---
    bool IsDriveOffered(wchar_t letter) override;
    bool IsDriveReady(wchar_t letter) override;
    bool IsFolderUsable(const std::wstring& path) override;
    bool IsFileUsable(const std::wstring& folder, const std::wstring& name) override;
    TypedName ParseTypedName(const std::wstring& text);
    int ProcessTypedName(const wchar_t* text);
    int ActivateItem(int index);
    void AcceptChosen();
    bool AskOverwrite(const std::wstring& name);
    bool AskCreate(const std::wstring& name);
    // The path as the caller receives it (win::AnsiPath); without such a
    // form the choice is refused with a guide message under the control.
    std::optional<std::string> CallerPath(const std::wstring& path, int guideControl);
    void AcceptTyped(std::string path);
    void SendTypedName(const std::wstring& text);
    void OpenShortcut();
    void SelectNameBoxText();
    void FocusNextControl();

    // Creation values.
    bool openMode_ = true;
    std::wstring defaultExt_;
    std::wstring initialName_;
    HWND parent_ = nullptr;
    std::vector<std::pair<std::wstring, std::wstring>> filters_; // caption, pattern
    FileStyleValues style_;
    std::map<int, std::wstring> captions_; // one run's caption overrides
    std::vector<std::string> chosen_; // in code page 932, as the caller receives them

    // State of one run.
    std::wstring currentFolder_;
    bool driveListMode_ = false;
    std::wstring typedFilter_;
    int firstFileIndex_ = 0;
    std::uint32_t sortOrder_ = 0;
    bool restoringStates_ = false; // a sort puts the selection and focus back: nothing to read out
    int rememberedDrive_ = -1;
    BoxChoice driveChoice_;
    BoxChoice typeChoice_;
    int savedReaderMode_ = 0;
    HACCEL accel_ = nullptr;
    HHOOK accelHook_ = nullptr;
    HWND status_ = nullptr;
    HWND list_ = nullptr;
    HIMAGELIST systemIcons_ = nullptr;
    std::unique_ptr<CLumaControlAssist> assistant_;
    std::vector<HICON> icons_;
    EntryTable entries_;
    // Icons of the listing's entries looked up one by one (the special
    // entries, drives, files with icons of their own), by record number.
    std::unordered_map<std::uint32_t, int> recordIcons_;
    ShellInfoCache shellInfo_;
    // The first folder, read while the window is being made.
    std::unique_ptr<FolderReading> readingAhead_;
};

} // namespace lumadlg
