#pragma once

// Resource ids of the page-host, caption-bar and menu tests.

#define IDD_TEST_PAGE 300
#define IDC_PAGE_EDIT 3001

#define IDB_CAPTION_BUTTONS 310
#define IDB_NARROW_BUTTONS 311
#define IDR_CAPTION_MENU 400
#define ID_FILE_CONNECT 32771
#define ID_FILE_LOAD 32772
#define ID_FILE_EXIT 57665
#define ID_INFO_ABOUT 57664
