#include "CMSMCaptionBarButton.h"

#include "CMSMVisualManager.h"

IMPLEMENT_DYNCREATE(CMSMCaptionBarButton, CMFCButton)

CMSMCaptionBarButton::CMSMCaptionBarButton()
{
    m_bDrawFocus = FALSE;
}

CMSMCaptionBarButton::~CMSMCaptionBarButton() = default;

void CMSMCaptionBarButton::SetSysCommand(UINT command)
{
    if (m_hWnd)
        SetDlgCtrlID(int(command));
}

// Without the caption bar's own manager the framework draws the glyph.
void CMSMCaptionBarButton::OnDraw(CDC* pDC, const CRect&, UINT)
{
    const UINT command = GetSysCommand();
    if (!command)
        return;
    CRect client;
    GetClientRect(&client);
    const auto state = IsPushed()        ? CMFCVisualManager::ButtonsIsPressed
                       : IsHighlighted() ? CMFCVisualManager::ButtonsIsHighlighted
                                         : CMFCVisualManager::ButtonsIsRegular;
    CMFCVisualManager* manager = CMFCVisualManager::GetInstance();
    if (auto* msm = DYNAMIC_DOWNCAST(CMSMVisualManager, manager))
        msm->MSMDrawCaptionButton(pDC, client, state, command);
    else
        manager->OnDrawCaptionButton(pDC, client, state, command);
}
