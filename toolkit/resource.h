// Resource ids of the toolkit's dialog templates (toolkit.rc).
#pragma once

#define IDD_LUMA_MESSAGE 9000
#define IDC_LUMA_MSG_BUTTON1 9005
#define IDC_LUMA_MSG_BUTTON2 9006
#define IDC_LUMA_MSG_BUTTON3 9007
#define IDC_LUMA_MSG_TEXT 9008
#define IDC_LUMA_MSG_ICON 9009

#define IDD_LUMA_INPUT 101
#define IDC_LUMA_INPUT_EDIT 9010
#define IDC_LUMA_INPUT_PROMPT 9011
