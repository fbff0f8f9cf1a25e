#pragma once

#include "CObject.h"
#include "CString.h"

#include <commdlg.h>

class CWnd;

// The system's print dialog over a PRINTDLGW. DoModal and GetDefaults go
// through the print dialog hook when a test set one. The dialog owns the
// printer context and device settings it was given and frees them with
// itself.
class WFX_API CPrintDialog : public CObject
{
    DECLARE_DYNAMIC(CPrintDialog)

public:
    explicit CPrintDialog(BOOL bPrintSetupOnly,
                          DWORD dwFlags = PD_ALLPAGES | PD_USEDEVMODECOPIESANDCOLLATE | PD_NOPAGENUMS |
                                          PD_HIDEPRINTTOFILE | PD_NOSELECTION,
                          CWnd* pParentWnd = nullptr);
    ~CPrintDialog() override;
    CPrintDialog(const CPrintDialog&) = delete;
    CPrintDialog& operator=(const CPrintDialog&) = delete;

    PRINTDLGW m_pd;

    // IDOK or IDCANCEL.
    virtual INT_PTR DoModal();
    // The default printer's settings and context, without showing anything.
    BOOL GetDefaults();
    HDC GetPrinterDC() const { return m_pd.hDC; }
    CString GetDeviceName() const;
    int GetFromPage() const;
    int GetToPage() const;
    BOOL PrintRange() const { return (m_pd.Flags & PD_PAGENUMS) != 0; }
    BOOL PrintToFile() const { return (m_pd.Flags & PD_PRINTTOFILE) != 0; }
};
