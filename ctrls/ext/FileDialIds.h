#pragma once

// Resources of the file dialog; plain defines for the resource script too.

#define IDD_FILE_DIAL 1000
#define IDB_FILE_DIAL_UP 1001
#define IDB_FILE_DIAL_ICONS 1002
#define IDB_FILE_DIAL_NEW_FOLDER 1003
#define IDD_NEW_FOLDER_NAME 1004

#define IDC_FILE_NAME 1000
#define IDC_FILE_TYPE 1002
#define IDC_FILE_LIST 1003
#define IDC_DRIVE 1004
#define IDC_FOLDER 1005
#define IDC_UP 1006
#define IDC_NEW_FOLDER 1008
#define IDC_FOLDER_GROUP 1009
#define IDC_NEW_FOLDER_NAME 1010
#define ID_FILE_LIST_DELETE 1011
#define ID_FILE_LIST_RENAME 1012
