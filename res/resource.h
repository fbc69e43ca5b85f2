// Resource and control ids.
#pragma once

#define IDR_MAINFRAME 128
#define IDM_ABOUTBOX 129
#define IDM_NEXT_FILE 0x0110
#define IDM_PREVIOUS_FILE 0x0120
#define IDD_ABOUTBOX 130
#define IDI_OPEN 131
#define IDI_SETTINGS 132
#define IDD_SETTINGS_DIALOG 133
#define IDD_CANVAS_SIZE_DIALOG 134
#define IDI_FILETYPE_1 135
#define IDI_FILETYPE_2 136
#define IDI_FILETYPE_3 137
#define IDI_FILETYPE_4 138
#define IDI_PCH_FILE 139
#define IDI_FILETYPE_6 140
#define IDI_SPCH_FILE 141
#define IDD_PLAYER_DIALOG 102

#define IDC_BROWSER 1000
#define IDC_PCH_PATH 1001
#define IDC_OPEN 1002
#define IDC_PLAY 1003
#define IDC_SETTINGS 1004
#define IDC_DEFAULT_WIDTH 1005
#define IDC_DEFAULT_HEIGHT 1006
#define IDC_ASK_SIZE 1007
#define IDC_USE_START_POS 1008
#define IDC_START_POS_X 1009
#define IDC_START_POS_Y 1010
#define IDC_START_POS_TIMES 1011
#define IDC_CANVAS_WIDTH 1012
#define IDC_CANVAS_HEIGHT 1013
#define IDC_ASSOC_PCH 1014
#define IDC_ASSOC_SPCH 1015
#define IDC_SINGLE_INSTANCE 1016

// Window class name of the browser control in the player dialog template: the
// WebBrowser control's class id, registered by the program as its host window.
#define WEBBROWSER_CLSID_STRING "{8856F961-340A-11D0-A96B-00C04FD705A2}"
