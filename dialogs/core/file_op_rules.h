// The file operations' decisions that need no window: which operations the
// caller's disabledOps leave on an entry, the names a user may type, the
// questions and messages with their captions and box types, and the names
// and folders of copies.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "dialogs/core/file_item.h"

namespace lumadlg {

// The caption of the copy's questions and of its folder dialog.
inline constexpr wchar_t kCopyCaption[] = L"ファイルのコピー";

// ---------------------------------------------------------------- withdrawn operations

// Copy works on files; delete and rename on files and folders, each by its
// own bit; none of them on the special entries or drives.
bool MayCopy(std::uint32_t disabledOps, const FileItem& item);
bool MayDelete(std::uint32_t disabledOps, const FileItem& item);
bool MayRename(std::uint32_t disabledOps, const FileItem& item);
bool MayCreateFolder(std::uint32_t disabledOps);

// The "ファイルの操作" button is disabled only when every operation is
// withdrawn; the "フォルダの作成" button with folder creation.
bool FileOpsButtonEnabled(std::uint32_t disabledOps);
bool NewFolderButtonEnabled(std::uint32_t disabledOps);

// The file-operation items of the menus for an entry: command and text.
struct MenuItem {
    int command;
    std::wstring text;
};
std::vector<MenuItem> FileOpItems(std::uint32_t disabledOps, const FileItem& item);

// The status bar's help line of the operations left ("" when none is).
std::wstring OperationsHelp(std::uint32_t disabledOps);

// ---------------------------------------------------------------- names

// A code page 932 name containing \ / : , ; " < > | * or ? (as single-byte
// characters: a double-byte character's trail byte never counts).
bool HasForbiddenNameChar(std::string_view name);

// A name that may become an entry of the current folder: no forbidden
// character, and not made of dots alone ("." and ".." name the folder itself
// and its parent).
bool IsUsableEntryName(std::string_view name);

// ---------------------------------------------------------------- questions and messages

// What a message box shows: text, caption and the platform's box type.
struct Message {
    std::wstring text;
    std::wstring caption;
    unsigned type = 0;
};

// Message boxes of the platform's types.
inline constexpr unsigned kStopBox = 0x10;        // OK, stop icon
inline constexpr unsigned kWarningBox = 0x30;     // OK, exclamation icon
inline constexpr unsigned kYesNoBox = 0x24;       // Yes and No, question icon
inline constexpr unsigned kYesNoCancelBox = 0x23; // Yes, No and Cancel, question icon
inline constexpr int kYes = 6;
inline constexpr int kNo = 7;
inline constexpr int kCancel = 2;

// The input boxes of the operations.
struct Prompt {
    std::wstring prompt;
    std::wstring caption;
    std::wstring initialText;
    int bufferSize;
};
Prompt NewFolderPrompt();
Prompt RenamePrompt(const std::wstring& name);

// The refusals that send the user back to the input box, and the failures.
Message NewFolderInvalidName();
Message NewFolderDuplicate();
Message NewFolderFailed();
Message RenameInvalidName();
Message RenameUnchanged();
Message RenameReadOnly(const std::wstring& name);
Message RenameFailed();

// The question before a deletion: the plural one for several selected
// entries, else the one of the entry; nullopt for nothing selected or a
// special entry alone.
std::optional<Message> DeleteQuestion(int selectedCount, const FileItem& entry);

// The buttons of the delete question: "削除", "ごみ箱へ移す" and "ｷｬﾝｾﾙ"
// on a fixed disk, "削除" and "ｷｬﾝｾﾙ" elsewhere.
struct DeleteButtons {
    std::vector<std::wstring> captions;
    unsigned type;
};
DeleteButtons DeleteButtonsFor(bool fixedDisk);

enum class DeleteChoice { Cancel, ForGood, RecycleBin };
// The answer to the delete question (9005, 9006, 9007 for the buttons).
DeleteChoice DeleteChoiceOf(int result, bool fixedDisk);

// The shell's flags for the deletion: no questions, no error boxes, and the
// recycle bin when it was chosen.
std::uint32_t ShellDeleteFlags(DeleteChoice choice);

// What the shell's report of one deletion means: its result code and
// whether it says an operation was aborted. An abort or a cancel result is
// the user's cancel (of the shell's own progress window): no failure, and
// the walk ends there.
enum class DeleteOutcome { Deleted, Cancelled, Failed };
DeleteOutcome ShellDeleteOutcome(int result, bool aborted);

// The second question for a folder among several selected entries.
Message FolderAmongOthersQuestion(const std::wstring& name);

// What the attributes of an entry allow before it is deleted.
enum class DeleteCheck { Unreadable, System, ReadOnly, Deletable };
inline constexpr std::uint32_t kAttributeReadOnly = 0x1;
inline constexpr std::uint32_t kAttributeSystem = 0x4;
DeleteCheck CheckBeforeDelete(std::optional<std::uint32_t> attributes);
// The message of a check other than Deletable: a refusal, or for ReadOnly the
// question whose Yes allows the deletion.
Message DeleteCheckMessage(DeleteCheck check, const std::wstring& name, bool folder);
Message DeleteFailed(const std::wstring& name);

// ---------------------------------------------------------------- copies

// The name of a copy: "コピー ～ " before the name when it goes into the
// folder the file is in, else the name itself.
std::wstring CopyName(const std::wstring& name, bool sameFolder);

// Where a copy goes compared with the current folder. Both folders are given
// in one letter case (the caller upper-cases them) and get a trailing "\".
struct CopyPlace {
    std::wstring target;  // with its "\"
    std::wstring current; // with its "\"
    bool sameFolder;      // the target is the current folder
    bool insideCurrent;   // the target is the current folder or below it
};
CopyPlace CompareCopyFolders(std::wstring_view target, std::wstring_view current);

// The folder dialog's style for choosing the target: mask 0x2, or 0x3 with
// a style, which carries the hidden and read-only rules of the file dialog
// and withholds folder creation when it is withdrawn.
struct FolderStyleForCopy {
    std::uint32_t mask;
    std::uint32_t style;
};
FolderStyleForCopy CopyFolderStyle(std::uint32_t fileStyle, std::uint32_t disabledOps);

Message CopyTargetMissing();
Message OverwriteQuestion(const std::wstring& destination);
Message CopyFailed(const std::wstring& source);

} // namespace lumadlg
