#include "CExtPropertyPage.h"

IMPLEMENT_DYNCREATE(CExtPropertyPage, CPropertyPage)

BEGIN_MESSAGE_MAP(CExtPropertyPage, CPropertyPage)
ON_WM_SHOWWINDOW()
END_MESSAGE_MAP()

CExtPropertyPage::CExtPropertyPage() = default;

CExtPropertyPage::CExtPropertyPage(UINT templateId, UINT captionId) : CPropertyPage(templateId, captionId) {}

CExtPropertyPage::CExtPropertyPage(LPCTSTR templateName, UINT captionId)
    : CPropertyPage(templateName, captionId)
{
}

void CExtPropertyPage::updateProps(int) {}

void CExtPropertyPage::serialize(CArchive&) {}

void CExtPropertyPage::OnOK()
{
    UpdateData(TRUE);
    CPropertyPage::OnOK();
}

// Shown: the values into the controls; hidden: the controls back into the values.
void CExtPropertyPage::OnShowWindow(BOOL bShow, UINT)
{
    UpdateData(!bShow);
    Default();
}
