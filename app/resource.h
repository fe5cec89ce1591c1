// Identifiers of the program's resources and of the controls and commands in them. Shared by
// the resource script and the code, so plain macros only.
#pragma once

// Resources.
#define IDD_ABOUT 100
#define IDI_ABACON 128
#define IDD_MAIN 129
#define IDR_INSERT_MENU 201
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
#define IDC_VERSION 1015
#define IDC_STATIC -1

// Insert menu commands.
#define IDM_ADD 206
#define IDM_MULTIPLY 208
#define IDM_DIVIDE 209
#define IDM_SIN 212
#define IDM_ASIN 213
#define IDM_MODULO 214
#define IDM_SUBTRACT 215
#define IDM_OVER 216
#define IDM_COS 217
#define IDM_ACOS 218
#define IDM_TAN 219
#define IDM_ATAN 220
#define IDM_LOG10 222
#define IDM_LN 223
#define IDM_PI 225
#define IDM_E 226
#define IDM_RAD 227
#define IDM_DEG 228
#define IDM_RE 231
#define IDM_IM 232
#define IDM_DECIMAL 235
#define IDM_HEXADECIMAL 236
#define IDM_BINARY 237
#define IDM_COMPLEX 238
#define IDM_ABS 239
#define IDM_SQRT 240
#define IDM_LOG2 241
#define IDM_CHARACTER 242
#define IDM_I 32772

// History menu commands.
#define IDM_HISTORY_COPY 260
#define IDM_HISTORY_COPY_RESULT 261
#define IDM_HISTORY_INSERT_RESULT 262
#define IDM_HISTORY_SELECT_ALL 263
#define IDM_HISTORY_CLEAR 264

// The window menu's own items. The system uses the low four bits of a system command.
#define IDM_TOPMOST 0x0110
#define IDM_KEEP_HISTORY 0x0120
