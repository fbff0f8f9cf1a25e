#pragma once

// Resource ids of the password and PC-connection dialogs.

#define IDD_PASSWD_DLG 328
#define IDC_PASSWD_CAPTION 1317
#define IDC_PASSWD_EDIT 1230

#define IDD_PCCONN_DLG 324
#define IDC_PCCONN_CAPTION 1254
#define IDC_PCCONN_LIST 1256
#define IDC_PCCONN_CODE_LABEL 1255
#define IDC_PCCONN_CODE 1200
