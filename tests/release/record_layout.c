/* The records of LUMADLG.h as a caller compiles them, with the sizes and
 * offsets the library reads: 32-bit (the 24- and 20-byte records) and 64-bit
 * (natural alignment), in C and in C++, also when the caller has a tighter
 * packing in force where it includes the header. Compiled, never run. */
#include <stddef.h>
#include <windows.h>

#pragma pack(push, 1)
#include "LUMADLG.h"
#pragma pack(pop)

#ifdef __cplusplus
#define LAYOUT(condition) static_assert(condition, #condition)
#else
#define LAYOUT(condition) _Static_assert(condition, #condition)
#endif

LAYOUT(offsetof(FileDlgExStyle, reserved) == 0);
LAYOUT(offsetof(FileDlgExStyle, mask) == 4);
LAYOUT(offsetof(FileDlgExStyle, style) == 8);
LAYOUT(offsetof(FileDlgExStyle, driveTypes) == 12);
LAYOUT(offsetof(FileDlgExStyle, disabledOps) == 16);
LAYOUT(offsetof(FolderDlgExStyle, reserved) == 0);
LAYOUT(offsetof(FolderDlgExStyle, mask) == 4);
LAYOUT(offsetof(FolderDlgExStyle, style) == 8);
LAYOUT(offsetof(FolderDlgExStyle, driveTypes) == 12);
LAYOUT(offsetof(FolderDlgExStyle, folderHook) == 16);
#ifdef _WIN64
LAYOUT(offsetof(FileDlgExStyle, acceptHook) == 24);
LAYOUT(sizeof(FileDlgExStyle) == 32);
LAYOUT(sizeof(FolderDlgExStyle) == 24);
#else
LAYOUT(offsetof(FileDlgExStyle, acceptHook) == 20);
LAYOUT(sizeof(FileDlgExStyle) == 24);
LAYOUT(sizeof(FolderDlgExStyle) == 20);
#endif
