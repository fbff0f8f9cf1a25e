#pragma once

// Resource ids of the tests of the library's dialogs.

#define IDD_NOAFX 400
#define IDC_NOAFX_FIRST 401
#define IDC_NOAFX_SECOND 402
#define IDD_PAGE_ONE 410
#define IDD_PAGE_TWO 411
#define IDC_PAGE_EDIT 412
#define IDD_TAB_GROUP 420
#define IDD_MISSING 499
