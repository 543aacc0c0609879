#include "dialogs/folder/folder_hook_texts.h"

#include "dialogs/core/typed_name.h"
#include "win/cp932.h"
#include "win/path_names.h"

namespace lumadlg {

namespace {

std::string Exact(std::wstring_view text, bool& complete)
{
    std::optional<std::string> bytes = cp932::FromWideExact(text);
    complete = complete && bytes.has_value();
    return bytes.value_or(std::string());
}

// The entry's name as it stands in the code page 932 form of its path.
std::string FolderName(const std::wstring& currentFolder, const std::wstring& name, bool& complete)
{
    ansi_path::Choice choice = win::ChooseAnsiPath(JoinFolder(currentFolder, name));
    if (choice.form == ansi_path::Form::None) {
        complete = false;
        return {};
    }
    return Exact(std::wstring_view(choice.path).substr(choice.path.rfind(L'\\') + 1), complete);
}

} // namespace

FolderHookTexts HookTextsFor(const std::wstring& currentFolder, const std::wstring& entryText, EntryKind kind)
{
    FolderHookTexts texts;
    std::optional<std::string> folder = win::AnsiPath(currentFolder);
    texts.complete = folder.has_value();
    texts.folder = folder.value_or(std::string());
    switch (kind) {
    case EntryKind::Folder:
        texts.item = FolderName(currentFolder, entryText, texts.complete);
        break;
    case EntryKind::Drive:
        if (std::optional<std::string> name = cp932::FromWideExact(entryText))
            texts.item = *name;
        else if (wchar_t letter = DriveLetterOf(entryText))
            texts.item = std::string("(") + static_cast<char>(letter) + ":)";
        else
            texts.complete = false;
        break;
    default: // the navigation entries
        texts.item = Exact(entryText, texts.complete);
        break;
    }
    return texts;
}

std::string UnnamableFolderMessage()
{
    return cp932::FromWide(msg::kInvalidFileName);
}

} // namespace lumadlg
