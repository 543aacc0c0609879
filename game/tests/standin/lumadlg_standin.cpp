// A stand-in for the dialog library in end-to-end tests of the game: the file
// dialog "confirms" the path named in VEMO_STANDIN_PATH (handed back in code
// page 932) without showing a window, or is cancelled when the variable is
// unset or empty. Every call is noted in VEMO_STANDIN_LOG, when
// set, so tests can see what the game passed.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "dialogs/lumadlg.h"

namespace {

struct StandInDialog {
    int openMode;
    std::string defExt, fileName, initDir, filter, title;
    HWND owner;
};

std::string Text(const char* s) { return s ? std::string(s) : std::string("(null)"); }

// An environment variable in code page 932, whatever the process's ANSI code
// page is, as the real library hands texts to the game.
std::string Env(const wchar_t* name)
{
    wchar_t wide[1024];
    DWORD n = GetEnvironmentVariableW(name, wide, 1024);
    if (n == 0 || n >= 1024)
        return {};
    int bytes = WideCharToMultiByte(932, 0, wide, static_cast<int>(n), nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<size_t>(bytes > 0 ? bytes : 0), '\0');
    if (bytes > 0)
        WideCharToMultiByte(932, 0, wide, static_cast<int>(n), text.data(), bytes, nullptr, nullptr);
    return text;
}

void Log(const std::string& line)
{
    wchar_t path[1024];
    DWORD n = GetEnvironmentVariableW(L"VEMO_STANDIN_LOG", path, 1024);
    if (n == 0 || n >= 1024)
        return;
    if (FILE* f = _wfopen(path, L"ab")) {
        std::fprintf(f, "%s\n", line.c_str());
        std::fclose(f);
    }
}

StandInDialog* Dialog(HLUMADLG handle) { return reinterpret_cast<StandInDialog*>(handle); }

} // namespace

extern "C" {

HLUMADLG __stdcall FileDlg_Create(int openMode, const char* defaultExt, const char* fileName,
                                  const char* initialFolder, const char* filter, HWND parent)
{
    Log("Create " + std::to_string(openMode) + "|" + Text(defaultExt) + "|" + Text(fileName) + "|" +
        Text(initialFolder) + "|" + Text(filter) + "|" + (parent ? "owner" : "(null)"));
    auto* dialog = new StandInDialog{openMode, Text(defaultExt), Text(fileName), Text(initialFolder), Text(filter),
                                     {}, parent};
    return reinterpret_cast<HLUMADLG>(dialog);
}

int __stdcall FileDlg_SetWindowText(HLUMADLG handle, const char* text, int id)
{
    Log("SetWindowText " + Text(text) + "|" + std::to_string(id));
    if (handle && text)
        Dialog(handle)->title = text;
    return handle ? 1 : 0;
}

int __stdcall FileDlg_DoModal(HLUMADLG handle)
{
    int result = !handle ? -1 : Env(L"VEMO_STANDIN_PATH").empty() ? IDCANCEL : IDOK;
    Log("DoModal " + std::to_string(result));
    return result;
}

char* __stdcall FileDlg_GetPathName(HLUMADLG handle, char* buffer, int bufferSize, unsigned index)
{
    Log("GetPathName " + std::to_string(bufferSize) + "|" + std::to_string(index));
    if (!handle || !buffer || bufferSize <= 0)
        return nullptr;
    std::string path = Env(L"VEMO_STANDIN_PATH");
    size_t n = path.size() < static_cast<size_t>(bufferSize - 1) ? path.size() : static_cast<size_t>(bufferSize - 1);
    std::memcpy(buffer, path.data(), n);
    buffer[n] = '\0';
    return buffer;
}

int __stdcall FileDlg_Delete(HLUMADLG handle)
{
    Log("Delete");
    delete Dialog(handle);
    return handle ? 1 : 0;
}

} // extern "C"
