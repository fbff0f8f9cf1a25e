#include "CAboutDlg.h"

#include "ShellIds.h"

CAboutDlg::CAboutDlg() : CDialogEx(IDD_ABOUTBOX) {}
