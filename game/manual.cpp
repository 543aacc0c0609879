#include "game/manual.h"

#include "game/launcher.h"
#include "win/registry.h"

namespace game {

std::wstring EditorPath;

namespace {

constexpr wchar_t kGlobalDirectories[] = L"Software\\VXN\\System Global\\Directories";
constexpr wchar_t kDocumentDir[] = L"DocumentDir";
constexpr wchar_t kEditorDirectories[] = L"Software\\VXN\\Pennor\\Directories";
constexpr wchar_t kProductDir[] = L"ProductDir";
constexpr wchar_t kEditorExe[] = L"\\pennor.exe";
constexpr wchar_t kEditorOptions[] = L" /ro /ar ";
constexpr wchar_t kSystemEditor[] = L"notepad.exe ";

constexpr wchar_t kCannotStart[] = L"ペノールが起動できません";
constexpr wchar_t kCannotStartTitle[] = L"マニュアルを開く";

std::wstring Quoted(const std::wstring& text)
{
    return L"\"" + text + L"\"";
}

// Looks the editor up in the maker's settings. The editor is only taken
// when the maker's shared document folder is set up as well.
void FindEditor()
{
    if (!win::ReadUserValueText(kGlobalDirectories, kDocumentDir))
        return;
    auto product = win::ReadUserValueText(kEditorDirectories, kProductDir);
    if (!product)
        return;
    EditorPath = *product + kEditorExe;
}

} // namespace

void DocRead(const std::wstring& fileName, const std::wstring& folder, Launcher& launcher, HWND owner)
{
    FindEditor();
    if (fileName.empty())
        return;
    const std::wstring document = Quoted(folder + fileName);
    // The editor's path is quoted: unquoted, a path with spaces could start
    // another program named like its first part.
    if (!EditorPath.empty() && launcher.StartProgram(Quoted(EditorPath) + kEditorOptions + document))
        return;
    MessageBoxW(owner, kCannotStart, kCannotStartTitle, MB_ICONERROR | MB_OK);
    launcher.StartProgram(kSystemEditor + document);
}

} // namespace game
