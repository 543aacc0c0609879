// A stand-in for the dialog library in end-to-end runs of the game: the file
// dialog "confirms" the path named in VEMO_STANDIN_PATH (handed back in code
// page 932, as the library hands texts to the game) without showing a
// window, or is cancelled when the variable is unset or empty.
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "dialogs/lumadlg.h"

namespace {

std::string ChosenPath()
{
    wchar_t wide[1024];
    DWORD n = GetEnvironmentVariableW(L"VEMO_STANDIN_PATH", wide, 1024);
    if (n == 0 || n >= 1024)
        return {};
    std::string text(static_cast<size_t>(n) * 2, '\0');
    int bytes = WideCharToMultiByte(932, 0, wide, static_cast<int>(n), text.data(), static_cast<int>(text.size()),
                                    nullptr, nullptr);
    text.resize(static_cast<size_t>(bytes > 0 ? bytes : 0));
    return text;
}

char g_dialog; // every handle: the stand-in keeps no state of its own

} // namespace

extern "C" {

HLUMADLG __stdcall FileDlg_Create(int, const char*, const char*, const char*, const char*, HWND)
{
    return reinterpret_cast<HLUMADLG>(&g_dialog);
}

int __stdcall FileDlg_SetWindowText(HLUMADLG handle, const char*, int) { return handle ? 1 : 0; }

int __stdcall FileDlg_DoModal(HLUMADLG handle) { return !handle ? -1 : ChosenPath().empty() ? IDCANCEL : IDOK; }

char* __stdcall FileDlg_GetPathName(HLUMADLG handle, char* buffer, int bufferSize, unsigned)
{
    if (!handle || !buffer || bufferSize <= 0)
        return nullptr;
    const std::string path = ChosenPath();
    const size_t n = std::min(path.size(), static_cast<size_t>(bufferSize - 1));
    std::memcpy(buffer, path.data(), n);
    buffer[n] = '\0';
    return buffer;
}

int __stdcall FileDlg_Delete(HLUMADLG handle) { return handle ? 1 : 0; }

} // extern "C"
