#include "dialogs/core/ex_style.h"

namespace lumadlg {

namespace {
bool Selects(std::uint32_t mask, std::uint32_t bit) { return mask == 0 || (mask & bit) != 0; }
} // namespace

unsigned StoreFileStyle(FileStyleValues& stored, std::uint32_t mask, const FileStyleValues& from)
{
    unsigned result = 0;
    if (Selects(mask, 0x1)) {
        std::uint32_t old = stored.style;
        std::uint32_t style = from.style;
        if ((style & kMultiSelect) && (style & (kOverwritePrompt | kFileMustNotExist)))
            style &= ~kMultiSelect;
        stored.style = style;
        if (style != old)
            result |= 0x1;
    }
    if (Selects(mask, 0x2)) {
        stored.driveTypes = from.driveTypes;
        result |= 0x2;
    }
    if (Selects(mask, 0x4)) {
        stored.disabledOps = from.disabledOps;
        result |= 0x4;
    }
    if (Selects(mask, 0x8)) {
        stored.acceptHook = from.acceptHook;
        result |= 0x8;
    }
    return result;
}

void LoadFileStyle(const FileStyleValues& stored, std::uint32_t mask, FileStyleValues& to)
{
    if (Selects(mask, 0x1))
        to.style = stored.style;
    if (Selects(mask, 0x2))
        to.driveTypes = stored.driveTypes;
    if (Selects(mask, 0x4))
        to.disabledOps = stored.disabledOps;
    if (Selects(mask, 0x8))
        to.acceptHook = stored.acceptHook;
}

unsigned StoreFolderStyle(FolderStyleValues& stored, std::uint32_t mask, const FolderStyleValues& from)
{
    unsigned result = 0;
    if (Selects(mask, 0x1)) {
        stored.style = from.style;
        result |= 0x1;
    }
    if (Selects(mask, 0x2)) {
        stored.driveTypes = from.driveTypes;
        result |= 0x2;
    }
    if (Selects(mask, 0x10000)) {
        stored.folderHook = from.folderHook;
        result |= 0x10000;
    }
    return result;
}

void LoadFolderStyle(const FolderStyleValues& stored, std::uint32_t mask, FolderStyleValues& to)
{
    if (Selects(mask, 0x1))
        to.style = stored.style;
    if (Selects(mask, 0x2))
        to.driveTypes = stored.driveTypes;
    if (Selects(mask, 0x10000))
        to.folderHook = stored.folderHook;
}

} // namespace lumadlg
