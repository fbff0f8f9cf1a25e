#include "CDialogEx.h"

IMPLEMENT_DYNAMIC(CDialogEx, CDialog)
