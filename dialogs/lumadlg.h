/* The dialog library's interface: eighteen plain functions in two families,
 * FileDlg_ and FolderDlg_, with the platform's standard calling convention
 * and undecorated names. Every char* is a NUL-terminated code page 932
 * string. */
#pragma once

#include <windows.h>

#ifdef __cplusplus
extern "C" {
#endif

/* A dialog object: the address of the object itself, 0 for none. */
typedef struct LumaDialog__* HLUMADLG;

/* The acceptance hook: called once per chosen path; 0 refuses. */
typedef int(__cdecl* FileDlgAcceptHook)(const char* path, HLUMADLG dialog);
/* The folder hook: code 1 focus moved, code 2 acceptance (0 refuses). */
typedef int(__cdecl* FolderDlgHook)(HLUMADLG dialog, int code, const char* itemName, const char* currentFolder);

typedef struct FileDlgExStyle {
    DWORD reserved;    /* never read or written */
    DWORD mask;        /* 0x1 style, 0x2 driveTypes, 0x4 disabledOps, 0x8 acceptHook; 0 = all */
    DWORD style;       /* FDS_ flags */
    DWORD driveTypes;  /* 0x1 fixed, 0x2 removable, 0x4 network, 0x8 CD-ROM, 0x10 RAM disk; 0 = all */
    DWORD disabledOps; /* 0x1 copy, 0x2/0x4 delete/rename files, 0x8 new folder, 0x10/0x20 delete/rename folders */
    FileDlgAcceptHook acceptHook;
} FileDlgExStyle;

typedef struct FolderDlgExStyle {
    DWORD reserved;
    DWORD mask;        /* 0x1 style, 0x2 driveTypes, 0x10000 folderHook; 0 = all */
    DWORD style;       /* FODS_ flags */
    DWORD driveTypes;
    FolderDlgHook folderHook;
} FolderDlgExStyle;

#if !defined(_WIN64) && defined(__cplusplus)
static_assert(sizeof(FileDlgExStyle) == 24, "the file dialog's style record is 24 bytes");
static_assert(sizeof(FolderDlgExStyle) == 20, "the folder dialog's style record is 20 bytes");
#endif

#define FDS_MULTISELECT      0x1
#define FDS_CREATEPROMPT     0x2
#define FDS_FILEMUSTEXIST    0x4
#define FDS_OVERWRITEPROMPT  0x8
#define FDS_FILEMUSTNOTEXIST 0x10
#define FDS_HIDEREADONLY     0x20
#define FDS_SHOWHIDDEN       0x40
#define FDS_FOCUSLIST        0x80
#define FDS_HIDEEXTENSION    0x100

#define FODS_HIDEREADONLY    0x10000
#define FODS_SHOWHIDDEN      0x20000
#define FODS_NOCREATEFOLDER  0x40000

HLUMADLG __stdcall FileDlg_Create(int openMode, const char* defaultExt, const char* fileName,
                                  const char* initialFolder, const char* filter, HWND parent);
int __stdcall FileDlg_Delete(HLUMADLG dialog);
int __stdcall FileDlg_DoModal(HLUMADLG dialog);
int __stdcall FileDlg_GetExtendedStyle(HLUMADLG dialog, FileDlgExStyle* record);
int __stdcall FileDlg_SetExtendedStyle(HLUMADLG dialog, const FileDlgExStyle* record);
char* __stdcall FileDlg_GetPathName(HLUMADLG dialog, char* buffer, int bufferSize, unsigned index);
int __stdcall FileDlg_GetSelectedCount(HLUMADLG dialog);
int __stdcall FileDlg_MessageWnd(HLUMADLG dialog, const char* text, const char* spokenText);
int __stdcall FileDlg_SetWindowText(HLUMADLG dialog, const char* text, int id);

HLUMADLG __stdcall FolderDlg_Create(const char* initialFolder, HWND parent);
int __stdcall FolderDlg_Delete(HLUMADLG dialog);
int __stdcall FolderDlg_DoModal(HLUMADLG dialog);
int __stdcall FolderDlg_EnableControl(HLUMADLG dialog, int id, int enable);
int __stdcall FolderDlg_GetExtendedStyle(HLUMADLG dialog, FolderDlgExStyle* record);
int __stdcall FolderDlg_SetExtendedStyle(HLUMADLG dialog, const FolderDlgExStyle* record);
char* __stdcall FolderDlg_GetPathName(HLUMADLG dialog, char* buffer, int bufferSize);
int __stdcall FolderDlg_MessageWnd(HLUMADLG dialog, const char* text, const char* spokenText);
int __stdcall FolderDlg_SetWindowText(HLUMADLG dialog, const char* text, int id);

#ifdef __cplusplus
}
#endif
