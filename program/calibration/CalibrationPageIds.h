#pragma once

// Control ids of the auto calibration page.

#define IDC_CAL_MAIN_CORR_IND 1119
#define IDC_CAL_START 1200
#define IDC_CAL_STOP 1201
#define IDC_CAL_SAME_CORRECTION 1202
#define IDC_CAL_B_FIRST 1204 // B1 to B8: 1204 to 1211
#define IDC_CAL_B_LAST 1211
#define IDC_CAL_G_FIRST 1212 // G1 to G8: 1212 to 1219
#define IDC_CAL_G_LAST 1219
#define IDC_CAL_OUTPUT 1222
#define IDC_CAL_ONE_CYLINDER 1223
#define IDC_CAL_TOO_SMALL 1231
#define IDC_CAL_TOO_BIG 1232
#define IDC_CAL_PROGRESS 1321
#define IDC_CAL_SPIN_FIRST 1161 // cylinders 1 to 8: 1161 to 1168
#define IDC_CAL_SPIN_LAST 1168
