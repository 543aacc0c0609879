// Resource and control ids of the folder dialog.
#pragma once

#define IDD_LUMA_FOLDER           145

// Icons of the three small buttons; the library's file dialog uses the same.
#define IDI_LUMA_FOLDER_UP        145
#define IDI_LUMA_FOLDER_READ      147
#define IDI_LUMA_FOLDER_NEW       148

#define IDC_LUMA_FOLDER_DRIVES   1002
#define IDC_LUMA_FOLDER_STATUS   1005
#define IDC_LUMA_FOLDER_READ     1013
#define IDC_LUMA_FOLDER_NEW      1014
#define IDC_LUMA_FOLDER_UP       1015
#define IDC_LUMA_FOLDER_DRVLABEL 1016
#define IDC_LUMA_FOLDER_DIRLABEL 1017
#define IDC_LUMA_FOLDER_LIST     1029

// Commands of the context menus.
#define IDM_LUMA_FOLDER_NEW      1106
#define IDM_LUMA_READ_DRIVE      1114
#define IDM_LUMA_READ_FOLDER     1115
