#pragma once

#include <CSkinDlg.h>

// Stands in for the switch console set-up dialog until it is built: an
// empty popup that OK or Esc closes.
class CConsoleSetupDlg : public CSkinDlg
{
    DECLARE_DYNAMIC(CConsoleSetupDlg)

public:
    explicit CConsoleSetupDlg(CWnd* pParent = nullptr);
    ~CConsoleSetupDlg() override;
};
