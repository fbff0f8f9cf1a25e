#pragma once

#include "PrambleGDIpApi.h"

// A minimise, maximise/restore or close button of the caption bar. Its
// window id is the system command it stands for.
class PRAMBLEGDIP_API CMSMCaptionBarButton : public CMFCButton
{
    DECLARE_DYNCREATE(CMSMCaptionBarButton)

public:
    CMSMCaptionBarButton();
    ~CMSMCaptionBarButton() override;

    UINT GetSysCommand() const { return m_hWnd ? UINT(GetDlgCtrlID()) : 0; }
    void SetSysCommand(UINT command);

protected:
    void OnDraw(CDC* pDC, const CRect& rect, UINT uiState) override;

    int m_reserved = 0;
};
