// The parser of the file dialog's name box: a name, a relative or absolute
// path, a drive, ":" or ".." or a wildcard, checked in a fixed order.
//
// The checks that touch drives and the file system go through TypedNameEnv,
// so the parser itself is plain text logic.
#pragma once

#include <string>
#include <string_view>

namespace lumadlg {

class TypedNameEnv {
public:
    virtual bool IsDriveOffered(wchar_t letter) = 0;
    virtual bool IsDriveReady(wchar_t letter) = 0;
    virtual bool IsFolderUsable(const std::wstring& path) = 0;
    virtual bool IsFileUsable(const std::wstring& folder, const std::wstring& name) = 0;

protected:
    ~TypedNameEnv() = default;
};

struct TypedNameContext {
    bool driveListMode = false;
    std::wstring currentFolder;
    std::wstring defaultExt;
};

enum TypedNameCode : int {
    kTypedRefused = -1,   // `message` says why
    kTypedEmpty = 0,
    kTypedDriveList = 1,  // ":" alone
    kTypedParent = 2,     // ".."; folder
    kTypedFolder = 3,     // folder with a trailing "\"
    kTypedWildcard = 4,   // folder, name = pattern
    kTypedExisting = 5,   // folder, name
    kTypedNewFile = 6,    // folder, name
};

struct TypedName {
    int code = kTypedEmpty;
    std::wstring folder;
    std::wstring name;
    std::wstring message; // the refusal, shown and spoken as it is
};

// The four parts of a path by the usual rules: drive (a character and ":"),
// directory (up to the last "\" or "/"), base name, extension (from the last
// "." of the rest).
struct PathParts {
    std::wstring drive, dir, base, ext;
};
PathParts SplitPath(std::wstring_view path);

TypedName ParseTypedName(std::wstring_view text, const TypedNameContext& context, TypedNameEnv& env);

// Guide messages of the parser.
namespace msg {
inline constexpr const wchar_t* kInvalidName = L"指定されたファイル名は無効です。";
inline constexpr const wchar_t* kRootFolder = L"ルートディレクトリです。";
inline constexpr const wchar_t* kInvalidDrive = L"このドライブは無効です。";
inline constexpr const wchar_t* kNoSuchDrive = L"ドライブ %s は存在しません。";
inline constexpr const wchar_t* kDriveNotReadyTyped = L"ドライブの準備ができていません。";
inline constexpr const wchar_t* kNoDrive = L"ドライブが決まっていません。ドライブを入力してください。";
inline constexpr const wchar_t* kInvalidFileName = L"このファイル名は無効です。";
inline constexpr const wchar_t* kNoSuchPath = L"このパス名は存在しません。";
} // namespace msg

} // namespace lumadlg
