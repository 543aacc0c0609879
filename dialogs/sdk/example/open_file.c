/* open_file: asks for a text file with the LUMADLG file dialog, starting in
 * the current folder, and prints the chosen path or "cancelled".
 *
 * MinGW-w64, from the sdk folder:
 *     gcc -o open_file.exe example/open_file.c -I. -L. -lLUMADLG
 * Microsoft's compiler, from the sdk folder:
 *     cl /I. example\open_file.c LUMADLG.lib
 * Run it beside LUMADLG.dll and VOSKUSR.dll.
 *
 * Exit status: 0 chosen, 1 cancelled, 2 the dialog could not run. */
#include <stdio.h>

#include "LUMADLG.h"

/* Called for each file the user accepts, with the plain C convention. A
 * file that cannot be read is refused, and the user is told why in the
 * guide message under the name box; the dialog stays open. */
static int __cdecl AcceptReadable(const char* path, HLUMADLG dialog)
{
    /* "This file cannot be read", in Japanese, in code page 932. */
    static const char message[] = "\x82\xb1\x82\xcc\x83\x74\x83\x40\x83\x43\x83\x8b\x82\xcd"
                                  "\x93\xc7\x82\xdf\x82\xdc\x82\xb9\x82\xf1";
    WCHAR widePath[LUMADLG_PATH_BUFFER];
    HANDLE file = INVALID_HANDLE_VALUE;
    /* The path is code page 932 whatever the system's own code page is:
     * convert it explicitly before the system gets it. */
    if (MultiByteToWideChar(932, 0, path, -1, widePath, LUMADLG_PATH_BUFFER))
        file = CreateFileW(widePath, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL, OPEN_EXISTING, 0, NULL);
    if (file == INVALID_HANDLE_VALUE) {
        FileDlg_MessageWnd(dialog, message, message);
        return 0;
    }
    CloseHandle(file);
    return 1;
}

int main(void)
{
    FileDlgExStyle style = {0};
    char path[LUMADLG_PATH_BUFFER];
    int result;
    /* Strings go to the library in code page 932; these are plain ASCII.
     * The filter ends with a second bar. */
    HLUMADLG dialog = FileDlg_Create(1, ".txt", NULL, NULL,
                                     "Text files (*.txt)|*.txt|All files (*.*)|*.*||", NULL);
    if (!dialog)
        return 2;
    FileDlg_SetWindowText(dialog, "Open a text file", LUMADLG_ID_TITLE);

    style.mask = FDSM_ACCEPTHOOK;
    style.acceptHook = AcceptReadable;
    FileDlg_SetExtendedStyle(dialog, &style);

    result = FileDlg_DoModal(dialog);
    if (result == LUMADLG_OK) {
        /* The path is in code page 932, as a Japanese console shows it. */
        printf("%s\n", FileDlg_GetPathName(dialog, path, sizeof path, 0));
    } else if (result == LUMADLG_CANCEL) {
        printf("cancelled\n");
    }
    FileDlg_Delete(dialog);
    return result == LUMADLG_OK ? 0 : result == LUMADLG_CANCEL ? 1 : 2;
}
