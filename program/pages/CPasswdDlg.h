#pragma once

#include "COrvoButton.h"

#include <CSkinDlg.h>
#include <CTransparentStatic.h>

// The small modal dialog in which the user types a password; every check of
// what was typed is the caller's.
class CPasswdDlg : public CSkinDlg
{
public:
    explicit CPasswdDlg(CWnd* parent = nullptr);
    ~CPasswdDlg() override;

    BOOL OnInitDialog() override;

    // After OK (the base's ending reads the edit): the typed text.
    CString m_password;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    CTransparentStatic m_caption;
    COrvoButton m_ok;
};
