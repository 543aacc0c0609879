// A stand-in for the dialog library in end-to-end runs of the game: the file
// dialog "confirms" the path named in VEMO_STANDIN_PATH (handed back in code
// page 932, as the library hands texts to the game) without showing a
// window, or is cancelled when the variable is unset or empty.
#include <windows.h>

#include "dialogs/lumadlg.h"

extern "C" {

HLUMADLG __stdcall FileDlg_Create(int, const char*, const char*, const char*, const char*, HWND)
{
    static char dialog; // the stand-in keeps no state of its own
    return reinterpret_cast<HLUMADLG>(&dialog);
}

int __stdcall FileDlg_SetWindowText(HLUMADLG, const char*, int) { return 1; }

int __stdcall FileDlg_DoModal(HLUMADLG)
{
    return GetEnvironmentVariableW(L"VEMO_STANDIN_PATH", nullptr, 0) > 1 ? IDOK : IDCANCEL;
}

char* __stdcall FileDlg_GetPathName(HLUMADLG, char* buffer, int bufferSize, unsigned)
{
    wchar_t path[1024] = {};
    GetEnvironmentVariableW(L"VEMO_STANDIN_PATH", path, 1024);
    if (!WideCharToMultiByte(932, 0, path, -1, buffer, bufferSize, nullptr, nullptr) && bufferSize > 0)
        buffer[0] = '\0';
    return buffer;
}

int __stdcall FileDlg_Delete(HLUMADLG) { return 1; }

} // extern "C"
