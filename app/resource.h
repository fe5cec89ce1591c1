// Identifiers of the program's resources and of the controls and commands in them. Shared by
// the resource script and the code, so plain macros only.
#pragma once

// Resources.
#define IDD_ABOUT 100
#define IDI_ABACON 128
#define IDD_MAIN 129
#define IDR_HISTORY_MENU 202

// Main dialog controls. Calculate is the dialog's default button, IDOK.
#define IDC_INPUT 1000
#define IDC_HISTORY 1001
#define IDC_RADIANS 1006
#define IDC_DEGREES 1007
#define IDC_FLOATING 1008
#define IDC_INSERT 1009
#define IDC_ANGLE_BASE 1011
#define IDC_QUIT 8
#define IDC_ABOUT 57664

// About dialog controls. The OK button is IDOK; the unnamed ones use IDC_STATIC.
#define IDC_LINK 1010
#define IDC_VISIT 1011
#define IDC_DESCRIPTION 1012
#define IDC_VERSION 1015
#define IDC_STATIC -1

// History menu commands.
#define IDM_HISTORY_COPY 260
#define IDM_HISTORY_COPY_RESULT 261
#define IDM_HISTORY_INSERT_RESULT 262
#define IDM_HISTORY_SELECT_ALL 263
#define IDM_HISTORY_CLEAR 264
