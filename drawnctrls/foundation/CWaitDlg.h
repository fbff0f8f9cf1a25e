#pragma once

#include "CGDIpGradientDialog.h"
#include "PrambleGDIpIds.h"

#include <string>

// A small modeless window with a message, shown while the caller works.
class PRAMBLEGDIP_API CWaitDlg : public CGDIpGradientDialog
{
    DECLARE_DYNAMIC(CWaitDlg)

public:
    CWaitDlg(const std::wstring& message, CWnd* pParentWnd = nullptr);
    ~CWaitDlg() override;

    // Creates, centres and shows the window, and lets it paint before the
    // caller's long work starts.
    void show();
    BOOL OnInitDialog() override;

    static const UINT kTemplateId = IDD_WAIT_DLG;
    static const UINT kMessageId = IDC_WAIT_MESSAGE;

protected:
    CString m_message;
};
