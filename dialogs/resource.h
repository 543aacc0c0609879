// Resource and control ids of the dialog library.
#pragma once

#define IDD_FILEDIALOG        130
#define IDR_FILEDIALOG_ACCEL 1001
#define IDR_MANIFEST            2

#define IDI_UP                145
#define IDI_FILEOPS           146
#define IDI_READ              147
#define IDI_NEWFOLDER         148
#define IDI_OK               1002

// Controls of the file dialog.
#define IDC_NAME             1000
#define IDC_FOLDERLINE       1001
#define IDC_DRIVES           1002
#define IDC_TYPES            1003
#define IDC_LIST             1004
#define IDC_STATUS           1005
#define IDC_FILEOPS          1012
#define IDC_READ             1013
#define IDC_NEWFOLDER        1014
#define IDC_UP               1015
#define IDC_DRIVELABEL       1016
#define IDC_FOLDERLABEL      1017
#define IDC_NAMELABEL        1018
#define IDC_TYPELABEL        1019

// Commands of the menus and accelerators.
#define IDM_SPEAKSIZE        1100
#define IDM_SPEAKTYPE        1101
#define IDM_SPEAKDATE        1102
#define IDM_COPYFILES        1103
#define IDM_DELETEFILE       1104
#define IDM_RENAMEFILE       1105
#define IDM_NEWFOLDER        1106
#define IDM_DELETEFOLDER     1107
#define IDM_RENAMEFOLDER     1108
#define IDM_SORTNAME         1109
#define IDM_SORTSIZE         1110
#define IDM_SORTTYPE         1111
#define IDM_SORTDATE         1112
#define IDM_NEXTSORT         1113
#define IDM_SPEAKFOLDER      1115
#define IDM_OPENSHORTCUT     1116
