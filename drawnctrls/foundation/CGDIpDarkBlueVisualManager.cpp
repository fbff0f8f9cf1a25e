#include "CGDIpDarkBlueVisualManager.h"

IMPLEMENT_DYNCREATE(CGDIpDarkBlueVisualManager, CGDIpVisualManager)

CGDIpDarkBlueVisualManager::CGDIpDarkBlueVisualManager()
{
    const COLORREF darkBlue = 0x7E4934;
    m_clrBar = m_clrBarFirst = m_clrBarSecond = m_clrMenuFirst = m_clrMenuSecond = darkBlue;
    m_clrBarGradientDark = m_clrBarGradientLight = darkBlue;
    m_clrToolBarGradientDark = m_clrToolBarGradientLight = darkBlue;
    m_clrToolBarGradientVertDark = m_clrToolBarGradientVertLight = darkBlue;
    m_brBarBkgnd.DeleteObject();
    m_brBarBkgnd.CreateSolidBrush(darkBlue);
    m_brBar.DeleteObject();
    m_brBar.CreateSolidBrush(darkBlue);
    m_clrCaptionText = RGB(0xFF, 0xFF, 0xFF);
}

CGDIpDarkBlueVisualManager::~CGDIpDarkBlueVisualManager() = default;
