/* LUMADLG.h: the interface of LUMADLG.dll, a file dialog and a folder
 * dialog that speak through the screen reader and work by keyboard.
 *
 * Eighteen plain functions in two families, FileDlg_ and FolderDlg_, with
 * the __stdcall convention (the function removes its arguments) and
 * undecorated export names. Usable from C and C++.
 *
 * Every char* is a NUL-terminated code page 932 (Shift-JIS) string, whatever
 * the system's own code page is. The library copies every string it keeps;
 * every buffer belongs to the caller. Call everything from one thread, the
 * one that owns the parent window. See README.md beside this file. */
#ifndef LUMADLG_H
#define LUMADLG_H

#include <windows.h>

#ifdef __cplusplus
extern "C" {
#endif

/* A dialog object, from its create function to its delete function; 0 is none. */
typedef struct LumaDialog__* HLUMADLG;

/* ---------------------------------------------------------------- results */

#define LUMADLG_OK       1    /* DoModal: the user chose (FileDlg_: at least one path) */
#define LUMADLG_CANCEL   2    /* DoModal: the user cancelled */
#define LUMADLG_NOT_RUN  (-1) /* DoModal: not that family's handle, no usable drive, or no window */

/* ---------------------------------------------------------------- ids */

#define LUMADLG_ID_TITLE        (-1)  /* SetWindowText: the window title */
#define LUMADLG_ID_OK           1     /* SetWindowText, FolderDlg_EnableControl: the OK button */
#define LUMADLG_ID_CANCEL       2     /* FolderDlg_ only: the cancel button */
#define LUMADLG_ID_DRIVELIST    1002  /* FolderDlg_EnableControl: the drive list box */
#define LUMADLG_ID_DRIVELABEL   1016  /* SetWindowText: the label of the drive list box */
#define LUMADLG_ID_FOLDERLABEL  1017  /* SetWindowText: the label of the current folder */
#define LUMADLG_ID_NAMELABEL    1018  /* FileDlg_ only: the label of the name box */
#define LUMADLG_ID_TYPELABEL    1019  /* FileDlg_ only: the label of the file-type box */

/* ---------------------------------------------------------------- sizes */

#define LUMADLG_PATH_BUFFER     (2 * MAX_PATH) /* GetPathName: holds a path of MAX_PATH characters of up to two bytes */
#define LUMADLG_FOLDER_PERSONAL "PERSONAL"     /* FolderDlg_Create: start in the user's documents */
#define LUMADLG_FOLDER_DRIVES   "DRIVES"       /* FolderDlg_Create: start in the list of drives */

/* ---------------------------------------------------------------- hooks */

/* Called (plain C convention: the caller removes the arguments) once for
 * each path the user accepts, in order; 0 refuses it and keeps the dialog
 * open. May call FileDlg_MessageWnd(dialog, ...) to say why. */
typedef int(__cdecl* FileDlgAcceptHook)(const char* path, HLUMADLG dialog);

#define FOLDERHOOK_FOCUS   1  /* folder hook code: the focus moved to itemName; the result is ignored */
#define FOLDERHOOK_ACCEPT  2  /* folder hook code: the user accepts itemName; 0 refuses */

/* Called (plain C convention) with one of the FOLDERHOOK_ codes, the text of
 * the folder list's entry and the folder the list shows. */
typedef int(__cdecl* FolderDlgHook)(HLUMADLG dialog, int code, const char* itemName, const char* currentFolder);

/* ---------------------------------------------------------------- records */

/* The records keep their layout whatever packing the includer has set:
 * 24 and 20 bytes on 32-bit Windows, natural alignment on 64-bit. */
#pragma pack(push, 8)

/* FileDlg_Get/SetExtendedStyle. */
typedef struct FileDlgExStyle {
    DWORD reserved;               /* never read or written by the library */
    DWORD mask;                   /* FDSM_ bits: the fields to read or write; 0 = all four */
    DWORD style;                  /* FDS_ flags */
    DWORD driveTypes;             /* LUMADLG_DRIVE_ bits: drive kinds offered; 0 = every kind */
    DWORD disabledOps;            /* FDO_ bits: file operations withdrawn from the user */
    FileDlgAcceptHook acceptHook; /* acceptance hook, or 0 */
} FileDlgExStyle;

/* FolderDlg_Get/SetExtendedStyle. */
typedef struct FolderDlgExStyle {
    DWORD reserved;               /* never read or written by the library */
    DWORD mask;                   /* FODSM_ bits: the fields to read or write; 0 = all three */
    DWORD style;                  /* FODS_ flags */
    DWORD driveTypes;             /* LUMADLG_DRIVE_ bits: drive kinds offered; 0 = every kind */
    FolderDlgHook folderHook;     /* folder hook, or 0 */
} FolderDlgExStyle;

#pragma pack(pop)

/* Size checks that C89, C11 and C++ compilers all accept. */
#ifdef _WIN64
typedef char LumaDlg_FileDlgExStyle_is_32_bytes[sizeof(FileDlgExStyle) == 32 ? 1 : -1];
typedef char LumaDlg_FolderDlgExStyle_is_24_bytes[sizeof(FolderDlgExStyle) == 24 ? 1 : -1];
#else
typedef char LumaDlg_FileDlgExStyle_is_24_bytes[sizeof(FileDlgExStyle) == 24 ? 1 : -1];
typedef char LumaDlg_FolderDlgExStyle_is_20_bytes[sizeof(FolderDlgExStyle) == 20 ? 1 : -1];
#endif

/* mask bits of FileDlgExStyle; FileDlg_SetExtendedStyle returns their sum
 * for the fields written (FDSM_STYLE only when the style changed). */
#define FDSM_STYLE        0x1  /* style */
#define FDSM_DRIVETYPES   0x2  /* driveTypes */
#define FDSM_DISABLEDOPS  0x4  /* disabledOps */
#define FDSM_ACCEPTHOOK   0x8  /* acceptHook */

/* mask bits of FolderDlgExStyle; FolderDlg_SetExtendedStyle returns their
 * sum for the fields stored. */
#define FODSM_STYLE       0x1      /* style */
#define FODSM_DRIVETYPES  0x2      /* driveTypes */
#define FODSM_FOLDERHOOK  0x10000  /* folderHook */

/* style of FileDlgExStyle. An open dialog starts with FDS_FILEMUSTEXIST, a
 * save dialog with FDS_OVERWRITEPROMPT. */
#define FDS_MULTISELECT      0x1   /* several files can be chosen; cleared beside 0x8 or 0x10 */
#define FDS_CREATEPROMPT     0x2   /* a new name is taken only after a yes to "新規作成の確認" */
#define FDS_FILEMUSTEXIST    0x4   /* a name that does not exist is refused */
#define FDS_OVERWRITEPROMPT  0x8   /* an existing file is taken only after a yes to "上書きの確認" */
#define FDS_FILEMUSTNOTEXIST 0x10  /* an existing file is refused */
#define FDS_HIDEREADONLY     0x20  /* read-only files and folders are left out */
#define FDS_SHOWHIDDEN       0x40  /* hidden files and folders are listed */
#define FDS_FOCUSLIST        0x80  /* the list, not the name box, has the focus at first */
#define FDS_HIDEEXTENSION    0x100 /* the list shows names without their extension */

/* style of FolderDlgExStyle. */
#define FODS_HIDEREADONLY    0x10000 /* read-only folders are left out */
#define FODS_SHOWHIDDEN      0x20000 /* hidden folders are listed */
#define FODS_NOCREATEFOLDER  0x40000 /* the user cannot make folders */

/* driveTypes of both records; other kinds are offered only when it is 0. */
#define LUMADLG_DRIVE_FIXED      0x1  /* fixed disks */
#define LUMADLG_DRIVE_REMOVABLE  0x2  /* removable disks */
#define LUMADLG_DRIVE_NETWORK    0x4  /* network drives */
#define LUMADLG_DRIVE_CDROM      0x8  /* CD-ROM drives */
#define LUMADLG_DRIVE_RAMDISK    0x10 /* RAM disks */

/* disabledOps of FileDlgExStyle. */
#define FDO_COPYFILES      0x1  /* copying files */
#define FDO_DELETEFILES    0x2  /* deleting files */
#define FDO_RENAMEFILES    0x4  /* renaming files */
#define FDO_CREATEFOLDER   0x8  /* making folders */
#define FDO_DELETEFOLDERS  0x10 /* deleting folders */
#define FDO_RENAMEFOLDERS  0x20 /* renaming folders */
#define FDO_ALL            0x37 /* every file operation */

/* ---------------------------------------------------------------- file dialog */

/* A new file dialog: openMode nonzero opens, 0 saves; defaultExt (with its
 * dot) is added to a typed name; filter is "caption|pattern|...|"; any
 * string may be NULL. Returns 0 when out of memory. */
HLUMADLG __stdcall FileDlg_Create(int openMode, const char* defaultExt, const char* fileName,
                                  const char* initialFolder, const char* filter, HWND parent);
/* Destroys the dialog: 1; 0 for a handle that is no file dialog. */
int __stdcall FileDlg_Delete(HLUMADLG dialog);
/* Runs the dialog: LUMADLG_OK, LUMADLG_CANCEL or LUMADLG_NOT_RUN. */
int __stdcall FileDlg_DoModal(HLUMADLG dialog);
/* Fills the fields record->mask selects; 0 for a wrong handle. */
int __stdcall FileDlg_GetExtendedStyle(HLUMADLG dialog, FileDlgExStyle* record);
/* Stores the fields record->mask selects; returns FDSM_ bits, 0 for a wrong handle. */
int __stdcall FileDlg_SetExtendedStyle(HLUMADLG dialog, const FileDlgExStyle* record);
/* Zero-fills buffer, then copies chosen path number index (from 0) cut to
 * bufferSize - 1 bytes; returns buffer. */
char* __stdcall FileDlg_GetPathName(HLUMADLG dialog, char* buffer, int bufferSize, unsigned index);
/* The number of chosen paths; -1 for a wrong handle. */
int __stdcall FileDlg_GetSelectedCount(HLUMADLG dialog);
/* While the dialog runs (from the hook): shows text under the name box and
 * speaks spokenText; 0 when it does not run. */
int __stdcall FileDlg_MessageWnd(HLUMADLG dialog, const char* text, const char* spokenText);
/* Before DoModal: the caption of LUMADLG_ID_ element id for the next run; 1 when stored. */
int __stdcall FileDlg_SetWindowText(HLUMADLG dialog, const char* text, int id);

/* ---------------------------------------------------------------- folder dialog */

/* A new folder dialog starting in initialFolder (a path, LUMADLG_FOLDER_PERSONAL,
 * LUMADLG_FOLDER_DRIVES, or NULL for the list of drives). Returns 0 when out of memory. */
HLUMADLG __stdcall FolderDlg_Create(const char* initialFolder, HWND parent);
/* Destroys the dialog: 1; 0 for a handle that is no folder dialog. */
int __stdcall FolderDlg_Delete(HLUMADLG dialog);
/* Runs the dialog: LUMADLG_OK, LUMADLG_CANCEL or LUMADLG_NOT_RUN. */
int __stdcall FolderDlg_DoModal(HLUMADLG dialog);
/* While the dialog runs: enables (enable nonzero) or disables control id
 * (LUMADLG_ID_OK, LUMADLG_ID_CANCEL, LUMADLG_ID_DRIVELIST); returns whether it was enabled. */
int __stdcall FolderDlg_EnableControl(HLUMADLG dialog, int id, int enable);
/* Fills the fields record->mask selects; 0 for a wrong handle. */
int __stdcall FolderDlg_GetExtendedStyle(HLUMADLG dialog, FolderDlgExStyle* record);
/* Stores the fields record->mask selects; returns FODSM_ bits, 0 for a wrong handle. */
int __stdcall FolderDlg_SetExtendedStyle(HLUMADLG dialog, const FolderDlgExStyle* record);
/* Zero-fills buffer, then copies the chosen folder cut to bufferSize - 1 bytes; returns buffer. */
char* __stdcall FolderDlg_GetPathName(HLUMADLG dialog, char* buffer, int bufferSize);
/* While the dialog runs (from the hook): shows text under the folder list
 * and speaks spokenText; 0 when it does not run. */
int __stdcall FolderDlg_MessageWnd(HLUMADLG dialog, const char* text, const char* spokenText);
/* Before DoModal: the caption of LUMADLG_ID_ element id for the next run; 1 when stored. */
int __stdcall FolderDlg_SetWindowText(HLUMADLG dialog, const char* text, int id);

#ifdef __cplusplus
}
#endif

#endif /* LUMADLG_H */
