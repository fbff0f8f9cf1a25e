#pragma once

// Resource ids of the test library.

#define IDD_LIB_DIALOG 2000
#define IDC_LIB_EDIT 2001
#define ID_LIB_COMMAND 2100
#define IDR_LIB_MENU 2200
#define ID_LIB_MENU_ITEM 2201
