#pragma once

// The injector bank detection's dialog: the size of the shift.
#define IDD_OBD_DETECT 332
#define IDC_DETECT_CAPTION 1345
#define IDC_DETECT_SHIFT 1204
#define IDC_DETECT_SHIFT_SPIN 1205
#define IDC_DETECT_UNITS 1262
