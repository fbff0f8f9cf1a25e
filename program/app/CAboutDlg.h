#pragma once

#include <Wfx.h>

// The About box of the Info menu.
class CAboutDlg : public CDialogEx
{
public:
    CAboutDlg();
};
