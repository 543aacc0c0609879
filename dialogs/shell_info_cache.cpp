#include "dialogs/shell_info_cache.h"

#include <shellapi.h>

#include <initializer_list>
#include <optional>

#include "dialogs/core/paths.h"
#include "dialogs/shell_icons.h"

namespace lumadlg {

namespace {

// The kind an entry's type name and icon follow from: a file's extension in
// lower case, or one kind for every folder ("\" is in no file name).
constexpr wchar_t kFolderKind[] = L"\\";

std::wstring KindOf(const FileItem& item)
{
    if (!item.IsFile())
        return kFolderKind;
    std::wstring extension(ExtensionOf(item.name));
    if (!extension.empty())
        CharLowerBuffW(extension.data(), static_cast<DWORD>(extension.size()));
    return extension;
}

} // namespace

void ShellInfoCache::UseTypeNamesAhead(std::unique_ptr<TypeNamesAhead> ahead)
{
    typeNamesAhead_ = std::move(ahead);
}

void ShellInfoCache::Clear()
{
    typeOfKind_.clear();
    typeNames_.clear();
    iconOfKind_.clear();
    typeNamesAhead_.reset();
}

std::size_t ShellInfoCache::TypeIndex(const FileItem& item, const std::wstring& folder)
{
    std::wstring kind = KindOf(item);
    auto known = typeOfKind_.find(kind);
    if (known != typeOfKind_.end())
        return known->second;
    std::optional<std::wstring> ahead;
    if (typeNamesAhead_ && item.IsFile())
        ahead = typeNamesAhead_->Take(ExtensionOf(item.name));
    typeNames_.push_back(ahead ? std::move(*ahead) : ShellTypeName(folder + item.name));
    typeOfKind_.emplace(std::move(kind), typeNames_.size() - 1);
    return typeNames_.size() - 1;
}

bool ShellInfoCache::HasOwnIcon(const FileItem& item)
{
    if (!item.IsFile())
        return false;
    std::wstring kind = KindOf(item);
    for (const wchar_t* own : {L".exe", L".lnk", L".ico", L".cur", L".ani", L".url", L".scr", L".pif"})
        if (kind == own)
            return true;
    return false;
}

int ShellInfoCache::Icon(const FileItem& item, const std::wstring& folder)
{
    if (HasOwnIcon(item))
        return SmallIconIndex(folder + item.name);
    return IconOfKind(KindOf(item), item.name, !item.IsFile());
}

int ShellInfoCache::FolderIcon()
{
    return IconOfKind(kFolderKind, L"folder", true);
}

int ShellInfoCache::IconOfKind(std::wstring kind, const std::wstring& name, bool folder)
{
    auto known = iconOfKind_.find(kind);
    if (known != iconOfKind_.end())
        return known->second;
    int icon = SmallIconIndexOfKind(name, folder);
    iconOfKind_.emplace(std::move(kind), icon);
    return icon;
}

} // namespace lumadlg
