#include "CSCBButton.h"

CSCBButton::CSCBButton() : m_bPushed(FALSE), m_bRaised(FALSE), m_ptOrg(0, 0) {}

void CSCBButton::Paint(CDC* pDC)
{
    CRect rect = GetRect();
    COLORREF light = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    COLORREF shadow = ::GetSysColor(COLOR_BTNSHADOW);
    if (m_bPushed)
        pDC->Draw3dRect(&rect, shadow, light);
    else if (m_bRaised)
        pDC->Draw3dRect(&rect, light, shadow);

    COLORREF oldColor = pDC->SetTextColor(::GetSysColor(COLOR_BTNTEXT));
    int oldMode = pDC->SetBkMode(TRANSPARENT);
    // 6 points at 96 pixels per inch, whatever the device's resolution.
    CFont font;
    font.CreatePointFont(MulDiv(60, 96, pDC->GetDeviceCaps(LOGPIXELSX)), L"Marlett");
    CFont* oldFont = pDC->SelectObject(&font);
    pDC->TextOut(m_ptOrg.x + 2, m_ptOrg.y + 2, L"r", 1); // the cross glyph
    pDC->SelectObject(oldFont);
    pDC->SetBkMode(oldMode);
    pDC->SetTextColor(oldColor);
}
