#include "dialogs/core/file_op_rules.h"

#include "dialogs/core/ex_style.h"
#include "dialogs/core/format.h"
#include "dialogs/resource.h"
#include "win/sjis.h"

namespace lumadlg {

namespace {

bool Allowed(std::uint32_t disabledOps, std::uint32_t op) { return (disabledOps & op) == 0; }

bool IsFileOrFolder(const FileItem& item) { return item.kind == ItemKind::File || item.kind == ItemKind::Folder; }

const wchar_t kCreateCaption[] = L"フォルダの作成";
const wchar_t kRenameCaption[] = L"名前の変更";

} // namespace

// ---------------------------------------------------------------- withdrawn operations

bool MayCopy(std::uint32_t disabledOps, const FileItem& item)
{
    return item.kind == ItemKind::File && Allowed(disabledOps, kOpCopyFiles);
}

bool MayDelete(std::uint32_t disabledOps, const FileItem& item)
{
    if (!IsFileOrFolder(item))
        return false;
    return Allowed(disabledOps, item.kind == ItemKind::File ? kOpDeleteFiles : kOpDeleteFolders);
}

bool MayRename(std::uint32_t disabledOps, const FileItem& item)
{
    if (!IsFileOrFolder(item))
        return false;
    return Allowed(disabledOps, item.kind == ItemKind::File ? kOpRenameFiles : kOpRenameFolders);
}

bool MayCreateFolder(std::uint32_t disabledOps) { return Allowed(disabledOps, kOpCreateFolders); }

bool FileOpsButtonEnabled(std::uint32_t disabledOps) { return (disabledOps & kAllFileOps) != kAllFileOps; }

bool NewFolderButtonEnabled(std::uint32_t disabledOps) { return MayCreateFolder(disabledOps); }

std::vector<MenuItem> FileOpItems(std::uint32_t disabledOps, const FileItem& item)
{
    std::vector<MenuItem> items;
    if (!IsFileOrFolder(item))
        return items;
    if (MayCopy(disabledOps, item))
        items.push_back({IDM_COPYFILES, L"コピー(&C)\tCtrl + C"});
    bool file = item.kind == ItemKind::File;
    if (MayDelete(disabledOps, item))
        items.push_back({file ? IDM_DELETEFILE : IDM_DELETEFOLDER, L"削除(&D)\tDelete"});
    if (MayRename(disabledOps, item))
        items.push_back({file ? IDM_RENAMEFILE : IDM_RENAMEFOLDER, L"名前の変更(&N)\tF2"});
    return items;
}

std::wstring OperationsHelp(std::uint32_t disabledOps)
{
    std::wstring help;
    if (Allowed(disabledOps, kOpCopyFiles))
        help += L"ファイルのコピー[Ctrl + C]";
    if (Allowed(disabledOps, kOpDeleteFiles) || Allowed(disabledOps, kOpDeleteFolders))
        help += L" 削除[Delete]";
    if (Allowed(disabledOps, kOpRenameFiles) || Allowed(disabledOps, kOpRenameFolders))
        help += L" 名前の変更[F2]";
    if (Allowed(disabledOps, kOpCreateFolders))
        help += L" フォルダの作成[Ctrl + N]";
    return help;
}

// ---------------------------------------------------------------- names

bool HasForbiddenNameChar(std::string_view name)
{
    for (char c : std::string_view("\\/:,;\"<>|*?")) {
        if (sjis::FindChar(name, c) != std::string_view::npos)
            return true;
    }
    return false;
}

bool IsUsableEntryName(std::string_view name)
{
    if (HasForbiddenNameChar(name))
        return false;
    return name.find_first_not_of('.') != std::string_view::npos;
}

// ---------------------------------------------------------------- questions and messages

Prompt NewFolderPrompt()
{
    return {L"新しいフォルダの名前を入力してください", L"新しいフォルダの作成", L"新しいフォルダ", 260};
}

Prompt RenamePrompt(const std::wstring& name)
{
    return {ReplaceS(L"%s の名前を変更します。\n新しい名前を入力してください", name), kRenameCaption, name, 512};
}

Message NewFolderInvalidName()
{
    return {L"無効な文字が使われています。フォルダ名を入力しなおしてください。", kCreateCaption, kWarningBox};
}

Message NewFolderDuplicate()
{
    return {L"すでに同じ名前のフォルダが存在します。フォルダ名を入力しなおしてください。", kCreateCaption, kWarningBox};
}

Message NewFolderFailed() { return {L"新しいフォルダの作成に失敗しました。", kCreateCaption, kStopBox}; }

Message RenameInvalidName()
{
    return {L"無効な文字が使われています。名前を入力しなおしてください。", kRenameCaption, kWarningBox};
}

Message RenameUnchanged()
{
    return {L"変更前と同じ名前が指定されました。名前を入力しなおしてください。", kRenameCaption, kWarningBox};
}

Message RenameReadOnly(const std::wstring& name)
{
    return {ReplaceS(L"%s は読み取り専用です。名前を変更してもよろしいですか？", name), kRenameCaption, kYesNoBox};
}

Message RenameFailed() { return {L"名前の変更に失敗しました。", kRenameCaption, kStopBox}; }

std::optional<Message> DeleteQuestion(int selectedCount, const FileItem& entry)
{
    if (selectedCount > 1) {
        return Message{L"これらの " + std::to_wstring(selectedCount) + L"個のファイルを削除してもよろしいですか？",
                       L"複数ファイルの削除の確認", 0};
    }
    if (selectedCount < 1 || !IsFileOrFolder(entry))
        return std::nullopt;
    if (entry.kind == ItemKind::Folder) {
        return Message{ReplaceS(L"%s \nこのフォルダとフォルダ内のすべてのファイルを削除してもよろしいですか？",
                                entry.name),
                       L"フォルダの削除の確認", 0};
    }
    return Message{ReplaceS(L"%s \nこのファイルを削除してもよろしいですか？", entry.name), L"ファイルの削除の確認",
                   0};
}

DeleteButtons DeleteButtonsFor(bool fixedDisk)
{
    if (fixedDisk)
        return {{L"削除", L"ごみ箱へ移す", L"ｷｬﾝｾﾙ"}, 0x220};
    return {{L"削除", L"ｷｬﾝｾﾙ"}, 0x120};
}

DeleteChoice DeleteChoiceOf(int result, bool fixedDisk)
{
    if (result == 9005)
        return DeleteChoice::ForGood;
    if (result == 9006 && fixedDisk)
        return DeleteChoice::RecycleBin;
    return DeleteChoice::Cancel;
}

std::uint32_t ShellDeleteFlags(DeleteChoice choice)
{
    constexpr std::uint32_t kNoConfirmation = 0x10, kNoErrorUi = 0x400, kAllowUndo = 0x40;
    std::uint32_t flags = kNoConfirmation | kNoErrorUi;
    if (choice == DeleteChoice::RecycleBin)
        flags |= kAllowUndo;
    return flags;
}

DeleteOutcome ShellDeleteOutcome(int result, bool aborted)
{
    constexpr int kCancelled = 1223;    // ERROR_CANCELLED
    constexpr int kOpCancelled = 0x75;  // the shell's own code for a cancelled operation
    if (aborted || result == kCancelled || result == kOpCancelled)
        return DeleteOutcome::Cancelled;
    return result == 0 ? DeleteOutcome::Deleted : DeleteOutcome::Failed;
}

Message FolderAmongOthersQuestion(const std::wstring& name)
{
    return {ReplaceS(L"%sはフォルダです。\nこのフォルダとフォルダ内のすべてのファイルを削除してもよろしいですか？", name),
            L"フォルダの削除の確認", kYesNoBox};
}

DeleteCheck CheckBeforeDelete(std::optional<std::uint32_t> attributes)
{
    if (!attributes)
        return DeleteCheck::Unreadable;
    if (*attributes & kAttributeSystem)
        return DeleteCheck::System;
    if (*attributes & kAttributeReadOnly)
        return DeleteCheck::ReadOnly;
    return DeleteCheck::Deletable;
}

Message DeleteCheckMessage(DeleteCheck check, const std::wstring& name, bool folder)
{
    switch (check) {
    case DeleteCheck::Unreadable:
        return {ReplaceS(L"%s \nファイルの属性を取得できませんでした。", name), L"削除", kStopBox};
    case DeleteCheck::System:
        return {ReplaceS(folder ? L"%s \nこのフォルダはシステムフォルダです。" : L"%s \nこのファイルはシステムファイルです。",
                         name) +
                    L"削除できません。",
                L"削除", kWarningBox};
    case DeleteCheck::ReadOnly:
        return {ReplaceS(folder ? L"%s \nこのフォルダ" : L"%s \nこのファイル", name) +
                    L"は読み取り専用です。\n\n削除してもよろしいですか？",
                L"削除の確認", kYesNoBox};
    case DeleteCheck::Deletable:
        break;
    }
    return {};
}

Message DeleteFailed(const std::wstring& name)
{
    return {ReplaceS(L"%s を削除できません。\n\nライトプロテクトされていないか、またはファイルが使用中でないか確認してください。",
                     name),
            L"ファイルの削除のエラー", kStopBox};
}

// ---------------------------------------------------------------- copies

std::wstring CopyName(const std::wstring& name, bool sameFolder) { return sameFolder ? L"コピー ～ " + name : name; }

CopyPlace CompareCopyFolders(std::wstring_view target, std::wstring_view current)
{
    CopyPlace place;
    place.target = target;
    place.current = current;
    for (std::wstring* folder : {&place.target, &place.current})
        if (folder->empty() || folder->back() != L'\\')
            *folder += L'\\';
    place.sameFolder = place.target == place.current;
    place.insideCurrent = place.target.compare(0, place.current.size(), place.current) == 0;
    return place;
}

FolderStyleForCopy CopyFolderStyle(std::uint32_t fileStyle, std::uint32_t disabledOps)
{
    std::uint32_t style = 0;
    if (fileStyle & kHideReadOnly)
        style |= kFolderHideReadOnly;
    if (fileStyle & kShowHidden)
        style |= kFolderShowHidden;
    if (!MayCreateFolder(disabledOps))
        style |= kFolderNoCreate;
    return {style ? 0x3u : 0x2u, style};
}

Message CopyTargetMissing() { return {L"入力されたフォルダ名は存在しません。", kCopyCaption, kWarningBox}; }

Message OverwriteQuestion(const std::wstring& destination)
{
    return {ReplaceS(L"%s \nコピー先のフォルダへ 同じ名前のファイルが存在します。\n\n上書きしますか？", destination),
            L"上書きの確認", kYesNoCancelBox};
}

Message CopyFailed(const std::wstring& source)
{
    return {source + L" \nファイルのコピーに失敗しました。", kCopyCaption, kStopBox};
}

} // namespace lumadlg
