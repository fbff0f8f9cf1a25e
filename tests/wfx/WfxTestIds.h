#pragma once

// Resource ids of the test program's templates and menus.

#define IDD_TEST 100
#define IDD_PAGE 101
#define IDC_EDIT 1001
#define IDC_CHECK 1002
#define IDC_OWNER_STATIC 1003
#define IDC_OWNER_BUTTON 1004
#define IDC_NUMBER 1005
#define IDC_COLOR_STATIC 1006
#define IDC_PLAIN_STATIC 1007
#define IDC_PAGE_BUTTON 1010
#define IDR_TEST_MENU 200
#define ID_CMD_DISABLED 300
#define ID_CMD_CHECKED 301
#define ID_CMD_PLAIN 302
