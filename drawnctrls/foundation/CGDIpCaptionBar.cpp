#include "CGDIpCaptionBar.h"

#include "CGDIpVisualManager.h"

IMPLEMENT_DYNCREATE(CGDIpCaptionBar, CMSMCaptionBar)

CGDIpCaptionBar::CGDIpCaptionBar() = default;

CGDIpCaptionBar::~CGDIpCaptionBar() = default;

void CGDIpCaptionBar::DoPaint(CDC* pDC)
{
    auto* manager = DYNAMIC_DOWNCAST(CGDIpVisualManager, CMFCVisualManager::GetInstance());
    if (!manager) {
        CMSMCaptionBar::DoPaint(pDC);
        return;
    }
    Painter painter;
    painter.background = [this, manager](CDC& dc, const CRect& r) {
        manager->drawCaptionBarBackground(&dc, this, r, r);
    };
    painter.title = [manager](CDC& dc, const CString& text, CRect r, UINT format) {
        manager->drawCaptionBarText(&dc, text, r, format);
    };
    painter.menuText = [manager](CDC& dc, const CString& text, CRect r, UINT format) {
        manager->drawMenuTextOnCaptionBar(&dc, text, r, format);
    };
    painter.menuFocus = [manager](CDC& dc, CRect r) { manager->drawMenuFocusRectOnCaptionBar(&dc, r); };
    paintBar(pDC, painter);
}
