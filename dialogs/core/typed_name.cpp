#include "dialogs/core/typed_name.h"

#include "dialogs/core/format.h"
#include "dialogs/core/paths.h"

namespace lumadlg {

namespace {

// Each of the directory, base name and extension holds at most 255 bytes.
constexpr std::size_t kMaxPartBytes = 255;

bool ContainsAny(std::wstring_view text, std::wstring_view chars)
{
    return text.find_first_of(chars) != std::wstring_view::npos;
}

bool IsAsciiLetter(wchar_t c) { return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z'); }


TypedName Refuse(std::wstring message)
{
    TypedName r;
    r.code = kTypedRefused;
    r.message = std::move(message);
    return r;
}

TypedName Result(int code, std::wstring folder, std::wstring name = {})
{
    TypedName r;
    r.code = code;
    r.folder = std::move(folder);
    r.name = std::move(name);
    return r;
}

} // namespace

PathParts SplitPath(std::wstring_view path)
{
    PathParts parts;
    if (path.size() >= 2 && path[1] == L':') {
        parts.drive = path.substr(0, 2);
        path.remove_prefix(2);
    }
    std::size_t slash = path.find_last_of(L"\\/");
    if (slash != std::wstring_view::npos) {
        parts.dir = path.substr(0, slash + 1);
        path.remove_prefix(slash + 1);
    }
    std::size_t dot = path.rfind(L'.');
    if (dot != std::wstring_view::npos) {
        parts.ext = path.substr(dot);
        path = path.substr(0, dot);
    }
    parts.base = path;
    return parts;
}

TypedName ParseTypedName(std::wstring_view text, const TypedNameContext& context, TypedNameEnv& env)
{
    const std::wstring& current = context.currentFolder;

    if (text.empty())
        return Result(kTypedEmpty, {});
    if (text == L":")
        return Result(kTypedDriveList, {});
    if (text == L"..") {
        if (context.driveListMode)
            return Refuse(msg::kInvalidName);
        if (IsRootFolder(current))
            return Refuse(msg::kRootFolder);
        return Result(kTypedParent, ParentFolder(current));
    }

    PathParts parts = SplitPath(text);
    // A part longer than its 255 bytes cannot name anything the dialog could
    // open; it is refused rather than cut to some other name.
    if (Cp932Length(parts.dir) > kMaxPartBytes || Cp932Length(parts.base) > kMaxPartBytes ||
        Cp932Length(parts.ext) > kMaxPartBytes)
        return Refuse(msg::kInvalidFileName);

    std::wstring working;
    if (!parts.drive.empty()) {
        wchar_t letter = parts.drive[0];
        if (!IsAsciiLetter(letter))
            return Refuse(msg::kInvalidDrive);
        if (!env.IsDriveOffered(letter))
            return Refuse(ReplaceS(msg::kNoSuchDrive, parts.drive));
        if (!env.IsDriveReady(letter))
            return Refuse(msg::kDriveNotReadyTyped);
        working = parts.drive;
    } else {
        if (context.driveListMode || current.empty())
            return Refuse(msg::kNoDrive);
        working = std::wstring(1, current[0]) + L":";
    }
    // Exactly the same first character: a letter typed in the other case
    // counts as another drive.
    auto onCurrentDrive = [&] { return !current.empty() && !working.empty() && working[0] == current[0]; };

    if (parts.dir.empty() && parts.base.empty() && parts.ext.empty())
        return Result(kTypedFolder, WithBackslash(working));

    if (!parts.dir.empty()) {
        if (ContainsAny(parts.dir, L"/:,;*?\"<>|"))
            return Refuse(msg::kInvalidFileName);
        if (parts.dir[0] == L'\\') {
            working += parts.dir;
        } else if (parts.dir.compare(0, 3, L"..\\") == 0) {
            working = ParentFolder(current) + parts.dir.substr(3);
        } else {
            if (onCurrentDrive())
                working = current;
            working = WithBackslash(working) + parts.dir;
        }
        // "." and ".." are followed here, so that the folder listed, shown
        // and read out is the one they lead to, and a later ".." goes up
        // from it.
        working = WithoutDotComponents(working);
        if (!env.IsFolderUsable(working))
            return Refuse(msg::kNoSuchPath);
        if (parts.base.empty() && parts.ext.empty())
            return Result(kTypedFolder, WithBackslash(working));
    } else if (onCurrentDrive()) {
        working = current;
    }

    std::wstring full = WithBackslash(working) + parts.base + parts.ext;
    if (const std::wstring folder = WithoutDotComponents(full); env.IsFolderUsable(folder))
        return Result(kTypedFolder, WithBackslash(folder));

    std::wstring folder = ParentFolder(full);
    std::wstring name = parts.base + parts.ext;
    if (ContainsAny(name, L"\\/:,;\"<>|"))
        return Refuse(msg::kInvalidFileName);
    if (ContainsAny(name, L"*?"))
        return Result(kTypedWildcard, folder, name);
    if (env.IsFileUsable(folder, name))
        return Result(kTypedExisting, folder, name);
    if (parts.ext != L"." && !context.defaultExt.empty()) {
        std::wstring extended = name + context.defaultExt;
        if (env.IsFileUsable(folder, extended))
            return Result(kTypedExisting, folder, extended);
        if (parts.ext.empty())
            return Result(kTypedNewFile, folder, extended);
    }
    return Result(kTypedNewFile, folder, name);
}

} // namespace lumadlg
