// CLumaFileDialog: typed names, activating list entries, the questions
// before a file is taken, the acceptance hook and shortcuts.
#include "dialogs/file_dialog.h"

#include <shlobj.h>

#include "dialogs/core/format.h"
#include "dialogs/core/paths.h"
#include "dialogs/resource.h"
#include "toolkit/message_box.h"
#include "toolkit/reader.h"
#include "win/cp932.h"
#include "win/handles.h"
#include "win/path_names.h"
#include "win/window.h"

namespace lumadlg {

namespace {

bool AskYesNo(const std::wstring& text, const wchar_t* caption)
{
    std::string t = cp932::FromWide(text);
    std::string c = cp932::FromWide(caption);
    return SpeakMessageBox(t.c_str(), c.c_str(), MB_YESNO | MB_ICONQUESTION, 0) == IDYES;
}

} // namespace

// ---------------------------------------------------------------- the parser's view of the world

bool CLumaFileDialog::IsDriveOffered(wchar_t letter)
{
    return lumadlg::IsDriveOffered(std::wstring(1, letter) + L":\\", style_.driveTypes);
}

bool CLumaFileDialog::IsDriveReady(wchar_t letter)
{
    return lumadlg::IsDriveReady(letter);
}

bool CLumaFileDialog::IsFolderUsable(const std::wstring& path)
{
    return lumadlg::IsFolderUsable(path, Rules());
}

bool CLumaFileDialog::IsFileUsable(const std::wstring& folder, const std::wstring& name)
{
    return lumadlg::IsFileUsable(folder, name, Rules());
}

TypedName CLumaFileDialog::ParseTypedName(const std::wstring& text)
{
    TypedNameContext context{driveListMode_, currentFolder_, defaultExt_};
    TypedName parsed = lumadlg::ParseTypedName(text, context, *this);
    if (parsed.code == kTypedRefused)
        ShowGuideUnder(IDC_NAME, parsed.message, parsed.message);
    return parsed;
}

// ---------------------------------------------------------------- UM_TYPEDNAME

int CLumaFileDialog::ProcessTypedName(const wchar_t* text)
{
    if (!typedFilter_.empty()) {
        typedFilter_.clear();
        if (!text) {
            if (!ListAndEnter(currentFolder_, CurrentFilter(), L""))
                return 0;
            FocusNextControl();
            return 1;
        }
    }
    if (!text)
        return 0;

    TypedName parsed = ParseTypedName(text);
    switch (parsed.code) {
    case kTypedEmpty:
        return 0;
    case kTypedRefused:
        return 1;
    case kTypedDriveList:
        if (ShowDrivesAndEnter())
            FocusNextControl();
        return 1;
    case kTypedParent:
    case kTypedFolder: {
        std::wstring filter = CurrentFilter();
        if (!parsed.folder.empty() && !filter.empty())
            ListAndEnter(parsed.folder, filter, L"");
        SelectNameBoxText();
        return 1;
    }
    case kTypedWildcard:
        if (!parsed.folder.empty() && !parsed.name.empty() && ListAndEnter(parsed.folder, parsed.name, L"")) {
            typedFilter_ = parsed.name;
            InvalidateRect(list_, nullptr, TRUE); // names are shown in full under a typed filter
            FocusNextControl();
        }
        return 1;
    case kTypedExisting: {
        const bool ask = (style_.style & kOverwritePrompt) != 0;
        if (!ask && (style_.style & kFileMustNotExist)) {
            ShowGuideUnder(IDC_NAME, ReplaceS(L"%s はすでに存在します。", parsed.name),
                           ReplaceS(L"%s わすでに存在します", parsed.name));
            return 1;
        }
        // A file the caller could not be handed is refused before any question.
        std::optional<std::string> path = CallerPath(WithBackslash(parsed.folder) + parsed.name, IDC_NAME);
        if (path && (!ask || AskOverwrite(parsed.name)))
            AcceptTyped(std::move(*path));
        return 1;
    }
    case kTypedNewFile: {
        const bool ask = (style_.style & kCreatePrompt) != 0;
        if (!ask && (style_.style & kFileMustExist)) {
            ShowGuideUnder(IDC_NAME, ReplaceS(L"%s は見つかりません。", parsed.name),
                           ReplaceS(L"%s わ見つかりません", parsed.name));
            return 1;
        }
        std::optional<std::string> path = CallerPath(WithBackslash(parsed.folder) + parsed.name, IDC_NAME);
        if (path && (!ask || AskCreate(parsed.name)))
            AcceptTyped(std::move(*path));
        return 1;
    }
    default:
        return 0;
    }
}

bool CLumaFileDialog::AskOverwrite(const std::wstring& name)
{
    return AskYesNo(ReplaceS(L"%s\nこのファイルは すでに存在します。\n\n上書き保存しますか？", name), L"上書きの確認");
}

bool CLumaFileDialog::AskCreate(const std::wstring& name)
{
    return AskYesNo(ReplaceS(L"%sは見つかりません。新規作成しますか？", name), L"新規作成の確認");
}

std::optional<std::string> CLumaFileDialog::CallerPath(const std::wstring& path, int guideControl)
{
    std::optional<std::string> bytes = win::AnsiPath(path);
    if (!bytes)
        ShowGuideUnder(guideControl, msg::kInvalidFileName, msg::kInvalidFileName);
    return bytes;
}

void CLumaFileDialog::AcceptTyped(std::string path)
{
    // Each acceptance starts a fresh list of chosen paths, so a path a hook
    // refused earlier is not handed to the caller later.
    chosen_.clear();
    chosen_.push_back(std::move(path));
    AcceptChosen();
}

void CLumaFileDialog::SelectNameBoxText()
{
    HWND box = Item(IDC_NAME);
    SendMessageW(box, EM_SETSEL, 0, -1);
    SendMessageW(box, EM_SCROLLCARET, 0, 0);
}

void CLumaFileDialog::SendTypedName(const std::wstring& text)
{
    SendMessageW(hwnd(), UM_TYPEDNAME, text.empty() ? 0 : reinterpret_cast<WPARAM>(text.c_str()), 0);
}

// ---------------------------------------------------------------- UM_ACTIVATEITEM

int CLumaFileDialog::ActivateItem(int index)
{
    FileItem* item = ItemAt(index);
    if (!item)
        return 0;

    std::wstring target;
    std::wstring select;
    if (item->kind == ItemKind::UpEntry) {
        target = ParentFolder(currentFolder_);
        select = LastComponent(currentFolder_);
    } else if (item->kind == ItemKind::DrivesEntry) {
        ShowDrivesAndEnter();
        return 1;
    } else if (driveListMode_) {
        wchar_t letter = DriveLetterOfDisplayName(item->name);
        if (!letter)
            return 0;
        if (!lumadlg::IsDriveReady(letter)) {
            const wchar_t* notReady = L"ドライブの準備ができていません";
            ShowGuideUnder(IDC_LIST, notReady, notReady);
            return 1;
        }
        target = std::wstring(1, letter) + L":\\";
        SelectDriveInBox(letter);
    } else {
        target = WithBackslash(currentFolder_) + item->name;
    }

    DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return 0;

    if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
        std::wstring filter = CurrentFilter();
        if (!filter.empty())
            ListAndEnter(target, filter, select);
        if (select.empty())
            FocusFirstFileOrTop();
        return 1;
    }

    chosen_.clear();
    const bool ask = (style_.style & kOverwritePrompt) != 0;
    for (int i = -1; (i = static_cast<int>(SendMessageW(list_, LVM_GETNEXTITEM, i, LVNI_SELECTED))) >= 0;) {
        FileItem* selected = ItemAt(i);
        if (!selected || !selected->IsFile())
            continue;
        if (!ask && (style_.style & kFileMustNotExist)) {
            SetDlgItemTextW(hwnd(), IDC_NAME, selected->name.c_str());
            continue;
        }
        std::wstring folder = selected->folder.empty() ? currentFolder_ : selected->folder;
        // A file the caller could not be handed is refused before any question.
        std::optional<std::string> path = CallerPath(WithBackslash(folder) + selected->name, IDC_LIST);
        if (!path) {
            chosen_.clear(); // one file the caller could not be handed refuses the whole choice
            return 1;
        }
        if (ask && !AskOverwrite(selected->name))
            continue;
        chosen_.push_back(std::move(*path));
    }
    if (!chosen_.empty())
        AcceptChosen();
    return 1;
}

// ---------------------------------------------------------------- acceptance

void CLumaFileDialog::AcceptChosen()
{
    if (style_.acceptHook) {
        auto hook = reinterpret_cast<FileDlgAcceptHook>(style_.acceptHook);
        // The paths are handed over one by one; the hook may look at this
        // object, so it sees a stable copy.
        std::vector<std::string> paths = chosen_;
        for (const std::string& path : paths) {
            if (hook(path.c_str(), Handle()) == 0)
                return;
            if (!IsRunning())
                return;
        }
    }
    EndWithResult(IDOK);
}

// ---------------------------------------------------------------- shortcuts

void CLumaFileDialog::OpenShortcut()
{
    FileItem* item = FocusedItem();
    if (!item || !item->IsFile())
        return;
    std::wstring path = WithBackslash(currentFolder_) + item->name;
    std::wstring target;
    {
        win::ComInit com;
        win::ComPtr<IShellLinkW> link;
        win::ComPtr<IPersistFile> file;
        wchar_t buffer[MAX_PATH] = {};
        if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                       link.put_void())) &&
            SUCCEEDED(link->QueryInterface(IID_IPersistFile, file.put_void())) &&
            SUCCEEDED(file->Load(path.c_str(), STGM_READ)) && SUCCEEDED(link->Resolve(nullptr, SLR_UPDATE)) &&
            SUCCEEDED(link->GetPath(buffer, MAX_PATH, nullptr, 0)))
            target = buffer;
    }
    if (target.empty())
        return;
    HWND box = Item(IDC_NAME);
    SetWindowTextW(box, target.c_str());
    SetFocus(box);
    SendTypedName(target);
}

} // namespace lumadlg
