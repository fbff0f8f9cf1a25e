#pragma once

#include "CString.h"

class CWnd;

// Thrown by CDataExchange::Fail to stop an exchange; UpdateData catches it
// and returns FALSE.
struct WfxDataExchangeFailure
{
};

// One run of DoDataExchange: to the controls (m_bSaveAndValidate FALSE) or
// from them.
class WFX_API CDataExchange
{
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
        : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd)
    {
    }

    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;

    // The dialog's control; a missing one is reported and fails the exchange.
    HWND PrepareCtrl(int nIDC);
    // Puts the focus on the last control prepared (when reading) and stops the exchange.
    [[noreturn]] void Fail();

private:
    HWND m_hWndLastControl = nullptr;
};

// Binds a control object to the dialog's control (subclassing it once).
WFX_API void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
// The check state of a check box or radio button (0, 1 or 2).
WFX_API void DDX_Check(CDataExchange* pDX, int nIDC, int& value);
// The text of a control; numbers that do not parse fail with a message.
WFX_API void DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
WFX_API void DDX_Text(CDataExchange* pDX, int nIDC, int& value);
WFX_API void DDX_Text(CDataExchange* pDX, int nIDC, UINT& value);
WFX_API void DDX_Text(CDataExchange* pDX, int nIDC, long& value);
WFX_API void DDX_Text(CDataExchange* pDX, int nIDC, DWORD& value);
WFX_API void DDX_Text(CDataExchange* pDX, int nIDC, double& value);
WFX_API void DDX_Text(CDataExchange* pDX, int nIDC, float& value);
