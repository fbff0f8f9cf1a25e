#pragma once

#include "PrambleApi.h"

#include <CPropertyPage.h>

class CArchive;

// Page base of CExtPropSheet: told whether the sheet was confirmed, and able
// to write itself into the sheet's archive.
class PRAMBLE_API CExtPropertyPage : public CPropertyPage
{
    DECLARE_DYNCREATE(CExtPropertyPage)

public:
    CExtPropertyPage();
    CExtPropertyPage(UINT templateId, UINT captionId);
    CExtPropertyPage(LPCTSTR templateName, UINT captionId);

    // After the sheet closed: nonzero when the user confirmed (commit the
    // edited values), zero after Cancel (drop them).
    virtual void updateProps(int ok);
    virtual void serialize(CArchive& archive);

    void OnOK() override;

protected:
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);

    DECLARE_MESSAGE_MAP()
};
