/* choose_folder: asks for a folder with the LUMADLG folder dialog, starting
 * in the current folder, and prints the chosen folder or "cancelled".
 *
 * MinGW-w64, from the sdk folder:
 *     gcc -o choose_folder.exe example/choose_folder.c -I. -L. -lLUMADLG
 * Microsoft's compiler, from the sdk folder:
 *     cl /I. example\choose_folder.c LUMADLG.lib
 * Run it beside LUMADLG.dll and VOSKUSR.dll.
 *
 * Exit status: 0 chosen, 1 cancelled, 2 the dialog could not run. */
#include <stdio.h>

#include "LUMADLG.h"

int main(void)
{
    WCHAR wideFolder[MAX_PATH];
    char folder[LUMADLG_PATH_BUFFER];
    char chosen[LUMADLG_PATH_BUFFER];
    FolderDlgExStyle style = {0};
    DWORD length;
    BOOL lost = FALSE;
    HLUMADLG dialog;
    int result;

    /* The library takes code page 932 whatever the system's own code page
     * is, so the folder is converted explicitly; a name with characters that
     * code page lacks cannot be passed. */
    length = GetCurrentDirectoryW(MAX_PATH, wideFolder);
    if (length == 0 || length >= MAX_PATH ||
        !WideCharToMultiByte(932, 0, wideFolder, -1, folder, sizeof folder, NULL, &lost) || lost) {
        fprintf(stderr, "the current folder cannot be given to the dialog\n");
        return 2;
    }

    dialog = FolderDlg_Create(folder, NULL);
    if (!dialog)
        return 2;
    FolderDlg_SetWindowText(dialog, "Choose a folder", LUMADLG_ID_TITLE);

    /* Hidden folders are listed too. */
    style.mask = FODSM_STYLE;
    style.style = FODS_SHOWHIDDEN;
    FolderDlg_SetExtendedStyle(dialog, &style);

    result = FolderDlg_DoModal(dialog);
    if (result == LUMADLG_OK) {
        /* The path is in code page 932, as a Japanese console shows it. */
        printf("%s\n", FolderDlg_GetPathName(dialog, chosen, sizeof chosen));
    } else if (result == LUMADLG_CANCEL) {
        printf("cancelled\n");
    }
    FolderDlg_Delete(dialog);
    return result == LUMADLG_OK ? 0 : result == LUMADLG_CANCEL ? 1 : 2;
}
