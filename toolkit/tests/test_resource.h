// The test dialog that holds one control of every kind the assistant takes over.
#pragma once

#define IDD_ALL_CONTROLS 500
#define IDC_BUTTON_A 601
#define IDC_BUTTON_B 602
#define IDC_BUTTON_C 603
#define IDC_RADIO_1 611
#define IDC_RADIO_2 612
#define IDC_RADIO_3 613
#define IDC_CHECK 621
#define IDC_DROP_LIST 631
#define IDC_LIST 641
#define IDC_LIST_VIEW 651
#define IDC_EDIT 661
#define IDC_SPIN 662
#define IDC_EDIT_COMBO 671
#define IDC_MULTILINE 681
