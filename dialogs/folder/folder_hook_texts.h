// The folder hook's two texts for an entry of the folder list, in code
// page 932. Each names the real item (win::AnsiPath: short names for the
// components the code page cannot carry); a text without such a form is
// handed over empty, never changed into the name of another folder, and OK
// refuses such an entry. The list itself shows and speaks the real names.
#pragma once

#include <string>

#include "dialogs/folder/folder_text.h"

namespace lumadlg {

struct FolderHookTexts {
    std::string item;      // the entry's text; a folder's short name where needed
    std::string folder;    // the current folder
    bool complete = true;  // false: a text had no such form and is empty
};

// A drive's display name the code page cannot carry is handed over as
// "(X:)", which keeps the letter a caller finds after the last "(".
FolderHookTexts HookTextsFor(const std::wstring& currentFolder, const std::wstring& entryText, EntryKind kind);

// Shown and spoken under the list when OK would choose a folder that has
// no such form, in code page 932.
std::string UnnamableFolderMessage();

} // namespace lumadlg
